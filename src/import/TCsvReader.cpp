#include "import/TCsvReader.h"

#include "import/TCsvTokenizer.h"
#include "import/TImportWords.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

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

// A line too short for the column of its date or its amount.
enum class Needed
{
    Date,
    Amount
};

QString missingColumn(const QStringList& fields, int column, Needed needed)
{
    const QString text =
        needed == Needed::Date
            ? QCoreApplication::translate("TCsvReader", "The line has %1 columns; the date should be in column %2.")
            : QCoreApplication::translate("TCsvReader", "The line has %1 columns; the amount should be in column %2.");
    return text.arg(fields.size()).arg(column + 1);
}

// Where the quoting went wrong, a record can run over several lines: say so.
QString withSpan(const TCsvRecord& r, const QString& reason)
{
    if (r.lastLine <= r.line)
        return reason;
    return reason + QCoreApplication::translate("TCsvReader", " (This entry runs on to line %1; check its quotes.)")
                        .arg(r.lastLine);
}

QString fieldAt(const QStringList& fields, int column)
{
    return column >= 0 && column < fields.size() ? fields.at(column).trimmed() : QString();
}

QString field(const TCsvRecord& r, int column)
{
    return fieldAt(r.fields, column);
}

bool hasMark(const QStringList& marks, const QString& value)
{
    return std::any_of(marks.cbegin(), marks.cend(),
                       [&](const QString& m) { return m.trimmed().compare(value, Qt::CaseInsensitive) == 0; });
}

// A date anywhere in the record: in the date column, else in a text such as "Kontostand vom
// 31.03.2024".
QDate dateIn(const TCsvRecord& r, const TCsvSettings& s)
{
    if (const auto d = TImportDate::parse(field(r, s.dateColumn), s.dateOrder))
        return *d;
    static const QRegularExpression pattern(QStringLiteral("\\d{1,4}[./-]\\d{1,2}[./-]\\d{1,4}"));
    for (const QString& f : r.fields) {
        const QRegularExpressionMatch m = pattern.match(f);
        if (m.hasMatch()) {
            if (const auto d = TImportDate::parse(m.capturedView(), s.dateOrder))
                return *d;
        }
    }
    return {};
}

// The money a balance line states: in the balance column, else where the amount would be, else the
// first amount on the line.
std::optional<Currency> balanceIn(const TCsvRecord& r, const TCsvSettings& s)
{
    if (const QString b = field(r, s.balanceColumn); !b.isEmpty()) {
        if (const auto v = s.amountFormat.parse(b))
            return v;
    }
    QString ignored;
    if (const auto v = TCsvReader::amountOf(r.fields, s, ignored))
        return v;
    for (int c = 0; c < r.fields.size(); ++c) {
        const QString f = r.fields.at(c).trimmed();
        if (c == s.dateColumn || f.isEmpty() || TImportDate::parse(f, s.dateOrder))
            continue;
        if (const auto v = s.amountFormat.parse(f))
            return v;
    }
    return std::nullopt;
}

// A balance or total line of the statement, as found while reading.
struct BalanceLine
{
    TImportWords::BalanceLine kind;
    int line;
    std::optional<Currency> amount;
    QDate date;
    qsizetype rowsBefore; // transactions read before it
};

// What the balance words of the record say, if any: the strongest of its fields.
TImportWords::BalanceLine balanceWordsOf(const TCsvRecord& r, bool& strong)
{
    TImportWords::BalanceLine found = TImportWords::BalanceLine::None;
    strong = false;
    for (const QString& f : r.fields) {
        bool isStrong = false;
        const TImportWords::BalanceLine kind = TImportWords::balanceLineOf(f, &isStrong);
        if (kind != TImportWords::BalanceLine::None && (found == TImportWords::BalanceLine::None || isStrong)) {
            found = kind;
            strong = isStrong;
            if (isStrong)
                break;
        }
    }
    return found;
}

QString balanceReason(const BalanceLine& b)
{
    const QString money = b.amount ? b.amount->toMoneyString() : QString();
    switch (b.kind) {
    case TImportWords::BalanceLine::Opening:
        return b.amount
                   ? QCoreApplication::translate("TCsvReader", "The statement's opening balance, %1; it is not booked.")
                         .arg(money)
                   : QCoreApplication::translate("TCsvReader", "The statement's opening balance; it is not booked.");
    case TImportWords::BalanceLine::Closing:
        return b.amount
                   ? QCoreApplication::translate("TCsvReader", "The statement's closing balance, %1; it is not booked.")
                         .arg(money)
                   : QCoreApplication::translate("TCsvReader", "The statement's closing balance; it is not booked.");
    case TImportWords::BalanceLine::Balance:
        return b.amount
                   ? QCoreApplication::translate("TCsvReader", "A balance the statement states, %1; it is not booked.")
                         .arg(money)
                   : QCoreApplication::translate("TCsvReader", "A balance the statement states; it is not booked.");
    case TImportWords::BalanceLine::Total:
    case TImportWords::BalanceLine::None:
        break;
    }
    return QCoreApplication::translate("TCsvReader", "A total of the statement; it is not booked.");
}

// The opening and closing balances of the statement from its balance lines: those that say which
// they are, else a plain balance dated after the newest transaction (or standing after them all
// without a date) closes it, and one dated before the oldest opens it.
void applyBalanceLines(TStatement& out, const QList<BalanceLine>& lines)
{
    QDate oldest, newest;
    for (const TImportRow& row : out.rows) {
        if (!oldest.isValid() || row.date < oldest)
            oldest = row.date;
        if (!newest.isValid() || row.date > newest)
            newest = row.date;
    }
    auto take = [&](std::optional<TStatementBalance>& slot, const BalanceLine& b) {
        if (b.amount && !slot)
            slot = TStatementBalance{*b.amount, b.date, b.line};
    };
    for (const BalanceLine& b : lines) {
        if (b.kind == TImportWords::BalanceLine::Opening)
            take(out.opening, b);
    }
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (lines.at(i).kind == TImportWords::BalanceLine::Closing)
            take(out.closing, lines.at(i));
    }
    for (const BalanceLine& b : lines) {
        if (b.kind != TImportWords::BalanceLine::Balance || out.rows.isEmpty())
            continue;
        if (b.date.isValid() ? b.date >= newest : b.rowsBefore == out.rows.size())
            take(out.closing, b);
        else if (b.date.isValid() && b.date < oldest)
            take(out.opening, b);
    }
}

} // namespace

std::optional<Currency> TCsvReader::amountOf(const QStringList& fields, const TCsvSettings& s, QString& reason)
{
    const TAmountFormat& f = s.amountFormat;
    std::optional<Currency> value;
    if (s.amountMode == TCsvSettings::AmountMode::Signed) {
        if (s.amountColumn >= fields.size()) {
            reason = missingColumn(fields, s.amountColumn, Needed::Amount);
            return std::nullopt;
        }
        value = f.parse(fields.at(s.amountColumn), &reason);
        if (!value)
            return std::nullopt;
        if (s.directionColumn >= 0) {
            // The amount has no sign of its own (or one the direction overrules).
            const QString mark = fieldAt(fields, s.directionColumn);
            const Currency size = value->isNegative() ? -*value : *value;
            if (hasMark(s.paidOutMarks, mark)) {
                value = -size;
            } else if (hasMark(s.receivedMarks, mark)) {
                value = size;
            } else {
                reason = mark.isEmpty()
                             ? QCoreApplication::translate("TCsvReader",
                                                           "There is no direction (paid out or received) in column %1.")
                                   .arg(s.directionColumn + 1)
                             : QCoreApplication::translate(
                                   "TCsvReader", "The direction \"%1\" is neither money paid out (%2) nor money "
                                                 "received (%3).")
                                   .arg(mark, s.paidOutMarks.join(QStringLiteral(", ")),
                                        s.receivedMarks.join(QStringLiteral(", ")));
                return std::nullopt;
            }
        }
    } else {
        // Each column holds a magnitude or nothing (an empty cell, or 0 in the unused column).
        auto side = [&](int column, Currency& out) {
            if (column >= fields.size() || fields.at(column).trimmed().isEmpty())
                return true;
            const std::optional<Currency> v = f.parse(fields.at(column), &reason);
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
            reason = QCoreApplication::translate(
                "TCsvReader", "There are amounts in both the column of money paid out and that of money received.");
            return std::nullopt;
        }
        if (debit.isZero() && credit.isZero()) {
            reason = QCoreApplication::translate(
                "TCsvReader", "There is no amount in the column of money paid out nor in that of money received.");
            return std::nullopt;
        }
        value = debit.isZero() ? credit : -debit;
    }
    if (s.negate)
        value = -*value;
    if (const QString feeText = fieldAt(fields, s.feeColumn); !feeText.isEmpty()) {
        const std::optional<Currency> fee = f.parse(feeText, &reason);
        if (!fee)
            return std::nullopt;
        value = *value - (fee->isNegative() ? -*fee : *fee);
    }
    return value;
}

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
    qsizetype tailEnd = text.size();
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
        else if (skipped == 0)
            tailEnd = lineStart;
        end = lineStart;
        if (lineStart == lineEnd && lineEnd == start)
            break;
    }
    b.text = text.mid(start, end - start);
    b.tail = text.mid(end, tailEnd - end);
    b.tailFirstLine = b.firstLine + TCsvTokenizer::lineEnds(b.text);
    return b;
}

TStatement TCsvReader::read(QIODevice& device, const TCsvSettings& settings)
{
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly))
        return TStatement::failed(
            QCoreApplication::translate("TCsvReader", "The file could not be read: %1").arg(device.errorString()));
    return read(device.readAll(), settings);
}

TStatement TCsvReader::read(const QByteArray& bytes, const TCsvSettings& s, const std::atomic<bool>* stop)
{
    const QString settingsError = s.check();
    if (!settingsError.isEmpty())
        return TStatement::failed(settingsError);

    TStatement out;
    const QString text = TTextEncoding::decode(bytes, s.encoding, &out.encoding);
    const Body b = body(text, s.skipTop, s.skipBottom);
    if (s.hasTitles && s.skipTop > 0)
        out.titles = TCsvTokenizer::split(b.lastSkipped, s.delimiter);

    QList<BalanceLine> balanceLines;
    auto balanceLine = [&](const TCsvRecord& r, TImportWords::BalanceLine kind, const QString& source) {
        BalanceLine line{kind, r.line, std::nullopt, QDate(), out.rows.size()};
        if (kind != TImportWords::BalanceLine::Total) {
            line.amount = balanceIn(r, s);
            line.date = dateIn(r, s);
        }
        out.addProblem(r.line, balanceReason(line), source, TImportProblem::Kind::BalanceLine);
        balanceLines.append(line);
    };

    // The lines before the titles are not the statement's body, but a balance they state counts
    // ("Alter Kontostand;1.500,00 EUR").
    {
        TCsvTokenizer top(QStringView(text).left(b.text.data() - text.data()), s.delimiter);
        TCsvRecord r;
        while (top.next(r)) {
            bool strong = false;
            const TImportWords::BalanceLine words = balanceWordsOf(r, strong);
            if (r.error.isEmpty() && words != TImportWords::BalanceLine::None &&
                words != TImportWords::BalanceLine::Total && r.line < b.firstLine)
                balanceLines.append({words, r.line, balanceIn(r, s), dateIn(r, s), 0});
        }
    }

    QStringList dates;
    TCsvTokenizer tokenizer(b.text, s.delimiter, b.firstLine);
    TCsvRecord r;
    for (int n = 1; tokenizer.next(r); ++n) {
        if (stop != nullptr && n % 1024 == 0 && stop->load())
            return out;
        if (r.error.isEmpty() && r.isBlank())
            continue;
        const QString source = r.source.toString();
        if (!r.error.isEmpty()) {
            out.addProblem(r.line, withSpan(r, r.error), source);
            continue;
        }
        // A balance or total line: words that can mean nothing else, or words that may, on a line
        // that is no transaction.
        QString reason;
        bool strong = false;
        const TImportWords::BalanceLine words = balanceWordsOf(r, strong);
        const std::optional<QDate> date =
            s.dateColumn < r.fields.size() ? TImportDate::parse(r.fields.at(s.dateColumn), s.dateOrder) : std::nullopt;
        const std::optional<Currency> amount = date ? TCsvReader::amountOf(r.fields, s, reason) : std::nullopt;
        if (words != TImportWords::BalanceLine::None && (strong || !date || !amount || amount->isZero())) {
            balanceLine(r, words, source);
            continue;
        }
        if (s.dateColumn >= r.fields.size()) {
            out.addProblem(r.line, withSpan(r, missingColumn(r.fields, s.dateColumn, Needed::Date)), source);
            continue;
        }
        const QString& dateText = r.fields.at(s.dateColumn);
        dates.append(dateText);
        if (!date) {
            // Some banks list what they have not booked yet with a word for its date ("offen").
            if (TImportWords::stateOf(dateText) == TImportWords::State::NotFinal)
                out.addProblem(
                    r.line,
                    QCoreApplication::translate("TCsvReader", "Not booked by the bank yet (\"%1\" instead of a date).")
                        .arg(dateText.trimmed()),
                    source, TImportProblem::Kind::Skipped);
            else
                out.addProblem(r.line, withSpan(r, TImportDate::failureReason(dateText, s.dateOrder)), source);
            continue;
        }
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
        row.bankId = field(r, s.idColumn);
        if (const QString balance = field(r, s.balanceColumn); !balance.isEmpty())
            row.balance = s.amountFormat.parse(balance);
        row.state = field(r, s.stateColumn);
        out.addRow(std::move(row), source);
    }

    // The lines the settings skip at the bottom: a balance line among them still counts.
    TCsvTokenizer tail(b.tail, s.delimiter, b.tailFirstLine);
    while (tail.next(r)) {
        if (r.error.isEmpty() && r.isBlank())
            continue;
        bool strong = false;
        if (const TImportWords::BalanceLine words = balanceWordsOf(r, strong); words != TImportWords::BalanceLine::None)
            balanceLine(r, words, r.source.toString());
        else
            out.addProblem(
                r.line, QCoreApplication::translate("TCsvReader", "One of the lines the settings skip at the bottom."),
                r.source.toString(), TImportProblem::Kind::Skipped);
    }
    applyBalanceLines(out, balanceLines);

    // A state column: a state that says the transaction is not final yet, or, where the file marks
    // final ones ("COMPLETED"), any other state, keeps the row from being booked unasked.
    if (s.stateColumn >= 0) {
        const bool finalsMarked = std::any_of(out.rows.cbegin(), out.rows.cend(), [](const TImportRow& row) {
            return TImportWords::stateOf(row.state) == TImportWords::State::Final;
        });
        for (TImportRow& row : out.rows) {
            const TImportWords::State state = TImportWords::stateOf(row.state);
            row.pending = state == TImportWords::State::NotFinal ||
                          (finalsMarked && state == TImportWords::State::Unknown && !row.state.isEmpty());
        }
    }
    // A card statement that lists payments as positive amounts reads as money received: say so
    // where nearly every amount is, and no balance tells otherwise.
    const qsizetype received = std::count_if(out.rows.cbegin(), out.rows.cend(),
                                             [](const TImportRow& row) { return !row.amount.isNegative(); });
    if (s.amountMode == TCsvSettings::AmountMode::Signed && s.directionColumn < 0 && s.balanceColumn < 0 && !s.negate &&
        out.rows.size() >= 2 && received < out.rows.size() && received * 4 >= out.rows.size() * 3)
        out.warnings.append(QCoreApplication::translate(
            "TCsvReader", "Nearly all amounts of this file are money received. If it is a credit "
                          "card statement that shows payments as positive amounts, tick \"Money "
                          "paid out has no minus sign\" under Settings."));
    out.dateOrders = TImportDate::fittingOrders(dates);
    return out;
}
