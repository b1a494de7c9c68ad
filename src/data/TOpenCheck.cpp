#include "data/TOpenCheck.h"

#include "data/TSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

const QStringList TOpenCheck::Tables{QStringLiteral("Account"), QStringLiteral("Detail"), QStringLiteral("Transfer")};

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString withEngineText(const QString& text, const QString& engineText)
{
    return engineText.isEmpty() ? text : text + QStringLiteral("\n\n") + engineText;
}

QString leftAsItIs()
{
    return QCoreApplication::translate("TOpenCheck", " The file was left as it is.");
}

} // namespace

bool TOpenCheck::isAccessFile(const QByteArray& head)
{
    // A Jet (Access 97 to 2003) or ACE (Access 2007 on) file starts with 00 01 00 00 and its engine's
    // name at byte 4.
    return head.size() >= 20 && head.startsWith(QByteArrayLiteral("\x00\x01\x00\x00")) &&
           (head.mid(4, 16) == QByteArrayLiteral("Standard Jet DB\0") ||
            head.mid(4, 16) == QByteArrayLiteral("Standard ACE DB\0"));
}

QString TOpenCheck::beforeOpen(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {}; // the engine's open reports it with its own text
    if (info.size() == 0)
        return QCoreApplication::translate("TOpenCheck", "The data file %1 is empty (0 bytes): it holds no data.")
                   .arg(shown(path)) +
               leftAsItIs();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && isAccessFile(file.read(20)))
        return QCoreApplication::translate(
                   "TOpenCheck", "The data file %1 is a Microsoft Access database. This program keeps its data in an "
                                 "SQLite file and cannot read an Access file.")
                   .arg(shown(path)) +
               leftAsItIs();
    const QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!(info.permissions() & anyWrite) || !info.isWritable())
        return readOnly(path);
    // The log of every write, and the backups, are made beside the file.
    const QFileInfo folder(info.absolutePath());
    if (!(folder.permissions() & anyWrite) || !folder.isWritable())
        return QCoreApplication::translate(
                   "TOpenCheck",
                   "The folder %1 that holds the data file is read-only, so nothing could be saved. Allow "
                   "changes to the folder and start the program again.")
                   .arg(QDir::toNativeSeparators(folder.absoluteFilePath())) +
               leftAsItIs();
    return {};
}

QString TOpenCheck::readOnly(const QString& path)
{
    return QCoreApplication::translate(
               "TOpenCheck",
               "The data file %1 is read-only, so nothing could be saved in it. Allow changes to the file "
               "(and to its folder) and start the program again.")
               .arg(shown(path)) +
           leftAsItIs();
}

QString TOpenCheck::engineFailure(const QString& path, int code, const QString& engineText)
{
    QString text;
    switch (code & 0xff) {
    case SQLITE_CANTOPEN:
        text =
            QFileInfo::exists(path)
                ? QCoreApplication::translate("TOpenCheck", "The data file %1 could not be opened.").arg(shown(path))
                : QCoreApplication::translate(
                      "TOpenCheck", "The data file %1 was not found. Put your Data.mdb beside the program, or create a "
                                    "new one with budget-createdb, and start the program again.")
                      .arg(shown(path));
        return withEngineText(text, engineText);
    case SQLITE_NOTADB:
        text = QCoreApplication::translate(
                   "TOpenCheck", "The data file %1 is not a Tavrin Budget data file, or it is damaged beyond reading.")
                   .arg(shown(path));
        break;
    case SQLITE_CORRUPT:
        text = QCoreApplication::translate(
                   "TOpenCheck",
                   "The data file %1 is damaged (it may have been cut short). Restore a copy from the folder "
                   "\"backup\" beside it.")
                   .arg(shown(path));
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        text = QCoreApplication::translate(
                   "TOpenCheck", "The data file %1 is in use by another program, which keeps it locked. Close that "
                                 "program and start this one again.")
                   .arg(shown(path));
        break;
    case SQLITE_READONLY:
        return withEngineText(readOnly(path), engineText);
    case SQLITE_IOERR:
        text = QCoreApplication::translate("TOpenCheck", "The data file %1 could not be read.").arg(shown(path));
        break;
    default:
        text = QCoreApplication::translate("TOpenCheck", "The data file %1 could not be opened.").arg(shown(path));
        break;
    }
    return withEngineText(text + leftAsItIs(), engineText);
}

QString TOpenCheck::contents(const QString& path, const QStringList& tablesPresent, int version)
{
    QStringList missing;
    for (const QString& table : Tables) {
        if (!tablesPresent.contains(table, Qt::CaseInsensitive))
            missing << table;
    }
    if (!missing.isEmpty())
        return (missing.size() > 1
                    ? QCoreApplication::translate("TOpenCheck", "The data file %1 is a database, but not a Tavrin "
                                                                "Budget data file: it lacks the tables %2.")
                    : QCoreApplication::translate("TOpenCheck", "The data file %1 is a database, but not a Tavrin "
                                                                "Budget data file: it lacks the table %2."))
                   .arg(shown(path), missing.join(QStringLiteral(", "))) +
               leftAsItIs();
    if (version > TSchema::Version)
        return QCoreApplication::translate(
                   "TOpenCheck", "The data file %1 was written by a newer version of Tavrin Budget (data version %2; "
                                 "this program knows versions up to %3). Open it with the newer program.")
                   .arg(shown(path))
                   .arg(version)
                   .arg(TSchema::Version) +
               leftAsItIs();
    return {};
}
