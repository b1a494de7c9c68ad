#include "history/TWindows1252.h"

#include <QString>

#include <algorithm>
#include <array>

namespace {

// The characters of 0x80 to 0x9F; 0 where Windows assigns none.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

bool isAscii(QByteArrayView utf8)
{
    return std::all_of(utf8.begin(), utf8.end(), [](char b) { return static_cast<unsigned char>(b) < 0x80; });
}

} // namespace

char TWindows1252::byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    if (c < 0xA0)
        return 0; // a C1 control character
    const auto* found = std::find(High.begin(), High.end(), c);
    return found == High.end() ? 0 : static_cast<char>(0x80 + (found - High.begin()));
}

bool TWindows1252::fits(QByteArrayView utf8)
{
    if (isAscii(utf8))
        return true;
    QByteArray scratch;
    return appendFromUtf8(utf8, scratch);
}

bool TWindows1252::appendFromUtf8(QByteArrayView utf8, QByteArray& out)
{
    if (isAscii(utf8)) {
        out.append(utf8.data(), utf8.size());
        return true;
    }
    // A malformed sequence decodes to U+FFFD, which has no byte.
    const QString text = QString::fromUtf8(utf8);
    out.reserve(out.size() + text.size());
    bool all = true;
    for (const QChar c : text) {
        const char b = byteOf(c.unicode());
        if (b == 0 && c.unicode() != 0) {
            // A character beyond the Basic Multilingual Plane is two 16-bit units but one "?".
            if (!c.isLowSurrogate())
                out.append('?');
            all = false;
            continue;
        }
        out.append(b);
    }
    return all;
}
