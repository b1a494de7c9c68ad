#include "import/TStatementFile.h"

#include "import/TCsvGuess.h"
#include "import/TCsvReader.h"
#include "import/TCsvTokenizer.h"
#include "import/TOfxReader.h"
#include "import/TQifReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

std::optional<TStatementFile> TStatementFile::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("TStatementFile", "The file %1 could not be opened: %2")
                     .arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > MaxSize) {
        *error = QCoreApplication::translate("TStatementFile", "The file %1 is too large for a bank statement (%2 MB).")
                     .arg(path)
                     .arg(file.size() / (1024 * 1024));
        return std::nullopt;
    }
    TStatementFile out;
    out.path = path;
    out.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QCoreApplication::translate("TStatementFile", "The file %1 could not be read: %2")
                     .arg(path, file.errorString());
        return std::nullopt;
    }
    out.format = TImportFormat::detect(path, out.bytes);
    return out;
}

QString TStatementFile::fileName() const
{
    return QFileInfo(path).fileName();
}

QString TStatementFile::formatName() const
{
    switch (format) {
    case TImportFormat::Kind::Ofx:
        return QStringLiteral("OFX");
    case TImportFormat::Kind::Qif:
        return QStringLiteral("QIF");
    case TImportFormat::Kind::Unsupported:
        if (const std::optional<TImportFormat::Foreign> f = TImportFormat::foreign(bytes))
            return f->name;
        break; // the bytes were changed after loading: taken as delimited text again
    case TImportFormat::Kind::Csv:
        break;
    }
    return QStringLiteral("CSV");
}

TCsvSettings TStatementFile::guess() const
{
    if (format == TImportFormat::Kind::Qif) {
        const TQifReader::Options o = TQifReader::guess(bytes);
        TCsvSettings s;
        s.encoding = o.encoding;
        s.dateOrder = o.dateOrder;
        s.amountFormat = o.amountFormat;
        return s;
    }
    if (format == TImportFormat::Kind::Csv)
        return TCsvGuess::from(bytes).settings;
    return {};
}

TStatement TStatementFile::read(const TCsvSettings& settings, const std::atomic<bool>* stop) const
{
    switch (format) {
    case TImportFormat::Kind::Ofx:
        return TOfxReader::read(bytes);
    case TImportFormat::Kind::Qif:
        return TQifReader::read(bytes, {settings.encoding, settings.dateOrder, settings.amountFormat});
    case TImportFormat::Kind::Unsupported:
        if (const std::optional<TImportFormat::Foreign> f = TImportFormat::foreign(bytes))
            return TStatement::failed(f->reason);
        break;
    case TImportFormat::Kind::Csv:
        break;
    }
    return TCsvReader::read(bytes, settings, stop);
}

QStringList TStatementFile::columns(const TCsvSettings& settings) const
{
    if (format != TImportFormat::Kind::Csv)
        return {};
    // The lines skipped at the top and the first transaction are near the start of the file.
    const qsizetype headBytes = 64 * 1024 + static_cast<qsizetype>(settings.skipTop) * 1024;
    const QString text = TTextEncoding::decode(bytes.left(headBytes), settings.encoding);
    const TCsvReader::Body body = TCsvReader::body(text, settings.skipTop, 0);
    QStringList titles;
    if (settings.hasTitles && settings.skipTop > 0)
        titles = TCsvTokenizer::split(body.lastSkipped, settings.delimiter);
    QStringList values;
    TCsvTokenizer tokenizer(body.text, settings.delimiter, body.firstLine);
    TCsvRecord record;
    while (tokenizer.next(record)) {
        if (!record.isBlank()) {
            values = record.fields;
            break;
        }
    }
    QStringList out;
    for (qsizetype c = 0; c < std::max(titles.size(), values.size()); ++c) {
        const QString title = titles.value(c).simplified();
        const QString value = values.value(c).simplified().left(40);
        if (title.isEmpty())
            out.append(value.isEmpty() ? QCoreApplication::translate("TStatementFile", "(empty)") : value);
        else
            out.append(value.isEmpty() ? title : QStringLiteral("%1 (%2)").arg(title, value));
    }
    return out;
}

TImportPreview TStatementFile::preview(const TCsvSettings& settings, const QSet<QString>& known,
                                       const std::atomic<bool>* stop) const
{
    return TImportPreview(read(settings, stop), TImportMatcher(known));
}
