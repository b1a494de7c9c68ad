#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

// Windows-1252, the code page a reader of an Excel file that names none takes its 8-bit texts in:
// ASCII, the letters and signs of Latin-1, and in 0x80 to 0x9F the euro sign, typographic quotes and
// dashes and a few letters (Š, Œ, Ž, Ÿ). The C1 control characters have no byte here: Windows leaves
// five of those bytes unassigned and readers differ on what the others mean.
class TWindows1252
{
public:
    // The byte of `c`; 0 when it has none (U+0000 is written by the callers that need it).
    static char byteOf(char16_t c);
    // Whether every character of `utf8` has a byte; a malformed sequence has none.
    static bool fits(QByteArrayView utf8);
    // Appends `utf8` in Windows-1252 to `out`, a character without a byte as "?"; false when there
    // was one.
    static bool appendFromUtf8(QByteArrayView utf8, QByteArray& out);
};
