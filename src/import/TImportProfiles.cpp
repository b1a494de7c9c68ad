#include "import/TImportProfiles.h"

#include "data/TDM.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <stdexcept>

QStringList TImportProfiles::names()
{
    QSqlQuery q = TDM::current().select(QStringLiteral("select Name from ImportProfile"));
    QStringList out;
    while (q.next())
        out.append(q.value(0).toString());
    std::sort(out.begin(), out.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    return out;
}

std::optional<TCsvSettings> TImportProfiles::load(const QString& name, QString* error)
{
    QSqlQuery q =
        TDM::current().select(QStringLiteral("select Settings from ImportProfile where Name = ?"), {name.trimmed()});
    if (!q.next()) {
        if (error != nullptr)
            *error = QCoreApplication::translate("TImportProfiles", "There is no import profile named \"%1\".")
                         .arg(name.trimmed());
        return std::nullopt;
    }
    return TCsvSettings::fromJson(q.value(0).toString().toUtf8(), error);
}

QString TImportProfiles::find(const QString& name)
{
    QSqlQuery q =
        TDM::current().select(QStringLiteral("select Name from ImportProfile where Name = ?"), {name.trimmed()});
    return q.next() ? q.value(0).toString() : QString();
}

QString TImportProfiles::save(const QString& name, const TCsvSettings& settings, qint32 holder)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        throw std::invalid_argument("An import profile needs a name.");
    // An update keeps the profile's row and its name as first written.
    TDM::current().execute(
        QStringLiteral("insert into ImportProfile (Name, HolderID, Used, Settings)"
                       " values (?, ?, (select coalesce(max(Used), 0) + 1 from ImportProfile), ?)"
                       " on conflict (Name) do update set HolderID = excluded.HolderID, Used = excluded.Used,"
                       " Settings = excluded.Settings"),
        {trimmed, holder, QString::fromUtf8(settings.toJson())});
    return find(trimmed);
}

QString TImportProfiles::lastFor(qint32 holder)
{
    QSqlQuery q = TDM::current().select(
        QStringLiteral("select Name from ImportProfile where HolderID = ? order by Used desc limit 1"), {holder});
    return q.next() ? q.value(0).toString() : QString();
}
