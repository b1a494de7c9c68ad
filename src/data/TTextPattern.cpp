#include "data/TTextPattern.h"

#include <QChar>
#include <QStringList>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

namespace {

// The most trigrams one pattern puts into an index query: enough to narrow the candidates well,
// few enough that the index answers at once.
constexpr int MaxTrigrams = 8;

// Code points of UTF-8 text; a malformed byte reads as U+FFFD and is skipped over alone.
template <class Sink>
void decodeUtf8(QByteArrayView utf8, Sink&& sink)
{
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = p + utf8.size();
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            sink(char32_t(b));
            ++p;
            continue;
        }
        int extra = b >= 0xF0 && b < 0xF8 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
        char32_t c = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : b & 0x1F;
        if (extra < 0 || end - p <= extra) {
            sink(char32_t(0xFFFD));
            ++p;
            continue;
        }
        bool ok = true;
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (p[i] & 0x3F);
        }
        if (!ok) {
            sink(char32_t(0xFFFD));
            ++p;
            continue;
        }
        sink(c);
        p += extra + 1;
    }
}

constexpr std::array<char32_t, 128> AsciiFolds = [] {
    std::array<char32_t, 128> a{};
    for (char32_t c = 0; c < 128; ++c)
        a[c] = c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    return a;
}();

// Every character that folds to another one, grouped by what it folds to. Built once, on first use.
const std::unordered_map<char32_t, std::u32string>& foldClasses()
{
    static const std::unordered_map<char32_t, std::u32string> classes = [] {
        std::unordered_map<char32_t, std::u32string> map;
        for (char32_t c = 0; c <= 0x10FFFF; ++c) {
            const char32_t f = QChar::toCaseFolded(c);
            if (f != c)
                map[f].push_back(c);
        }
        return map;
    }();
    return classes;
}

QString quoted(const std::u32string& trigram)
{
    QString text = QString::fromUcs4(trigram.data(), qsizetype(trigram.size()));
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

// One trigram in every spelling: the product of its characters' case variants.
QString anySpelling(const std::u32string& trigram)
{
    std::vector<std::u32string> spellings{std::u32string()};
    for (char32_t c : trigram) {
        std::vector<std::u32string> next;
        for (const std::u32string& head : spellings) {
            for (char32_t v : TTextPattern::caseVariants(c))
                next.push_back(head + v);
        }
        spellings = std::move(next);
    }
    QStringList terms;
    for (const std::u32string& s : spellings)
        terms << quoted(s);
    return u'(' + terms.join(QStringLiteral(" OR ")) + u')';
}

struct CompiledLike
{
    TTextPattern pattern;
    char32_t escape;
};

void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    // As the engine's own LIKE in this build: a blob matches nothing.
    for (int i = 0; i < 2; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_BLOB) {
            sqlite3_result_int(context, 0);
            return;
        }
    }
    const auto* pattern = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int patternBytes = sqlite3_value_bytes(argv[0]);
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    const int textBytes = sqlite3_value_bytes(argv[1]);
    char32_t escape = 0;
    if (argc == 3) {
        const auto* e = reinterpret_cast<const char*>(sqlite3_value_text(argv[2]));
        if (e == nullptr)
            return;
        std::u32string chars;
        decodeUtf8(QByteArrayView(e, sqlite3_value_bytes(argv[2])), [&chars](char32_t c) { chars.push_back(c); });
        if (chars.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = chars.front();
    }
    if (pattern == nullptr || text == nullptr)
        return; // NULL, as the engine's LIKE gives

    // A pattern made of literals and bound values stays the same for the whole statement: it is
    // compiled once and kept with the statement.
    const auto* kept = static_cast<const CompiledLike*>(sqlite3_get_auxdata(context, 0));
    if (kept != nullptr && kept->escape == escape) {
        sqlite3_result_int(context, kept->pattern.matches(QByteArrayView(text, textBytes)) ? 1 : 0);
        return;
    }
    auto* compiled = new CompiledLike{TTextPattern::fromUtf8(QByteArrayView(pattern, patternBytes), escape), escape};
    sqlite3_result_int(context, compiled->pattern.matches(QByteArrayView(text, textBytes)) ? 1 : 0);
    // The engine keeps it with the statement, or deletes it at once when the pattern is not constant.
    sqlite3_set_auxdata(context, 0, compiled, [](void* p) { delete static_cast<CompiledLike*>(p); });
}

} // namespace

TTextPattern::TTextPattern(QStringView pattern, char32_t escape)
{
    bool escaped = false;
    for (char32_t c : pattern.toUcs4()) {
        if (escaped) {
            m_items.push_back(fold(c));
            escaped = false;
        } else if (escape != 0 && c == escape) {
            escaped = true;
        } else if (c == U'%') {
            m_items.push_back(AnyRun);
        } else if (c == U'_') {
            m_items.push_back(AnyOne);
        } else {
            m_items.push_back(fold(c));
        }
    }
    // An escape character with nothing after it, as in SQL, lets the pattern match nothing.
    m_matchesNothing = escaped;
    // The search box's pattern: text anywhere, %text%, with no wildcard inside.
    m_substring =
        m_items.size() >= 2 && m_items.front() == AnyRun && m_items.back() == AnyRun &&
        std::none_of(m_items.begin() + 1, m_items.end() - 1, [](char32_t c) { return c == AnyRun || c == AnyOne; });
}

TTextPattern TTextPattern::fromUtf8(QByteArrayView pattern, char32_t escape)
{
    return TTextPattern(QString::fromUtf8(pattern), escape);
}

char32_t TTextPattern::fold(char32_t c)
{
    return c < 128 ? AsciiFolds[c] : QChar::toCaseFolded(c);
}

std::u32string TTextPattern::caseVariants(char32_t c)
{
    const char32_t f = fold(c);
    std::u32string variants(1, f);
    const auto& classes = foldClasses();
    if (const auto it = classes.find(f); it != classes.end())
        variants += it->second;
    return variants;
}

bool TTextPattern::matches(QStringView text) const
{
    return matches(QByteArrayView(text.toUtf8()));
}

bool TTextPattern::matches(QByteArrayView utf8) const
{
    if (m_matchesNothing)
        return false;
    // The text, folded; a text has no more characters than bytes.
    std::array<char32_t, 256> local;
    std::u32string heap;
    char32_t* text = local.data();
    if (utf8.size() > qsizetype(local.size())) {
        heap.resize(utf8.size());
        text = heap.data();
    }
    std::size_t n = 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    qsizetype ascii = 0;
    while (ascii < utf8.size() && bytes[ascii] < 0x80) {
        text[n++] = AsciiFolds[bytes[ascii]];
        ++ascii;
    }
    if (ascii < utf8.size())
        decodeUtf8(utf8.sliced(ascii), [text, &n](char32_t c) { text[n++] = fold(c); });
    const std::u32string_view folded(text, n);

    if (m_substring)
        return folded.find(std::u32string_view(m_items).substr(1, m_items.size() - 2)) != std::u32string_view::npos;

    // Wildcard matching with one point to return to: the last % seen and the text position it
    // has consumed up to. Linear in practice, and never worse than pattern times text.
    const std::size_t m = m_items.size();
    std::size_t t = 0;
    std::size_t p = 0;
    std::size_t star = std::u32string::npos;
    std::size_t mark = 0;
    while (t < n) {
        if (p < m && (m_items[p] == AnyOne || m_items[p] == folded[t])) {
            ++p;
            ++t;
        } else if (p < m && m_items[p] == AnyRun) {
            star = p++;
            mark = t;
        } else if (star != std::u32string::npos) {
            p = star + 1;
            t = ++mark;
        } else {
            return false;
        }
    }
    while (p < m && m_items[p] == AnyRun)
        ++p;
    return p == m;
}

QString TTextPattern::trigramQuery() const
{
    if (m_matchesNothing)
        return QString();
    std::vector<std::u32string> trigrams;
    auto takeRun = [&trigrams](const std::u32string& run) {
        if (run.size() < 3 || run.find(U'\0') != std::u32string::npos)
            return;
        // Trigrams side by side cover the run; the last one closes it.
        for (std::size_t i = 0; i + 3 <= run.size(); i += 3)
            trigrams.push_back(run.substr(i, 3));
        if (run.size() % 3 != 0)
            trigrams.push_back(run.substr(run.size() - 3));
    };
    std::u32string run;
    for (char32_t c : m_items) {
        if (c == AnyRun || c == AnyOne) {
            takeRun(run);
            run.clear();
        } else {
            run.push_back(c);
        }
    }
    takeRun(run);
    if (trigrams.size() > std::size_t(MaxTrigrams))
        trigrams.resize(MaxTrigrams);
    QStringList groups;
    for (const std::u32string& trigram : trigrams)
        groups << anySpelling(trigram);
    return groups.join(QStringLiteral(" AND "));
}

int TTextPattern::registerLike(sqlite3* db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    int rc = sqlite3_create_function_v2(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr, nullptr);
    return rc;
}
