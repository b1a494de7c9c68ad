#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <string>
#include <vector>

struct sqlite3;

// A LIKE pattern that ignores case for every letter, not only A to Z: two characters are equal when
// Qt folds them to the same character ("MÜLLER" matches "Müller", "école" matches "ÉCOLE"). As in
// SQL, % stands for any run of characters and _ for exactly one; an escape character, when given,
// makes the next character of the pattern literal.
//
// The program's connections replace the engine's own LIKE (which folds only A to Z) with this one,
// so every statement that says LIKE matches so, and the text search can narrow its candidates
// through the trigram indexes first (trigramQuery).
class TTextPattern
{
public:
    explicit TTextPattern(QStringView pattern, char32_t escape = 0);
    static TTextPattern fromUtf8(QByteArrayView pattern, char32_t escape = 0);

    bool matches(QStringView text) const;
    bool matches(QByteArrayView utf8) const;

    // A full-text query over trigrams of exact (unfolded) text that every text matching the pattern
    // satisfies: for a few trigrams of each literal run of three or more characters, any of its
    // spellings in other cases. Empty when the pattern has no such run, so no index can narrow it.
    QString trigramQuery() const;

    // The character `c` folds to, and every character that folds to the same one (`c` among them).
    static char32_t fold(char32_t c);
    static std::u32string caseVariants(char32_t c);

    // Replaces like(X, Y) and like(X, Y, Z) on the connection. Returns the engine's result code.
    static int registerLike(sqlite3* db);

private:
    TTextPattern() = default;

    // The pattern as folded characters; AnyRun (%) and AnyOne (_) lie outside Unicode's range.
    static constexpr char32_t AnyRun = 0x110000;
    static constexpr char32_t AnyOne = 0x110001;
    std::u32string m_items;
    bool m_matchesNothing = false;
    bool m_substring = false;
};
