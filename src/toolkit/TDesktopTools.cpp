#include "toolkit/TDesktopTools.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The keys of the [Desktop Entry] group, their values with the escapes of a string undone
// ("\s", "\n", "\t", "\r", "\\").
QHash<QString, QString> desktopEntryKeys(const QByteArray& entry)
{
    QHash<QString, QString> keys;
    bool inGroup = false;
    for (const QByteArray& raw : entry.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'[')) {
            inGroup = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inGroup || line.startsWith(u'#') || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        QString text;
        for (qsizetype i = 0; i < value.size(); ++i) {
            if (value[i] != u'\\' || i + 1 == value.size()) {
                text += value[i];
                continue;
            }
            const QChar next = value[++i];
            text += next == u's'   ? QChar(u' ')
                    : next == u'n' ? QChar(u'\n')
                    : next == u't' ? QChar(u'\t')
                    : next == u'r' ? QChar(u'\r')
                                   : next;
        }
        // The first of a key counts, as a repeated key is an error in the entry.
        if (!keys.contains(key))
            keys.insert(key, text);
    }
    return keys;
}

// Splits an Exec line into arguments: blanks separate them outside double quotes; inside them a
// backslash keeps the next character. Field codes are left out ("%%" is a percent sign).
QStringList execArguments(const QString& exec)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    bool hadFieldCode = false;
    auto finish = [&] {
        if (inArgument && !(hadFieldCode && current.isEmpty()))
            arguments << current;
        current.clear();
        inArgument = quoted = hadFieldCode = false;
    };
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted && c == u'\\' && i + 1 < exec.size()) {
            current += exec[++i];
        } else if (c == u'%' && i + 1 < exec.size()) {
            inArgument = true;
            const QChar code = exec[++i];
            if (code == u'%')
                current += code;
            else
                hadFieldCode = true;
        } else if (c == u'"') {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && (c == u' ' || c == u'\t')) {
            finish();
        } else {
            current += c;
            inArgument = true;
        }
    }
    finish();
    return arguments;
}

} // namespace

TDesktopTools::System TDesktopTools::realSystem()
{
    System system;
    system.findExecutable = [](const QString& name) {
        return QStandardPaths::findExecutable(name);
    };
    system.textHandler = [] {
        const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
        if (xdgMime.isEmpty())
            return QString();
        QProcess query;
        query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/plain")});
        if (!query.waitForFinished(3000)) {
            query.kill();
            query.waitForFinished(1000);
            return QString();
        }
        return QString::fromUtf8(query.readAllStandardOutput()).section(u'\n', 0, 0).trimmed();
    };
    system.desktopEntry = [](const QString& id) {
        const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
        QFile file(path);
        if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
            return QByteArray();
        // A desktop entry is a few kilobytes; more is not one.
        return file.read(1 << 20);
    };
    return system;
}

QStringList TDesktopTools::calculators()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),         QStringLiteral("galculator"),
            QStringLiteral("mate-calc"),        QStringLiteral("qalculate-gtk"), QStringLiteral("qalculate-qt"),
            QStringLiteral("speedcrunch"),      QStringLiteral("xcalc")};
}

QStringList TDesktopTools::textEditors()
{
    return {QStringLiteral("gnome-text-editor"),
            QStringLiteral("gedit"),
            QStringLiteral("kate"),
            QStringLiteral("kwrite"),
            QStringLiteral("mousepad"),
            QStringLiteral("pluma"),
            QStringLiteral("xed"),
            QStringLiteral("featherpad"),
            QStringLiteral("leafpad")};
}

std::optional<TDesktopTools::Launch> TDesktopTools::fromDesktopEntry(const QByteArray& entry, const System& system)
{
    const QHash<QString, QString> keys = desktopEntryKeys(entry);
    auto isTrue = [&keys](const char* key) {
        return keys.value(QString::fromLatin1(key)) == u"true";
    };
    if (keys.value(QStringLiteral("Type")) != u"Application" || isTrue("Hidden") || isTrue("Terminal"))
        return std::nullopt;
    const QString tryExec = keys.value(QStringLiteral("TryExec"));
    if (!tryExec.isEmpty() && system.findExecutable(tryExec).isEmpty())
        return std::nullopt;
    QStringList arguments = execArguments(keys.value(QStringLiteral("Exec")));
    if (arguments.isEmpty())
        return std::nullopt;
    const QString program = system.findExecutable(arguments.takeFirst());
    if (program.isEmpty())
        return std::nullopt;
    return Launch{program, arguments};
}

QList<TDesktopTools::Launch> TDesktopTools::candidates(Tool tool, const System& system)
{
    QList<Launch> found;
    if (tool == Tool::TextEditor) {
        const QString handler = system.textHandler();
        if (handler.endsWith(QStringLiteral(".desktop"))) {
            if (const std::optional<Launch> own = fromDesktopEntry(system.desktopEntry(handler), system))
                found << *own;
        }
    }
    for (const QString& name : tool == Tool::Calculator ? calculators() : textEditors()) {
        const QString path = system.findExecutable(name);
        if (!path.isEmpty() && !found.contains(Launch{path, {}}))
            found << Launch{path, {}};
    }
    return found;
}
