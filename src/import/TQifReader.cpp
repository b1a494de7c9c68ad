#include "import/TQifReader.h"

#include <QCoreApplication>
#include <QStringView>

namespace {

enum class Section
{
    Transactions,
    Other
};

Section sectionOf(QStringView header)
{
    // "!Type:Bank", "!Type:Cash", "!Type:CCard" hold transactions of one holder; so do
    // "!Type:Oth A" and "!Type:Oth L" (other assets and liabilities).
    if (!header.startsWith(u"!Type:", Qt::CaseInsensitive))
        return Section::Other;
    const QStringView type = header.mid(6).trimmed();
    for (const char16_t* t : {u"Bank", u"Cash", u"CCard", u"Oth A", u"Oth L"}) {
        if (type.compare(QStringView(t), Qt::CaseInsensitive) == 0)
            return Section::Transactions;
    }
    return Section::Other;
}

struct Record
{
    int line = 0;
    QString source;
    QString date, amount, altAmount, payee, memo, number, category;
    bool any = false;
    bool inSplits = false; // an S line came: the lines that follow describe the splits
};

// Walks the transaction records of the file.
template <typename Visit>
void forEachRecord(const QString& text, Visit visit)
{
    Section section = Section::Transactions; // a file without a header is taken as a bank section
    Record r;
    int lineNo = 0;
    auto finish = [&] {
        if (r.any && section == Section::Transactions)
            visit(r);
        r = Record();
    };
    for (const QStringView raw : QStringView(text).tokenize(u'\n')) {
        ++lineNo;
        QStringView line = raw;
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.startsWith(u'!')) {
            // "!Option:..." and "!Clear:..." switch settings, not sections.
            if (trimmed.startsWith(u"!Option", Qt::CaseInsensitive) ||
                trimmed.startsWith(u"!Clear", Qt::CaseInsensitive))
                continue;
            finish();
            section = sectionOf(trimmed);
            continue;
        }
        if (trimmed.front() == u'^') {
            finish();
            continue;
        }
        if (!r.any) {
            r.line = lineNo;
            r.any = true;
        } else {
            r.source.append(u'\n');
        }
        r.source.append(line);
        const QString value = trimmed.mid(1).trimmed().toString();
        switch (trimmed.front().unicode()) {
        case u'D':
            // The transaction's date is the first before the splits; a split's own date does not move it.
            if (r.date.isEmpty() && !r.inSplits)
                r.date = value;
            break;
        case u'S':
            r.inSplits = true;
            break;
        case u'T':
            r.amount = value;
            break;
        case u'U':
            r.altAmount = value;
            break;
        case u'P':
            r.payee = value;
            break;
        case u'M':
            r.memo = value;
            break;
        case u'N':
            r.number = value;
            break;
        case u'L':
            r.category = value;
            break;
        default:
            break; // cleared status, address lines, split memos and amounts: the total amount stands for them
        }
    }
    finish();
}

QString amountText(const Record& r)
{
    return r.amount.isEmpty() ? r.altAmount : r.amount;
}

// Quicken writes an account's opening balance as a record of its own, paid by "Opening Balance" and
// filed (L) under the account itself ("[Checking]").
bool isOpeningBalance(const Record& r)
{
    return r.payee.trimmed().compare(u"Opening Balance", Qt::CaseInsensitive) == 0;
}

} // namespace

TStatement TQifReader::read(QIODevice& device, const Options& options)
{
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly))
        return TStatement::failed(
            QCoreApplication::translate("TQifReader", "The file could not be read: %1").arg(device.errorString()));
    return read(device.readAll(), options);
}

TStatement TQifReader::read(const QByteArray& bytes, const Options& options)
{
    TStatement out;
    const QString text = TTextEncoding::decode(bytes, options.encoding, &out.encoding);
    QStringList dates;
    forEachRecord(text, [&](const Record& r) {
        if (r.date.isEmpty()) {
            out.addProblem(r.line,
                           QCoreApplication::translate("TQifReader", "There is no date (a line starting with D)."),
                           r.source);
            return;
        }
        dates.append(r.date);
        const std::optional<QDate> date = TImportDate::parse(r.date, options.dateOrder);
        if (!date) {
            out.addProblem(r.line, TImportDate::failureReason(r.date, options.dateOrder), r.source);
            return;
        }
        if (amountText(r).isEmpty()) {
            out.addProblem(r.line,
                           QCoreApplication::translate("TQifReader", "There is no amount (a line starting with T)."),
                           r.source);
            return;
        }
        QString reason;
        const std::optional<Currency> amount = options.amountFormat.parse(amountText(r), &reason);
        if (!amount) {
            out.addProblem(r.line, reason, r.source);
            return;
        }
        if (isOpeningBalance(r)) {
            // The money was in the account before the statement: it is not a deposit.
            if (!out.opening)
                out.opening = TStatementBalance{*amount, *date, r.line};
            out.addProblem(
                r.line, QCoreApplication::translate("TQifReader", "The statement's opening balance; it is not booked."),
                r.source, TImportProblem::Kind::BalanceLine);
            return;
        }
        TImportRow row;
        row.line = r.line;
        row.date = *date;
        row.amount = *amount;
        row.from = r.payee.simplified();
        row.forText = r.memo.simplified();
        row.memo = QStringList{r.category, r.number}.join(u' ').simplified();
        out.addRow(std::move(row), r.source);
    });
    out.dateOrders = TImportDate::fittingOrders(dates);
    if (out.rows.isEmpty() && out.problems.isEmpty())
        out.addProblem(
            0, QCoreApplication::translate("TQifReader", "The file holds no bank, cash or credit card transactions."),
            {});
    return out;
}

TQifReader::Options TQifReader::guess(const QByteArray& bytes)
{
    Options o;
    const QString text = TTextEncoding::decode(bytes, TTextEncoding::Kind::Auto, &o.encoding);
    QStringList dates, amounts;
    forEachRecord(text, [&](const Record& r) {
        dates.append(r.date);
        amounts.append(amountText(r));
    });
    o.amountFormat = TAmountFormat::guess(amounts, u',');
    const QList<TDateOrder> orders = TImportDate::fittingOrders(dates);
    for (TDateOrder preferred : {TDateOrder::MonthDayYear, TDateOrder::DayMonthYear, TDateOrder::YearMonthDay}) {
        if (orders.contains(preferred)) {
            o.dateOrder = preferred;
            break;
        }
    }
    return o;
}
