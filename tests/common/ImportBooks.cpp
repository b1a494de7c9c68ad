#include "ImportBooks.h"

#include "import/TImportStore.h"

#include <QFile>
#include <QSqlQuery>

QByteArray statementOf(StatementKind kind, const QList<StatementEntry>& entries)
{
    switch (kind) {
    case StatementKind::Ofx:
        return bankOfx(entries, false);
    case StatementKind::Qif:
        return bankQif(entries);
    case StatementKind::Csv:
        break;
    }
    return bankCsv(entries);
}

QString StatementDir::write(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QString StatementDir::write(const QString& name, StatementKind kind, const QList<StatementEntry>& entries)
{
    const char* suffix = kind == StatementKind::Csv ? ".csv" : kind == StatementKind::Ofx ? ".ofx" : ".qif";
    return write(name + QLatin1String(suffix), statementOf(kind, entries));
}

TStatementFile statementFile(const QString& path)
{
    QString error;
    std::optional<TStatementFile> file = TStatementFile::load(path, &error);
    if (!file)
        qFatal("%s", qPrintable(error));
    return *file;
}

TCsvSettings settingsFor(const TStatementFile& file)
{
    return file.format == TImportFormat::Kind::Csv ? bankCsvSettings() : file.guess();
}

TImportPreview previewFor(const QString& path, qint32 holder)
{
    const TStatementFile file = statementFile(path);
    return file.preview(settingsFor(file), TImportStore::knownFingerprints(holder));
}

qint32 importFile(const QString& path, qint32 holder, const QString& profile)
{
    const TImportPreview preview = previewFor(path, holder);
    return TImportStore::book(preview, {holder, statementFile(path).fileName(), profile}).value_or(0);
}

QStringList bookingsOf(TestDb& db, qint32 holder)
{
    QSqlQuery q = db.dm().select(
        QStringLiteral("select Date, case type when 1 then -Amount else Amount end, [From], [For] from Detail"
                       " where DestID = ?"),
        {holder});
    QStringList out;
    while (q.next())
        out.append(QStringLiteral("%1 %2 %3 | %4")
                       .arg(q.value(0).toString(), Currency::fromRaw(q.value(1).toLongLong()).toFixed2(),
                            q.value(2).toString(), q.value(3).toString()));
    out.sort();
    return out;
}

QStringList asBookings(const QList<StatementEntry>& entries)
{
    QStringList out;
    for (const StatementEntry& e : entries)
        out.append(QStringLiteral("%1 12:00:00 %2 %3 | %4")
                       .arg(e.date.toString(Qt::ISODate), e.amount.toFixed2(), e.payee, e.purpose));
    out.sort();
    return out;
}
