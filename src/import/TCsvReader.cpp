#include "import/TCsvReader.h"

#include "import/TCsvTokenizer.h"

namespace {

QString joined(const QStringList& fields, const QList<int>& columns)
{
    QString out;
    for (int c : columns) {
        if (c >= fields.size())
            continue;
        const QString part = fields.at(c).simplified();
        if (part.isEmpty())
            continue;
        if (!out.isEmpty())
            out.append(u' ');
        out.append(part);
    }
    return out;
}

QString missingColumn(const TCsvRecord& r, int column, const char* what)
{
    return QStringLiteral("The line has %1 columns; the %2 should be in column %3.")
        .arg(r.fields.size())
        .arg(QLatin1String(what))
        .arg(column + 1);
}

// Where the quoting went wrong, a record can run over several lines: say so.
QString withSpan(const TCsvRecord& r, const QString& reason)
{
    if (r.lastLine <= r.line)
        return reason;
    return reason + QStringLiteral(" (This entry runs on to line %1; check its quotes.)").arg(r.lastLine);
}

// The amount of a record, or the reason there is none.
std::optional<Currency> amountOf(const TCsvRecord& r, const TCsvSettings& s, QString& reason)
{
    const TAmountFormat& f = s.amountFormat;
    if (s.amountMode == TCsvSettings::AmountMode::Signed) {
        if (s.amountColumn >= r.fields.size()) {
            reason = missingColumn(r, s.amountColumn, "amount");
            return std::nullopt;
        }
        const auto v = f.parse(r.fields.at(s.amountColumn), &reason);
        if (!v)
            return std::nullopt;
        return s.negate ? -*v : *v;
    }
    // Each column holds a magnitude or nothing (an empty cell, or 0 in the unused column).
    auto side = [&](int column, Currency& out) {
        if (column >= r.fields.size() || r.fields.at(column).trimmed().isEmpty())
            return true;
        const std::optional<Currency> v = f.parse(r.fields.at(column), &reason);
        if (!v)
            return false;
        // Some banks write money paid out with a minus sign, others without: the column tells.
        out = v->isNegative() ? -*v : *v;
        return true;
    };
    Currency debit, credit;
    if (!side(s.debitColumn, debit) || !side(s.creditColumn, credit))
        return std::nullopt;
    if (!debit.isZero() && !credit.isZero()) {
        reason = QStringLiteral("There are amounts in both the column of money paid out and that of money received.");
        return std::nullopt;
    }
    if (debit.isZero() && credit.isZero()) {
        reason = QStringLiteral("There is no amount in the column of money paid out nor in that of money received.");
        return std::nullopt;
    }
    const Currency value = debit.isZero() ? credit : -debit;
    return s.negate ? -value : value;
}

} // namespace

TCsvReader::Body TCsvReader::body(QStringView text, int skipTop, int skipBottom)
{
    Body b;
    qsizetype start = 0;
    for (int i = 0; i < skipTop && start < text.size(); ++i) {
        const qsizetype lineStart = start;
        while (start < text.size() && text[start] != u'\n' && text[start] != u'\r')
            ++start;
        b.lastSkipped = text.mid(lineStart, start - lineStart);
        if (start < text.size() && text[start] == u'\r')
            ++start;
        if (start < text.size() && text[start] == u'\n')
            ++start;
        ++b.firstLine;
    }
    // From the end: blank lines first, then `skipBottom` lines.
    qsizetype end = text.size();
    int skipped = 0;
    while (end > start) {
        qsizetype lineEnd = end;
        while (lineEnd > start && (text[lineEnd - 1] == u'\n' || text[lineEnd - 1] == u'\r'))
            --lineEnd;
        qsizetype lineStart = lineEnd;
        while (lineStart > start && text[lineStart - 1] != u'\n' && text[lineStart - 1] != u'\r')
            --lineStart;
        const bool blank = text.mid(lineStart, lineEnd - lineStart).trimmed().isEmpty();
        if (!blank && skipped == skipBottom)
            break;
        if (!blank)
            ++skipped;
        end = lineStart;
        if (lineStart == lineEnd && lineEnd == start)
            break;
    }
    b.text = text.mid(start, end - start);
    return b;
}

TStatement TCsvReader::read(QIODevice& device, const TCsvSettings& settings)
{
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly))
        return TStatement::failed(QStringLiteral("The file could not be read: %1").arg(device.errorString()));
    return read(device.readAll(), settings);
}

TStatement TCsvReader::read(const QByteArray& bytes, const TCsvSettings& s)
{
    const QString settingsError = s.check();
    if (!settingsError.isEmpty())
        return TStatement::failed(settingsError);

    TStatement out;
    const QString text = TTextEncoding::decode(bytes, s.encoding, &out.encoding);
    const Body b = body(text, s.skipTop, s.skipBottom);
    if (s.hasTitles && s.skipTop > 0)
        out.titles = TCsvTokenizer::split(b.lastSkipped, s.delimiter);

    QStringList dates;
    TCsvTokenizer tokenizer(b.text, s.delimiter, b.firstLine);
    TCsvRecord r;
    while (tokenizer.next(r)) {
        if (r.error.isEmpty() && r.isBlank())
            continue;
        const QString source = r.source.toString();
        if (!r.error.isEmpty()) {
            out.addProblem(r.line, withSpan(r, r.error), source);
            continue;
        }
        if (s.dateColumn >= r.fields.size()) {
            out.addProblem(r.line, withSpan(r, missingColumn(r, s.dateColumn, "date")), source);
            continue;
        }
        const QString& dateText = r.fields.at(s.dateColumn);
        dates.append(dateText);
        const std::optional<QDate> date = TImportDate::parse(dateText, s.dateOrder);
        if (!date) {
            out.addProblem(r.line, withSpan(r, TImportDate::failureReason(dateText, s.dateOrder)), source);
            continue;
        }
        QString reason;
        const std::optional<Currency> amount = amountOf(r, s, reason);
        if (!amount) {
            out.addProblem(r.line, withSpan(r, reason), source);
            continue;
        }
        TImportRow row;
        row.line = r.line;
        row.date = *date;
        row.amount = *amount;
        row.from = joined(r.fields, s.fromColumns);
        row.forText = joined(r.fields, s.forColumns);
        row.memo = joined(r.fields, s.memoColumns);
        if (s.idColumn >= 0 && s.idColumn < r.fields.size())
            row.bankId = r.fields.at(s.idColumn).trimmed();
        out.addRow(std::move(row), source);
    }
    out.dateOrders = TImportDate::fittingOrders(dates);
    return out;
}
