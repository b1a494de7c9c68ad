#include "import/TTextEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace {

// Windows-1252 at 0x80-0x9F. The five unassigned bytes keep their C1 code points.
constexpr std::array<char16_t, 32> Cp1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// ISO-8859-15 differs from ISO-8859-1 in eight places.
struct Replacement
{
    unsigned char byte;
    char16_t unicode;
};
constexpr std::array<Replacement, 8> Latin9 = {{{0xA4, 0x20AC},
                                                {0xA6, 0x0160},
                                                {0xA8, 0x0161},
                                                {0xB4, 0x017D},
                                                {0xB8, 0x017E},
                                                {0xBC, 0x0152},
                                                {0xBD, 0x0153},
                                                {0xBE, 0x0178}}};

char16_t decodeByte(unsigned char b, TTextEncoding::Kind kind)
{
    if (b < 0x80)
        return b;
    if (kind == TTextEncoding::Kind::Windows1252)
        return b < 0xA0 ? Cp1252High[b - 0x80] : b;
    for (const Replacement& r : Latin9) {
        if (r.byte == b)
            return r.unicode;
    }
    return b;
}

QString decode8Bit(const QByteArray& bytes, TTextEncoding::Kind kind)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes)
        *out++ = QChar(decodeByte(static_cast<unsigned char>(c), kind));
    return text;
}

char encodeChar(char16_t u, TTextEncoding::Kind kind)
{
    if (u < 0x80)
        return static_cast<char>(u);
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (decodeByte(static_cast<unsigned char>(b), kind) == u)
            return static_cast<char>(b);
    }
    return '?';
}

bool startsWith(const QByteArray& bytes, const char* bom)
{
    return bytes.startsWith(QByteArrayView(bom));
}

const char* const Utf8Bom = "\xEF\xBB\xBF";
const char* const Utf16LEBom = "\xFF\xFE";
const char* const Utf16BEBom = "\xFE\xFF";

} // namespace

TTextEncoding::Kind TTextEncoding::detect(const QByteArray& bytes)
{
    if (startsWith(bytes, Utf8Bom))
        return Kind::Utf8;
    if (startsWith(bytes, Utf16LEBom))
        return Kind::Utf16LE;
    if (startsWith(bytes, Utf16BEBom))
        return Kind::Utf16BE;
    bool high = false;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            high = true;
            break;
        }
    }
    if (!high)
        return Kind::Utf8;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(bytes);
    if (!utf8.hasError())
        return Kind::Utf8;
    bool sign = false;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0)
            return Kind::Windows1252;
        sign = sign || b == 0xA4;
    }
    return sign ? Kind::Iso8859_15 : Kind::Windows1252;
}

QString TTextEncoding::decode(const QByteArray& bytes, Kind kind, Kind* used)
{
    if (kind == Kind::Auto)
        kind = detect(bytes);
    if (used != nullptr)
        *used = kind;
    switch (kind) {
    case Kind::Windows1252:
    case Kind::Iso8859_15:
        return decode8Bit(bytes, kind);
    case Kind::Utf16LE:
    case Kind::Utf16BE: {
        const char* bom = kind == Kind::Utf16LE ? Utf16LEBom : Utf16BEBom;
        const QByteArray body = startsWith(bytes, bom) ? bytes.mid(2) : bytes;
        QStringDecoder d(kind == Kind::Utf16LE ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                         QStringDecoder::Flag::Stateless);
        return d.decode(body);
    }
    case Kind::Auto:
    case Kind::Utf8:
        break;
    }
    return QString::fromUtf8(startsWith(bytes, Utf8Bom) ? bytes.mid(3) : bytes);
}

QByteArray TTextEncoding::encode(const QString& text, Kind kind)
{
    switch (kind) {
    case Kind::Windows1252:
    case Kind::Iso8859_15: {
        QByteArray bytes(text.size(), Qt::Uninitialized);
        char* out = bytes.data();
        for (QChar c : text)
            *out++ = encodeChar(c.unicode(), kind);
        return bytes;
    }
    case Kind::Utf16LE:
    case Kind::Utf16BE: {
        QStringEncoder e(kind == Kind::Utf16LE ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                         QStringEncoder::Flag::Stateless);
        return e.encode(text);
    }
    case Kind::Auto:
    case Kind::Utf8:
        break;
    }
    return text.toUtf8();
}

QString TTextEncoding::name(Kind kind)
{
    switch (kind) {
    case Kind::Auto:
        return QStringLiteral("Auto");
    case Kind::Utf8:
        return QStringLiteral("UTF-8");
    case Kind::Windows1252:
        return QStringLiteral("Windows-1252");
    case Kind::Iso8859_15:
        return QStringLiteral("ISO-8859-15");
    case Kind::Utf16LE:
        return QStringLiteral("UTF-16LE");
    case Kind::Utf16BE:
        return QStringLiteral("UTF-16BE");
    }
    return {};
}

std::optional<TTextEncoding::Kind> TTextEncoding::fromName(const QString& name)
{
    for (Kind k : {Kind::Auto, Kind::Utf8, Kind::Windows1252, Kind::Iso8859_15, Kind::Utf16LE, Kind::Utf16BE}) {
        if (name.compare(TTextEncoding::name(k), Qt::CaseInsensitive) == 0)
            return k;
    }
    return std::nullopt;
}
