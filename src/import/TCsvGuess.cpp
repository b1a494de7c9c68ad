#include "import/TCsvGuess.h"

#include "import/TBalanceProof.h"
#include "import/TCsvReader.h"
#include "import/TCsvTokenizer.h"
#include "import/TImportWords.h"

#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace {

using Title = TImportWords::Title;
using Values = QList<std::optional<Currency>>;

// A long file is looked at in its head and its tail only.
constexpr int HeadRecords = 1000;
constexpr qsizetype TailChars = 64 * 1024;
constexpr int DelimiterRecords = 200;
constexpr int HeadRows = 300; // transactions whose columns are looked at, in a row
constexpr int TailRows = 50;

// A record of the file with the place it came from.
struct Record
{
    QStringList fields;
    int line = 0;
    int lastLine = 0;
    bool blank = false;
};

QList<Record> recordsOf(QStringView text, QChar delimiter, int firstLine, int limit = -1)
{
    QList<Record> out;
    TCsvTokenizer tokenizer(text, delimiter, firstLine);
    TCsvRecord r;
    while ((limit < 0 || out.size() < limit) && tokenizer.next(r)) {
        if (!r.error.isEmpty())
            continue;
        out.append({r.fields, r.line, r.lastLine, r.isBlank()});
    }
    return out;
}

bool isDate(const QString& t)
{
    return TImportDate::parse(t, TDateOrder::DayMonthYear) || TImportDate::parse(t, TDateOrder::MonthDayYear) ||
           TImportDate::parse(t, TDateOrder::YearMonthDay);
}

// A number in either notation, for telling titles from values before the notation is known.
bool looksLikeNumber(const QString& t)
{
    static const TAmountFormat point{u'.', u','};
    static const TAmountFormat comma{u',', u'.'};
    return point.parse(t) || comma.parse(t);
}

// "DE89370400440532013000", "NL91 ABNA 0417 1643 00": an account number.
bool looksLikeIban(const QString& t)
{
    QString s = t;
    s.remove(u' ');
    if (s.size() < 15 || s.size() > 34 || !s.at(0).isUpper() || !s.at(1).isUpper() || !s.at(2).isDigit() ||
        !s.at(3).isDigit())
        return false;
    return std::all_of(s.cbegin(), s.cend(), [](QChar c) { return c.isDigit() || (c >= u'A' && c <= u'Z'); });
}

bool isCurrencyCode(const QString& t)
{
    return t.size() == 3 && std::all_of(t.cbegin(), t.cend(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

struct Column
{
    int filled = 0;
    int numbers = 0;  // values that are amounts
    int decimals = 0; // of them, with a decimal separator
    int dates = 0;
    int negatives = 0;
    int nonZero = 0;
    int ibans = 0;
    int codes = 0; // currency codes
    bool constant = true;
    QString first;
    QStringList distinct; // folded, the first few
    Values values;        // per row of the head, parsed as amounts
};

// A column of amounts, where a broken line or two (a text amount) does not make it text.
bool mostlyNumbers(const Column& col)
{
    return col.numbers > 0 && col.numbers * 20 >= col.filled * 19;
}

bool isText(const Column& col)
{
    return col.filled > 0 && !mostlyNumbers(col) && col.dates < col.filled;
}

// One reading of the money of each row, to be tried against the candidate balances.
struct Reading
{
    enum Kind
    {
        Signed, // one column
        Pair,   // money paid out in `a`, received in `b`
        WithFee // `a` less the fee in `b`
    } kind = Signed;
    int a = -1;
    int b = -1;
    Values values;
    bool magnitudes = false; // the amounts have no sign: only their sizes can be compared
};

struct Proof
{
    Reading reading;
    int balance = -1;
    bool reversed = false;
    int matches = 0;
    int covered = 0; // rows with money in the reading
};

} // namespace

TCsvGuess TCsvGuess::from(const QByteArray& bytes)
{
    TCsvGuess g;
    TCsvSettings& s = g.settings;
    const QString whole = TTextEncoding::decode(bytes, TTextEncoding::Kind::Auto, &s.encoding);
    // The delimiter that gives the most records the same number (two or more) of fields.
    int bestScore = 0;
    for (QChar d : {u';', u',', u'\t', u'|'}) {
        QMap<int, int> counts;
        for (const Record& r : recordsOf(whole, d, 1, DelimiterRecords)) {
            if (!r.blank)
                ++counts[static_cast<int>(r.fields.size())];
        }
        // The most common width of two or more, weighed by its width: a delimiter found inside
        // amounts ("12,50") splits many lines in two, the right one fewer lines in many fields.
        int score = 0, modal = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.key() >= 2 && it.value() >= modal) {
                modal = it.value();
                score = it.value() * (it.key() - 1);
            }
        }
        if (score > bestScore) {
            bestScore = score;
            s.delimiter = d;
        }
    }
    if (bestScore == 0)
        return g;

    // The head of the file, and its tail where the head does not reach the end.
    QList<Record> records = recordsOf(whole, s.delimiter, 1, HeadRecords);
    if (records.size() == HeadRecords) {
        qsizetype from = std::max<qsizetype>(1, whole.size() - TailChars);
        while (from < whole.size() && whole.at(from - 1) != u'\n' && whole.at(from - 1) != u'\r')
            ++from;
        const int headEnd = records.back().lastLine;
        for (const Record& r : recordsOf(QStringView(whole).mid(from), s.delimiter,
                                         1 + TCsvTokenizer::lineEnds(QStringView(whole).left(from)))) {
            if (r.line > headEnd)
                records.append(r);
        }
    }
    int width = 0;
    for (const Record& r : records)
        width = std::max(width, static_cast<int>(r.fields.size()));

    // The first column of dates (a booking day before a value day), even where a broken date or two
    // leaves it a few short of another.
    // The statement's balance lines ("Kontostand;31.10.2024;...") have their dates elsewhere.
    auto balanceWords = [](const Record& r, bool strongOnly) {
        return std::any_of(r.fields.cbegin(), r.fields.cend(), [strongOnly](const QString& f) {
            bool strong = false;
            return TImportWords::balanceLineOf(f, &strong) != TImportWords::BalanceLine::None &&
                   (strong || !strongOnly);
        });
    };
    // Only records of the body's width count: a preamble of two fields ("Zeitraum;01.12.2023 -
    // 04.01.2024") has its dates elsewhere.
    QList<int> hits(width);
    for (const Record& r : records) {
        if (r.fields.size() < std::max(2, width / 2) || balanceWords(r, false))
            continue;
        for (int c = 0; c < r.fields.size(); ++c)
            hits[c] += isDate(r.fields.at(c)) ? 1 : 0;
    }
    const int bestDates = width > 0 ? *std::max_element(hits.cbegin(), hits.cend()) : 0;
    if (bestDates == 0)
        return g;
    for (int c = width - 1; c >= 0; --c) {
        if (hits.at(c) * 20 >= bestDates * 19)
            s.dateColumn = c;
    }
    g.found = true;

    // The transactions: records with a date in the date column, but for the statement's own dated
    // balance and turnover lines.
    QList<qsizetype> data;
    QStringList dates;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const Record& r = records.at(i);
        if (s.dateColumn < r.fields.size() && isDate(r.fields.at(s.dateColumn)) && !balanceWords(r, true)) {
            data.append(i);
            dates.append(r.fields.at(s.dateColumn));
        }
    }
    if (data.isEmpty())
        return g;
    const qsizetype first = data.front();

    // The column titles: the last record before the transactions whose fields are all texts, with
    // fields enough for titles.
    for (qsizetype i = first - 1; i >= 0; --i) {
        const Record& r = records.at(i);
        if (r.blank)
            continue;
        int texts = 0;
        bool allText = true;
        for (const QString& f : r.fields) {
            const QString t = f.trimmed();
            if (t.isEmpty())
                continue;
            if (looksLikeNumber(t) || isDate(t)) {
                allText = false;
                break;
            }
            ++texts;
        }
        if (allText && texts >= std::max(2, (width + 1) / 2)) {
            s.hasTitles = true;
            g.titles = r.fields;
            for (QString& t : g.titles)
                t = t.trimmed();
            s.skipTop = r.lastLine;
            break;
        }
    }
    if (!s.hasTitles)
        s.skipTop = records.at(first).line - 1;

    // Where the dates fit more than one order, the one under which they lie closest together (a
    // statement spans days or weeks, not months), else month first for a comma-separated file with
    // slashes, as American banks write them, else day first.
    const QList<TDateOrder> orders = TImportDate::fittingOrders(dates);
    g.dateOrderAmbiguous = orders.size() > 1;
    const bool monthFirstHint = dates.front().contains(u'/') && s.delimiter == u',';
    qint64 bestSpan = -1;
    for (TDateOrder o :
         monthFirstHint
             ? QList<TDateOrder>{TDateOrder::MonthDayYear, TDateOrder::DayMonthYear, TDateOrder::YearMonthDay}
             : QList<TDateOrder>{TDateOrder::DayMonthYear, TDateOrder::MonthDayYear, TDateOrder::YearMonthDay}) {
        if (!orders.contains(o))
            continue;
        QDate oldest, newest;
        for (const QString& d : dates) {
            if (const std::optional<QDate> day = TImportDate::parse(d, o)) {
                oldest = !oldest.isValid() || *day < oldest ? *day : oldest;
                newest = !newest.isValid() || *day > newest ? *day : newest;
            }
        }
        const qint64 span = oldest.isValid() ? oldest.daysTo(newest) : 0;
        if (bestSpan < 0 || span < bestSpan) {
            bestSpan = span;
            s.dateOrder = o;
        }
    }

    // The rows looked at: the first ones in a row (for the balance), and the last few.
    QList<qsizetype> rows = data.mid(0, HeadRows);
    const qsizetype headRows = rows.size();
    for (qsizetype i = std::max(headRows, data.size() - TailRows); i < data.size(); ++i)
        rows.append(data.at(i));
    QStringList samples;
    for (qsizetype i : rows) {
        const QStringList& f = records.at(i).fields;
        for (int c = 0; c < f.size(); ++c) {
            if (c != s.dateColumn)
                samples.append(f.at(c));
        }
    }
    s.amountFormat = TAmountFormat::guess(samples, s.delimiter);

    QList<Column> cols(width);
    for (qsizetype k = 0; k < rows.size(); ++k) {
        const QStringList& f = records.at(rows.at(k)).fields;
        for (int c = 0; c < width; ++c) {
            Column& col = cols[c];
            const QString v = f.value(c).trimmed();
            const std::optional<Currency> amount = v.isEmpty() ? std::nullopt : s.amountFormat.parse(v);
            if (k < headRows)
                col.values.append(amount);
            if (v.isEmpty())
                continue;
            if (col.filled++ == 0)
                col.first = v;
            else if (v != col.first)
                col.constant = false;
            if (amount) {
                ++col.numbers;
                col.decimals += v.contains(s.amountFormat.decimal) ? 1 : 0;
                col.negatives += amount->isNegative() ? 1 : 0;
                col.nonZero += amount->isZero() ? 0 : 1;
            }
            col.dates += TImportDate::parse(v, s.dateOrder) ? 1 : 0;
            col.ibans += looksLikeIban(v) ? 1 : 0;
            col.codes += isCurrencyCode(v) ? 1 : 0;
            const QString folded = v.toCaseFolded();
            if (col.distinct.size() <= 8 && !col.distinct.contains(folded))
                col.distinct.append(folded);
        }
    }
    const int n = static_cast<int>(rows.size());
    auto titled = [&](int c, Title use) {
        return c < g.titles.size() && TImportWords::titleIs(g.titles.at(c), use);
    };

    // Columns of amounts: numbers, not dates, not zero on every row; where some have decimals, the
    // whole numbers beside them are counts, ids or account numbers.
    QList<int> amounts;
    for (int c = 0; c < width; ++c) {
        const Column& col = cols[c];
        if (c != s.dateColumn && col.dates < col.filled && col.nonZero > 0 && mostlyNumbers(col))
            amounts.append(c);
    }
    if (amounts.isEmpty()) {
        // A short file with a broken amount: the column where most values are amounts.
        for (int c = 0; c < width; ++c) {
            const Column& col = cols[c];
            if (c != s.dateColumn && col.dates < col.filled && col.nonZero > 0 && col.numbers * 2 > col.filled)
                amounts.append(c);
        }
    }
    if (std::any_of(amounts.cbegin(), amounts.cend(), [&](int c) { return cols[c].decimals > 0; }))
        amounts.removeIf([&](int c) { return cols[c].decimals == 0; });

    // What the columns hold proves which is the balance: its steps are another column's amounts.
    QList<Reading> readings;
    for (int a : amounts)
        readings.append({Reading::Signed, a, -1, cols[a].values, cols[a].negatives == 0});
    for (int a : amounts) {
        for (int b : amounts) {
            if (a == b)
                continue;
            const Column &out = cols[a], &in = cols[b];
            Values v;
            bool apart = true;
            for (qsizetype k = 0; k < out.values.size() && apart; ++k) {
                const Currency o = out.values.at(k).value_or(Currency()), i = in.values.at(k).value_or(Currency());
                apart = o.isZero() || i.isZero();
                v.append(o.isZero() && i.isZero()
                             ? std::nullopt
                             : std::optional<Currency>((i.isNegative() ? -i : i) - (o.isNegative() ? -o : o)));
            }
            if (apart)
                readings.append({Reading::Pair, a, b, v, false});
        }
    }
    for (int a : amounts) {
        for (int fee = 0; fee < width; ++fee) {
            if (fee == a || fee == s.dateColumn || !mostlyNumbers(cols[fee]) || cols[fee].nonZero == 0)
                continue;
            Values v;
            for (qsizetype k = 0; k < cols[a].values.size(); ++k) {
                const auto x = cols[a].values.at(k);
                const Currency f = cols[fee].values.at(k).value_or(Currency());
                v.append(x ? std::optional<Currency>(*x - (f.isNegative() ? -f : f)) : std::nullopt);
            }
            readings.append({Reading::WithFee, a, fee, v, false});
        }
    }
    std::optional<Proof> proof;
    for (const Reading& r : readings) {
        for (int b = 0; b < width; ++b) {
            if (b == r.a || b == r.b || b == s.dateColumn || !mostlyNumbers(cols[b]))
                continue;
            for (bool reversed : {false, true}) {
                int steps = 0;
                const int matches =
                    TBalanceProof::matchingSteps(r.values, cols[b].values, reversed, r.magnitudes, &steps);
                // The most steps proven, and among equals the reading with money on the most rows: a
                // column of money received alone proves the steps between two deposits, as the pair
                // of it and the column of money paid out does.
                const int covered = static_cast<int>(
                    std::count_if(r.values.cbegin(), r.values.cend(), [](const auto& v) { return v.has_value(); }));
                // Nearly every step: a statement may hold a misprint, which the proof then marks.
                const bool proven = matches * 10 >= steps * 9 || (steps >= 3 && matches == steps - 1);
                if (steps > 0 && proven &&
                    (!proof || std::pair(matches, covered) > std::pair(proof->matches, proof->covered)))
                    proof = Proof{r, b, reversed, matches, covered};
            }
        }
    }

    QSet<int> used = {s.dateColumn};
    auto use = [&](int c) {
        used.insert(c);
    };
    bool needsDirection = false;
    QList<int> stepSigns; // per head row: the sign of the balance's step it makes, where known
    if (proof) {
        s.balanceColumn = proof->balance;
        use(proof->balance);
        const Reading& r = proof->reading;
        if (r.kind == Reading::Pair) {
            s.amountMode = TCsvSettings::AmountMode::DebitCredit;
            s.debitColumn = r.a;
            s.creditColumn = r.b;
            use(r.a);
            use(r.b);
        } else {
            s.amountColumn = r.a;
            use(r.a);
            if (r.kind == Reading::WithFee) {
                s.feeColumn = r.b;
                use(r.b);
            }
            needsDirection = r.magnitudes;
        }
        // The sign of each row's amount, as the balance shows it.
        const Values& balances = cols[proof->balance].values;
        stepSigns.fill(0, balances.size());
        for (qsizetype i = 1; i < balances.size(); ++i) {
            if (!balances.at(i) || !balances.at(i - 1))
                continue;
            const Currency step = *balances.at(i) - *balances.at(i - 1);
            const qsizetype moved = proof->reversed ? i - 1 : i;
            stepSigns[moved] = proof->reversed ? (step.isNegative() ? 1
                                                  : step.isZero()   ? 0
                                                                    : -1)
                                               : (step.isNegative() ? -1
                                                  : step.isZero()   ? 0
                                                                    : 1);
        }
    } else {
        // A balance the amounts do not prove (a balance of today on every row, say) is no amount,
        // but it is not taken to check them either.
        for (int c : amounts) {
            if (titled(c, Title::Balance) || titled(c, Title::Fee))
                use(c);
        }
        amounts.removeIf([&](int c) { return used.contains(c); });
        auto full = [&](int c) {
            return cols[c].filled == n;
        };
        auto isAmountTitle = [&](int c) {
            return titled(c, Title::Amount) && !titled(c, Title::PaidOut) && !titled(c, Title::Received);
        };
        int debit = -1, credit = -1, signedColumn = -1;
        for (int c : amounts) {
            if (debit < 0 && titled(c, Title::PaidOut) && !titled(c, Title::Received))
                debit = c;
            else if (credit < 0 && titled(c, Title::Received) && !titled(c, Title::PaidOut))
                credit = c;
        }
        if (debit < 0 || credit < 0)
            debit = credit = -1;
        for (int c : amounts) {
            if (isAmountTitle(c) && full(c)) {
                signedColumn = c;
                break;
            }
        }
        if (signedColumn < 0 && debit < 0) {
            for (int c : amounts) {
                if (isAmountTitle(c)) {
                    signedColumn = c;
                    break;
                }
            }
        }
        if (signedColumn < 0 && debit < 0) {
            // Untitled: a full column with money going both ways, else the first full one.
            for (int c : amounts) {
                if (full(c) && cols[c].negatives > 0) {
                    signedColumn = c;
                    break;
                }
            }
            for (int c : amounts) {
                if (signedColumn < 0 && full(c))
                    signedColumn = c;
            }
        }
        if (signedColumn < 0 && debit < 0 && amounts.size() >= 2) {
            debit = amounts.at(0);
            credit = amounts.at(1);
        }
        if (signedColumn >= 0) {
            s.amountColumn = signedColumn;
            use(signedColumn);
            needsDirection = cols[signedColumn].negatives == 0;
        } else if (debit >= 0) {
            s.amountMode = TCsvSettings::AmountMode::DebitCredit;
            s.debitColumn = debit;
            s.creditColumn = credit;
            use(debit);
            use(credit);
        } else if (!amounts.isEmpty()) {
            s.amountColumn = amounts.front();
            use(amounts.front());
        }
    }

    // A column of direction marks, for amounts without a sign: its values as the table knows them,
    // or as the balance's steps show them.
    if (needsDirection) {
        // Of the columns of a few values on every row that tell the two apart, the best: titled so,
        // else all its values known marks, else values that repeat and that the balance tells apart.
        int bestRank = 0;
        for (int c = 0; c < width; ++c) {
            const Column& col = cols[c];
            const bool directionTitle = titled(c, Title::Direction);
            if (used.contains(c) || col.filled != n || col.distinct.size() > 4 || (!isText(col) && !directionTitle))
                continue;
            QHash<QString, int> signOf; // folded value -> -1 paid out, 1 received, 0 both seen
            for (qsizetype k = 0; k < stepSigns.size(); ++k) {
                const QString v = records.at(rows.at(k)).fields.value(c).trimmed().toCaseFolded();
                if (stepSigns.at(k) == 0 || v.isEmpty())
                    continue;
                const auto it = signOf.constFind(v);
                signOf.insert(v, it == signOf.cend() || *it == stepSigns.at(k) ? stepSigns.at(k) : 0);
            }
            QStringList out, in;
            bool allKnown = true, allLearned = true;
            for (const QString& folded : col.distinct) {
                QString spelled = folded; // as the file writes it
                for (qsizetype i : rows) {
                    const QString v = records.at(i).fields.value(c).trimmed();
                    if (v.toCaseFolded() == folded) {
                        spelled = v;
                        break;
                    }
                }
                const TImportWords::Direction d = TImportWords::directionOf(spelled);
                const int tableSign = d == TImportWords::Direction::PaidOut    ? -1
                                      : d == TImportWords::Direction::Received ? 1
                                                                               : 2;
                const int learned = signOf.value(folded, 2);
                allKnown = allKnown && tableSign != 2;
                allLearned = allLearned && (learned == -1 || learned == 1);
                const int sign = learned == -1 || learned == 1 ? learned : tableSign;
                if (sign == -1)
                    out.append(spelled);
                else if (sign == 1)
                    in.append(spelled);
            }
            const bool repeats = col.distinct.size() < col.filled;
            const int rank = directionTitle && !out.isEmpty() && !in.isEmpty()          ? 3
                             : allKnown                                                 ? 2
                             : allLearned && repeats && !out.isEmpty() && !in.isEmpty() ? 1
                                                                                        : 0;
            if (rank > bestRank) {
                bestRank = rank;
                s.directionColumn = c;
                s.paidOutMarks = out.isEmpty() ? QStringList{QStringLiteral("D")} : out;
                s.receivedMarks = in.isEmpty() ? QStringList{QStringLiteral("C")} : in;
            }
        }
        if (s.directionColumn >= 0)
            use(s.directionColumn);
        // No marks, but the balance falls with every row: money paid out is written without a sign.
        if (s.directionColumn < 0 && !stepSigns.isEmpty() &&
            std::none_of(stepSigns.cbegin(), stepSigns.cend(), [](int sign) { return sign > 0; }) &&
            std::any_of(stepSigns.cbegin(), stepSigns.cend(), [](int sign) { return sign < 0; }))
            s.negate = true;
    }

    // A column of the bank's states: most values known as final or not, or titled so.
    for (int c = 0; c < width && s.stateColumn < 0; ++c) {
        const Column& col = cols[c];
        if (used.contains(c) || !isText(col))
            continue;
        int known = 0;
        for (qsizetype i : rows)
            known += TImportWords::stateOf(records.at(i).fields.value(c)) != TImportWords::State::Unknown ? 1 : 0;
        if (known * 5 >= col.filled * 3 || (titled(c, Title::State) && known > 0 && col.distinct.size() <= 8)) {
            s.stateColumn = c;
            use(c);
        }
    }

    // A column titled as the balance that the steps from row to row did not prove (the bank lists a
    // day's rows in another order, or repeats the day's balance on each) checks the amounts only
    // when the proof by days confirms nearly all of them.
    if (s.balanceColumn < 0) {
        for (int c = 0; c < width && s.balanceColumn < 0; ++c) {
            if (c == s.dateColumn || !titled(c, Title::Balance) || !mostlyNumbers(cols[c]) || s.check() != QString())
                continue;
            TStatement head;
            for (qsizetype k = 0; k < headRows; ++k) {
                const QStringList& f = records.at(rows.at(k)).fields;
                QString reason;
                const std::optional<QDate> date = TImportDate::parse(f.value(s.dateColumn), s.dateOrder);
                const std::optional<Currency> amount = TCsvReader::amountOf(f, s, reason);
                const bool pending = s.stateColumn >= 0 &&
                                     TImportWords::stateOf(f.value(s.stateColumn)) == TImportWords::State::NotFinal;
                if (date && amount)
                    head.rows.append({0, *date, *amount, {}, {}, {}, {}, cols[c].values.at(k), {}, pending});
            }
            const TBalanceProof::Result proof = TBalanceProof::check(head);
            if (proof.confirmed > 0 && proof.disagreeing <= std::max(1, (proof.confirmed + proof.disagreeing) / 10)) {
                s.balanceColumn = c;
                use(c);
            }
        }
    }

    // The bank's id: titled so, and different on every row.
    for (int c = 0; c < width && s.idColumn < 0; ++c) {
        if (used.contains(c) || !titled(c, Title::BankId) || cols[c].filled != n)
            continue;
        QSet<QString> seen;
        for (qsizetype i : rows)
            seen.insert(records.at(i).fields.value(c).trimmed());
        if (seen.size() == n) {
            s.idColumn = c;
            use(c);
        }
    }

    // Texts: by their titles, else the first for From, the second for For and the rest for Memo.
    // Columns of currency codes or of direction marks are no texts.
    auto marksOnly = [](const Column& col) {
        return std::all_of(col.distinct.cbegin(), col.distinct.cend(), [](const QString& v) {
            return TImportWords::directionOf(v) != TImportWords::Direction::Unknown;
        });
    };
    QList<int> texts;
    for (int c = 0; c < width; ++c) {
        const Column& col = cols[c];
        if (!used.contains(c) && isText(col) && !(col.constant && col.filled > 1) && col.codes < col.filled &&
            !(marksOnly(col) && col.filled > 1))
            texts.append(c);
    }
    QList<int> accounts;
    for (int c : texts) {
        // "Partner IBAN" and "Saaja/maksja konto" are the other side's account, not its name.
        if (titled(c, Title::PayeeAccount) || (cols[c].ibans * 2 > cols[c].filled && !titled(c, Title::Purpose)))
            accounts.append(c);
        else if (titled(c, Title::Payee))
            s.fromColumns.append(c);
        else if (titled(c, Title::Purpose))
            s.forColumns.append(c);
        else if (titled(c, Title::Memo))
            s.memoColumns.append(c);
    }
    if (s.fromColumns.isEmpty() && s.forColumns.isEmpty() && s.memoColumns.isEmpty() && accounts.isEmpty()) {
        QList<int> named;
        for (int c : texts)
            (cols[c].ibans * 2 > cols[c].filled ? accounts : named).append(c);
        for (int i = 0; i < named.size(); ++i)
            (i == 0 ? s.fromColumns : i == 1 ? s.forColumns : s.memoColumns).append(named.at(i));
    }
    // A booking needs a From: without a column titled so, the first text for For serves, else the
    // other side's account number, else the first memo.
    if (s.fromColumns.isEmpty() && !s.forColumns.isEmpty())
        s.fromColumns.append(s.forColumns.takeFirst());
    (s.fromColumns.isEmpty() ? s.fromColumns : s.memoColumns) += accounts;
    std::sort(s.memoColumns.begin(), s.memoColumns.end());
    if (s.fromColumns.isEmpty() && !s.memoColumns.isEmpty())
        s.fromColumns.append(s.memoColumns.takeFirst());
    return g;
}
