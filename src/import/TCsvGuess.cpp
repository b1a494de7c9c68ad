#include "import/TCsvGuess.h"

#include "import/TCsvTokenizer.h"

#include <QMap>

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int HeadLines = 200;
constexpr int TailLines = 50;

bool titleHas(const QStringList& titles, int column, std::initializer_list<const char*> words)
{
    if (column >= titles.size())
        return false;
    const QString t = titles.at(column).toLower();
    for (const char* w : words) {
        if (t.contains(QString::fromUtf8(w)))
            return true;
    }
    return false;
}

const std::initializer_list<const char*> BalanceWords = {"balance", "saldo", "kontostand", "solde"};
const std::initializer_list<const char*> AmountWords = {"amount", "betrag", "umsatz", "montant", "importe", "bedrag"};
const std::initializer_list<const char*> DebitWords = {"debit",     "soll",    "withdrawal", "paid out",
                                                       "money out", "ausgang", "belastung",  "débit"};
const std::initializer_list<const char*> CreditWords = {"credit",   "haben",   "deposit",    "paid in",
                                                        "money in", "eingang", "gutschrift", "crédit"};
const std::initializer_list<const char*> FromWords = {
    "payee",        "payer",        "name",    "beneficiary", "counterparty", "empfänger",
    "auftraggeber", "begünstigter", "partner", "merchant",    "bénéficiaire", "zahlungspflichtiger"};
const std::initializer_list<const char*> ForWords = {
    "purpose", "verwendungszweck", "description", "details",      "reference",
    "text",    "libellé",          "concept",     "omschrijving", "narrative"};
const std::initializer_list<const char*> MemoWords = {"memo", "note", "notiz", "comment", "info"};

struct Column
{
    int filled = 0;
    int numbers = 0;  // values that are amounts
    int decimals = 0; // of them, with a decimal separator
    int dates = 0;
    bool constant = true;
    QString first;
};

// A column of amounts, where a broken line or two (a text amount) does not make it text.
bool mostlyNumbers(const Column& col)
{
    return col.numbers > 0 && col.numbers * 20 >= col.filled * 19;
}

} // namespace

TCsvGuess TCsvGuess::from(const QByteArray& bytes)
{
    TCsvGuess g;
    TCsvSettings& s = g.settings;
    const QString text = TTextEncoding::decode(bytes, TTextEncoding::Kind::Auto, &s.encoding);
    QList<QStringView> lines = QStringView(text).split(u'\n');
    for (QStringView& l : lines) {
        if (l.endsWith(u'\r'))
            l.chop(1);
    }
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    QList<int> sample;
    for (int i = 0; i < lines.size(); ++i) {
        if (i < HeadLines || i >= lines.size() - TailLines)
            sample.append(i);
    }

    // The delimiter that gives the most lines the same number (two or more) of columns.
    int bestScore = 0, width = 0;
    for (QChar d : {u';', u',', u'\t', u'|'}) {
        QMap<int, int> counts;
        for (int i : sample) {
            if (!lines.at(i).trimmed().isEmpty())
                ++counts[static_cast<int>(TCsvTokenizer::split(lines.at(i), d).size())];
        }
        int modal = 0, score = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.key() >= 2 && it.value() >= score) {
                modal = it.key();
                score = it.value();
            }
        }
        if (score > bestScore) {
            bestScore = score;
            width = modal;
            s.delimiter = d;
        }
    }
    if (width == 0)
        return g;

    QMap<int, QStringList> rows; // line index -> fields, for lines of the common width
    for (int i : sample) {
        QStringList fields = TCsvTokenizer::split(lines.at(i), s.delimiter);
        if (fields.size() == width)
            rows.insert(i, fields);
    }
    auto isDate = [](const QString& t) {
        return TImportDate::parse(t, TDateOrder::DayMonthYear) || TImportDate::parse(t, TDateOrder::MonthDayYear) ||
               TImportDate::parse(t, TDateOrder::YearMonthDay);
    };
    // The first column of dates (a booking day before a value day), even where a broken date or two
    // leaves it a few short of another.
    QList<int> hits(width);
    for (int c = 0; c < width; ++c) {
        for (const QStringList& f : rows)
            hits[c] += isDate(f.at(c)) ? 1 : 0;
    }
    const int bestDates = *std::max_element(hits.cbegin(), hits.cend());
    if (bestDates == 0)
        return g;
    for (int c = width - 1; c >= 0; --c) {
        if (hits.at(c) * 20 >= bestDates * 19)
            s.dateColumn = c;
    }
    g.found = true;

    // The transactions: lines of the common width with a date in the date column.
    QList<int> data;
    QStringList dates;
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
        if (isDate(it.value().at(s.dateColumn))) {
            data.append(it.key());
            dates.append(it.value().at(s.dateColumn));
        }
    }
    s.skipTop = data.front();
    if (s.skipTop > 0 && rows.contains(s.skipTop - 1)) {
        s.hasTitles = true;
        g.titles = rows.value(s.skipTop - 1);
        for (QString& t : g.titles)
            t = t.trimmed();
    }
    for (int i = data.back() + 1; i < lines.size(); ++i)
        s.skipBottom += lines.at(i).trimmed().isEmpty() ? 0 : 1;

    const QList<TDateOrder> orders = TImportDate::fittingOrders(dates);
    g.dateOrderAmbiguous = orders.size() > 1;
    const bool slashes = !dates.isEmpty() && dates.front().contains(u'/');
    const bool monthFirstHint = slashes && s.delimiter == u',';
    for (TDateOrder o :
         monthFirstHint
             ? QList<TDateOrder>{TDateOrder::MonthDayYear, TDateOrder::DayMonthYear, TDateOrder::YearMonthDay}
             : QList<TDateOrder>{TDateOrder::DayMonthYear, TDateOrder::MonthDayYear, TDateOrder::YearMonthDay}) {
        if (orders.contains(o)) {
            s.dateOrder = o;
            break;
        }
    }

    // What each other column holds.
    QStringList samples;
    for (int i : data) {
        for (int c = 0; c < width; ++c) {
            if (c != s.dateColumn)
                samples.append(rows.value(i).at(c));
        }
    }
    s.amountFormat = TAmountFormat::guess(samples, s.delimiter);
    QList<Column> cols(width);
    for (int i : data) {
        const QStringList& f = rows.value(i);
        for (int c = 0; c < width; ++c) {
            const QString v = f.at(c).trimmed();
            Column& col = cols[c];
            if (v.isEmpty())
                continue;
            if (col.filled++ == 0)
                col.first = v;
            else if (v != col.first)
                col.constant = false;
            if (s.amountFormat.parse(v)) {
                ++col.numbers;
                col.decimals += v.contains(s.amountFormat.decimal) ? 1 : 0;
            }
            col.dates += TImportDate::parse(v, s.dateOrder) ? 1 : 0;
        }
    }
    const int n = static_cast<int>(data.size());
    QList<int> amounts; // columns of amounts only, best first
    const auto findAmounts = [&](auto numeric) {
        for (int c = 0; c < width; ++c) {
            const Column& col = cols[c];
            if (c != s.dateColumn && numeric(col) && col.dates < col.filled && !titleHas(g.titles, c, BalanceWords))
                amounts.append(c);
        }
    };
    findAmounts(mostlyNumbers);
    // A short file with a broken amount: the column where most values are amounts.
    if (amounts.isEmpty())
        findAmounts([](const Column& col) { return col.numbers * 2 > col.filled; });
    const bool anyDecimals = std::any_of(amounts.cbegin(), amounts.cend(), [&](int c) { return cols[c].decimals > 0; });
    if (anyDecimals)
        amounts.removeIf([&](int c) { return cols[c].decimals == 0; });

    int debit = -1, credit = -1;
    for (int c : amounts) {
        if (debit < 0 && titleHas(g.titles, c, DebitWords))
            debit = c;
        else if (credit < 0 && titleHas(g.titles, c, CreditWords))
            credit = c;
    }
    if (debit < 0 || credit < 0)
        debit = credit = -1;
    int signedColumn = -1;
    for (int c : amounts) {
        if (cols[c].filled != n)
            continue;
        if (signedColumn < 0)
            signedColumn = c;
        if (titleHas(g.titles, c, AmountWords)) {
            signedColumn = c;
            break;
        }
    }
    if (debit < 0 && credit < 0 && signedColumn < 0 && amounts.size() >= 2) {
        debit = amounts.at(0);
        credit = amounts.at(1);
    }
    if (debit >= 0 && credit >= 0) {
        s.amountMode = TCsvSettings::AmountMode::DebitCredit;
        s.debitColumn = debit;
        s.creditColumn = credit;
    } else if (signedColumn >= 0) {
        s.amountColumn = signedColumn;
    } else if (!amounts.isEmpty()) {
        s.amountColumn = amounts.front();
    }

    // Texts: by their titles, else the first for From, the second for For and the rest for Memo.
    QList<int> texts;
    for (int c = 0; c < width; ++c) {
        const Column& col = cols[c];
        if (c != s.dateColumn && !amounts.contains(c) && col.filled > 0 && !mostlyNumbers(col) &&
            col.dates < col.filled && !(col.constant && col.filled > 1))
            texts.append(c);
    }
    for (int c : texts) {
        if (titleHas(g.titles, c, FromWords))
            s.fromColumns.append(c);
        else if (titleHas(g.titles, c, ForWords))
            s.forColumns.append(c);
        else if (titleHas(g.titles, c, MemoWords))
            s.memoColumns.append(c);
    }
    // A booking needs a From: without a column titled so, the first text column for For serves.
    if (s.fromColumns.isEmpty() && !s.forColumns.isEmpty())
        s.fromColumns.append(s.forColumns.takeFirst());
    if (s.fromColumns.isEmpty() && s.forColumns.isEmpty() && s.memoColumns.isEmpty()) {
        for (int i = 0; i < texts.size(); ++i)
            (i == 0 ? s.fromColumns : i == 1 ? s.forColumns : s.memoColumns).append(texts.at(i));
    }
    return g;
}
