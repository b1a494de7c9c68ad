#include "FuzzTargets.h"

#include "bookings/TAmountInput.h"
#include "data/Currency.h"
#include "data/TDM.h"
#include "data/TLedgerQuery.h"
#include "data/TSchema.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

namespace {

[[noreturn]] void violated(const char* what, const QString& input)
{
    std::fprintf(stderr, "PROPERTY VIOLATED: %s\ninput: \"%s\"\n", what, input.toUtf8().constData());
    std::abort();
}

const char* const Locales[] = {"C", "en_US", "de_DE", "fr_FR", "ar_EG", "fa_IR", "hi_IN", "de_CH"};

// The value of a plain decimal text ([sign] digits [. digits] [e [sign] digits], point as the
// separator) in ten-thousandths, rounded half to even, worked out on the digits as text; no value
// for another form or outside the range. `known` is false for a form it does not judge.
std::optional<std::int64_t> referenceValue(const QString& text, bool& known)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*([+-]?)([0-9]*)(?:\\.([0-9]*))?(?:[eE]([+-]?[0-9]{1,6}))?\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    known = m.hasMatch() && (m.capturedLength(2) + m.capturedLength(3) > 0);
    if (!known)
        return std::nullopt;
    QString digits = m.captured(2) + m.captured(3);
    long long point = m.capturedLength(2) + m.captured(4).toLongLong() + 4; // digits before the point of value*10^4
    while (!digits.isEmpty() && digits.front() == u'0') {
        digits.remove(0, 1);
        --point;
    }
    if (digits.isEmpty())
        return 0;
    if (point > 20)
        return std::nullopt;
    QString whole = point > 0 ? digits.left(point) : QString();
    while (whole.size() < point)
        whole += u'0';
    const QString rest = point >= 0 ? digits.mid(point) : QString(-point, u'0') + digits;
    __int128 value = 0;
    for (QChar c : whole)
        value = value * 10 + (c.unicode() - u'0');
    if (!rest.isEmpty()) {
        const bool beyond = rest.mid(1).contains(QRegularExpression(QStringLiteral("[1-9]")));
        const int first = rest.front().unicode() - u'0';
        if (first > 5 || (first == 5 && (beyond || value % 2 != 0)))
            ++value;
    }
    if (m.captured(1) == QStringLiteral("-"))
        value = -value;
    if (value > INT64_MAX || value < INT64_MIN)
        return std::nullopt;
    return std::int64_t(value);
}

// --- the ledger's database ---

struct Booking
{
    int kind; // ledger kind of its first row: 0 deposit, 1 debit, 2 transfer (rows 2 and 3)
    qint32 id;
    QString from, forText, memo;
};

std::vector<Booking> g_bookings;
std::unique_ptr<QTemporaryDir> g_dir;
std::unique_ptr<TDM> g_dm;

const QStringList Texts{
    QStringLiteral("Müller"),          QStringLiteral("MÜLLER & Söhne"), QStringLiteral("100% sure"),
    QStringLiteral("a_b_c"),           QStringLiteral("O'Brien"),        QStringLiteral("back\\slash"),
    QStringLiteral("école"),           QStringLiteral("ÉCOLE"),          QStringLiteral("€ 5,00"),
    QStringLiteral("\U0001F4B6"),      QStringLiteral("ǅungla ǆ"),       QStringLiteral("straße STRASSE"),
    QStringLiteral("ΣΊΣΥΦΟΣ σίσυφος"), QStringLiteral("[x] {y} ^$.*+?"), QString()};

void makeDatabase()
{
    g_dir = std::make_unique<QTemporaryDir>();
    const QString path = g_dir->filePath(QStringLiteral("Data.mdb"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fuzzmake"));
        db.setDatabaseName(path);
        db.open();
        TSchema::create(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fuzzmake"));
    g_dm = std::make_unique<TDM>(path, false);
    g_dm->DataModuleCreate();
    g_dm->execute(QStringLiteral("insert into Account (name, type) values ('Bank', 0), ('Purse', 2)"));
    int n = 0;
    for (int i = 0; i < Texts.size(); ++i) {
        for (int kind = 0; kind < 3; ++kind, ++n) {
            Booking b{kind, 0, Texts[i], Texts[(i + 3 + kind) % Texts.size()],
                      Texts[(i + 7 + 2 * kind) % Texts.size()]};
            auto orNull = [](const QString& s) {
                return s.isEmpty() ? QVariant() : QVariant(s);
            };
            if (kind < 2)
                g_dm->execute(QStringLiteral("insert into Detail (type, DestID, Date, [From], Amount, [For], Memo)"
                                             " values (?, 1, '2026-01-01 10:00:00', ?, 10000, ?, ?)"),
                              {kind, orNull(b.from), orNull(b.forText), orNull(b.memo)});
            else
                g_dm->execute(
                    QStringLiteral("insert into Transfer (SourceID, DestID, Date, [From], Amount, [For], Memo)"
                                   " values (1, 2, '2026-01-01 10:00:00', ?, 10000, ?, ?)"),
                    {orNull(b.from), orNull(b.forText), orNull(b.memo)});
            QSqlQuery q = g_dm->select(QStringLiteral("select last_insert_rowid()"));
            q.next();
            b.id = q.value(0).toInt();
            g_bookings.push_back(b);
        }
    }
}

// LIKE over code points: % any run, _ any one character; `fold` makes two characters equal.
template <class Fold>
bool like(const std::vector<char32_t>& p, const std::vector<char32_t>& s, Fold fold)
{
    // match[j]: the pattern so far matches the first j characters of s.
    std::vector<char> match(s.size() + 1, 0);
    match[0] = 1;
    for (char32_t pc : p) {
        std::vector<char> next(s.size() + 1, 0);
        if (pc == U'%') {
            char any = 0;
            for (std::size_t j = 0; j <= s.size(); ++j) {
                any = any || match[j];
                next[j] = any;
            }
        } else {
            for (std::size_t j = 0; j < s.size(); ++j) {
                if (match[j] && (pc == U'_' || fold(pc) == fold(s[j])))
                    next[j + 1] = 1;
            }
        }
        match.swap(next);
    }
    return match[s.size()];
}

std::vector<char32_t> codePoints(const QString& text, bool toNul)
{
    QString t = text;
    if (toNul && t.contains(QChar(0)))
        t.truncate(t.indexOf(QChar(0)));
    const QList<uint> ucs4 = t.toUcs4();
    return std::vector<char32_t>(ucs4.begin(), ucs4.end());
}

char32_t asciiFold(char32_t c)
{
    return c >= U'A' && c <= U'Z' ? c + 32 : c;
}

char32_t anyFold(char32_t c)
{
    return QChar::toCaseFolded(QChar::toLower(c));
}

// Whether `value` contains `text` as the ledger's criteria mean it: strictly (every character as
// itself but A-Z) or loosely (every letter folded, and the engine's reading up to a NUL).
bool contains(const QString& value, const QString& text, bool loose)
{
    if (value.isEmpty())
        return false; // stored as NULL, which no LIKE matches
    const QString pattern = QStringLiteral("%") + text + QStringLiteral("%");
    if (!loose)
        return like(codePoints(pattern, false), codePoints(value, false), asciiFold);
    if (like(codePoints(pattern, false), codePoints(value, false), anyFold))
        return true;
    return like(codePoints(pattern, true), codePoints(value, true), anyFold);
}

} // namespace

namespace FuzzTargets {

void initialize()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    (void)app;
    if (!g_dm) {
        makeDatabase();
        // Before the engine's own objects go at exit.
        std::atexit([] {
            g_dm.reset();
            g_dir.reset();
        });
    }
}

void currency(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return;
    const QLocale locale(QString::fromLatin1(Locales[data[0] % std::size(Locales)]));
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    bool rounded = false;
    const std::optional<Currency> value = Currency::parse(text, locale, &rounded);
    if (locale.decimalPoint() == QStringLiteral(".") && locale.negativeSign() == QStringLiteral("-")) {
        bool known = false;
        const std::optional<std::int64_t> expected = referenceValue(text, known);
        if (known && (value.has_value() != expected.has_value() || (value && value->raw() != *expected)))
            violated("the parser's value differs from the digits' own", text);
    }
    if (value) {
        const QString plain = value->toPlainString(locale);
        bool again = true;
        const std::optional<Currency> back = Currency::parse(plain, locale, &again);
        if (!back || *back != *value || again)
            violated("a parsed amount does not print back to itself", text);
        if (Currency::parse(QStringLiteral(" \t") + text + QStringLiteral(" "), locale) != value)
            violated("blanks around an amount change it", text);
        if (value->toMoneyString(locale).isEmpty() || value->toFixed2().isEmpty())
            violated("an amount prints as nothing", text);
    }
    // Grouping accepted takes every amount taken without it, at the same value.
    bool groupedRounded = false;
    const std::optional<Currency> grouped =
        Currency::parse(text, locale, &groupedRounded, Currency::Grouping::Accepted);
    if (value && (grouped != value || groupedRounded != rounded))
        violated("grouping accepted changes an amount without groups", text);
    const TAmountInput::Result typed = TAmountInput::read(text, locale);
    const bool accepted = typed.status == TAmountInput::Status::Ok || typed.status == TAmountInput::Status::NotPositive;
    if (accepted != (grouped && !groupedRounded) || (accepted && typed.value != *grouped))
        violated("the typed amount disagrees with the parser", text);
    if (typed.status == TAmountInput::Status::Ok && typed.value <= Currency())
        violated("a typed amount of 0 or less is taken", text);

    // Any raw value prints and parses back to itself.
    if (size >= 9) {
        std::int64_t raw = 0;
        std::memcpy(&raw, data + 1, sizeof raw);
        const Currency c = Currency::fromRaw(raw);
        if (Currency::parse(c.toPlainString(locale), locale) != c)
            violated("a currency value does not parse back from its own text", c.toPlainString(locale));
    }
}

void ledgerText(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return;
    // The first byte chooses the criteria; the rest, split at byte 0x01, gives their texts.
    const int which = data[0] & 7;
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)).split('\x01');
    const QString anyText = QString::fromUtf8(parts.value(0));
    const QString fromText = QString::fromUtf8(parts.value(1));
    const QString memoText = QString::fromUtf8(parts.value(2));
    const QString input = QStringLiteral("%1 | %2 | %3 | %4").arg(which).arg(anyText, fromText, memoText);

    TLedgerQuery query;
    if (which & 1)
        query.addText(anyText);
    if (which & 2)
        query.addFromText(fromText);
    if (which & 4)
        query.addMemoText(memoText);
    TRowSet rows;
    try {
        rows = query.open();
    } catch (const std::exception& e) {
        violated(e.what(), input);
    }
    std::set<std::pair<int, qint32>> found;
    for (int r = 0; r < rows.rowCount(); ++r)
        found.insert({int(rows.number(r, TLedgerQuery::Type)), qint32(rows.number(r, TLedgerQuery::Id))});

    for (const Booking& b : g_bookings) {
        auto matches = [&](bool loose) {
            if ((which & 1) && !anyText.isEmpty() &&
                !(contains(b.from, anyText, loose) || contains(b.forText, anyText, loose) ||
                  contains(b.memo, anyText, loose)))
                return false;
            if ((which & 2) && !fromText.isEmpty() && !contains(b.from, fromText, loose))
                return false;
            if ((which & 4) && !memoText.isEmpty() && !contains(b.memo, memoText, loose))
                return false;
            return true;
        };
        const bool strict = matches(false);
        const bool loose = matches(true);
        const std::vector<int> kinds = b.kind < 2 ? std::vector<int>{b.kind} : std::vector<int>{2, 3};
        for (int kind : kinds) {
            const bool listed = found.count({kind, b.id}) > 0;
            if (strict && !listed)
                violated("a booking that holds the text is not found", input);
            if (listed && !loose)
                violated("a booking that does not hold the text is found", input);
        }
    }
}

} // namespace FuzzTargets
