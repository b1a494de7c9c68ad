#include "import/TTextEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <limits>

#include <iconv.h>

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

// The characters of bytes 0x80-0xFF in an 8-bit code page. A byte the code page leaves unassigned
// keeps its own code point, as in Windows-1252 above, and is marked.
struct HighTable
{
    std::array<char16_t, 128> chars{};
    std::array<bool, 128> unassigned{};
};

HighTable westernTable(TTextEncoding::Kind kind)
{
    HighTable t;
    for (int i = 0; i < 128; ++i)
        t.chars[i] = decodeByte(static_cast<unsigned char>(0x80 + i), kind);
    if (kind == TTextEncoding::Kind::Windows1252) {
        for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            t.unassigned[b - 0x80] = true;
    }
    return t;
}

// The table of a code page by glibc's name for it, one byte at a time: a byte iconv refuses is
// unassigned in that code page.
HighTable iconvTable(const char* name)
{
    HighTable t;
    for (int i = 0; i < 128; ++i) {
        t.chars[i] = static_cast<char16_t>(0x80 + i);
        t.unassigned[i] = true;
    }
    const iconv_t cd = iconv_open("UTF-16LE", name);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return t; // glibc without its conversion modules: the bytes stay as they are
    for (int i = 0; i < 128; ++i) {
        char in = static_cast<char>(0x80 + i);
        char out[8];
        char* inPtr = &in;
        char* outPtr = out;
        size_t inLeft = 1, outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) && outPtr - out == 2) {
            t.chars[i] =
                static_cast<char16_t>(static_cast<unsigned char>(out[0]) | static_cast<unsigned char>(out[1]) << 8);
            t.unassigned[i] = false;
        }
    }
    iconv_close(cd);
    return t;
}

// The table of an 8-bit `kind`, built at its first use (the initialisation of a local static is
// thread-safe: files are read on worker threads).
const HighTable& highTable(TTextEncoding::Kind kind)
{
    using K = TTextEncoding::Kind;
    switch (kind) {
    case K::Iso8859_15: {
        static const HighTable t = westernTable(K::Iso8859_15);
        return t;
    }
    case K::Windows1250: {
        static const HighTable t = iconvTable("CP1250");
        return t;
    }
    case K::Windows1257: {
        static const HighTable t = iconvTable("CP1257");
        return t;
    }
    case K::Iso8859_2: {
        static const HighTable t = iconvTable("ISO-8859-2");
        return t;
    }
    case K::Auto:
    case K::Utf8:
    case K::Windows1252:
    case K::Utf16LE:
    case K::Utf16BE:
        break;
    }
    static const HighTable t = westernTable(K::Windows1252);
    return t;
}

bool isEightBit(TTextEncoding::Kind kind)
{
    using K = TTextEncoding::Kind;
    return kind == K::Windows1252 || kind == K::Iso8859_15 || kind == K::Windows1250 || kind == K::Windows1257 ||
           kind == K::Iso8859_2;
}

QString decode8Bit(QByteArrayView bytes, const HighTable& table)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b < 0x80 ? char16_t(b) : table.chars[b - 0x80]);
    }
    return text;
}

char encodeChar(char16_t u, const HighTable& table)
{
    if (u < 0x80)
        return static_cast<char>(u);
    for (int i = 0; i < 128; ++i) {
        if (table.chars[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Telling the 8-bit code pages apart by the letters that result.

enum class Region
{
    Western, // Windows-1252, ISO-8859-15
    Central, // Windows-1250, ISO-8859-2
    Baltic   // Windows-1257
};

struct Language
{
    const char16_t* letters; // its letters beyond ASCII, small and capital
    Region region;           // the region of the code pages its banks write
};

constexpr std::array<Language, 21> Languages = {{
    {u"", Region::Western},                                   // English
    {u"äöüßÄÖÜ", Region::Western},                            // German
    {u"àâæçéèêëîïôœùûüÿÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸ", Region::Western},   // French
    {u"áéíñóúüÁÉÍÑÓÚÜ", Region::Western},                     // Spanish
    {u"àèéìíîòóùúÀÈÉÌÍÎÒÓÙÚ", Region::Western},               // Italian
    {u"áâãàçéêíóôõúüÁÂÃÀÇÉÊÍÓÔÕÚÜ", Region::Western},         // Portuguese
    {u"áéíóúàèëïöüÁÉÍÓÚÀÈËÏÖÜ", Region::Western},             // Dutch
    {u"åäöéÅÄÖÉ", Region::Western},                           // Swedish
    {u"æøåéÆØÅÉ", Region::Western},                           // Danish
    {u"æøåéèóòâôÆØÅÉÈÓÒÂÔ", Region::Western},                 // Norwegian
    {u"äöåšžÄÖÅŠŽ", Region::Western},                         // Finnish
    {u"äöõüšžÄÖÕÜŠŽ", Region::Baltic},                        // Estonian
    {u"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ", Region::Central},                 // Polish
    {u"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ", Region::Central},     // Czech
    {u"áäčďéíĺľňóôŕšťúýžÁÄČĎÉÍĹĽŇÓÔŔŠŤÚÝŽ", Region::Central}, // Slovak
    {u"čšžČŠŽ", Region::Central},                             // Slovene
    {u"čćđšžČĆĐŠŽ", Region::Central},                         // Croatian
    {u"áéíóöőúüűÁÉÍÓÖŐÚÜŰ", Region::Central},                 // Hungarian
    {u"ăâîșțşţĂÂÎȘȚŞŢ", Region::Central},                     // Romanian
    {u"ąčęėįšųūžĄČĘĖĮŠŲŪŽ", Region::Baltic},                  // Lithuanian
    {u"āčēģīķļņšūžĀČĒĢĪĶĻŅŠŪŽ", Region::Baltic},              // Latvian
}};

struct Candidate
{
    TTextEncoding::Kind kind;
    Region region;
};

// In the order in which equal scores are settled.
constexpr std::array<Candidate, 5> Candidates = {{{TTextEncoding::Kind::Windows1252, Region::Western},
                                                  {TTextEncoding::Kind::Iso8859_15, Region::Western},
                                                  {TTextEncoding::Kind::Windows1250, Region::Central},
                                                  {TTextEncoding::Kind::Iso8859_2, Region::Central},
                                                  {TTextEncoding::Kind::Windows1257, Region::Baltic}}};

constexpr qsizetype SampleSize = 64 * 1024;
constexpr int UncoveredLetter = 2;   // a letter the text's language does not have
constexpr int CapitalAfterSmall = 2; // "dŸ": a capital that follows a small letter in a word
constexpr int Nonsense = 10;         // a control character, an unassigned byte, "z¹c": no text has them

// Letters of words; the ordinal signs and the micro sign are letters to Unicode but not in words.
bool isWordLetter(QChar c)
{
    return c.isLetter() && c != u'ª' && c != u'º' && c != u'µ';
}

// Characters that stand between the letters of words in proper text: blanks, the soft hyphen,
// apostrophes, dashes and the middle dot.
bool joinsWords(QChar c)
{
    return c.isSpace() || c == u'\u00AD' || c == u'’' || c == u'‘' || c == u'–' || c == u'—' || c == u'·';
}

// The lines of `bytes` that carry bytes from 0x80 up, until about SampleSize of them: they alone
// tell the code pages apart, and a large file need not be scored whole.
QByteArray highLines(const QByteArray& bytes)
{
    QByteArray sample;
    qsizetype start = 0;
    while (start < bytes.size() && sample.size() < SampleSize) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = QByteArrayView(bytes).sliced(start, std::min(end - start, SampleSize));
        if (std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
            sample.append(line);
            sample.append('\n');
        }
        start = end + 1;
    }
    return sample;
}

struct Score
{
    int value = std::numeric_limits<int>::min();
    bool ownLanguage = false; // one of the best languages is written in the candidate's region
};

// How well `sample` reads in `candidate`: the letters covered by the best language less those it
// lacks, less what no language writes.
Score scoreOf(const QByteArray& sample, const Candidate& candidate)
{
    const HighTable& table = highTable(candidate.kind);
    const auto charAt = [&](qsizetype i) {
        const auto b = static_cast<unsigned char>(sample[i]);
        return QChar(b < 0x80 ? char16_t(b) : table.chars[b - 0x80]);
    };
    std::array<int, 128> letterCounts{}; // by byte
    int letters = 0;
    int penalty = 0;
    for (qsizetype i = 0; i < sample.size(); ++i) {
        const auto b = static_cast<unsigned char>(sample[i]);
        if (b < 0x80)
            continue;
        const QChar c = table.chars[b - 0x80];
        if (table.unassigned[b - 0x80] || c.category() == QChar::Other_Control) {
            penalty += Nonsense;
            continue;
        }
        const QChar before = i > 0 ? charAt(i - 1) : QChar(u' ');
        if (isWordLetter(c)) {
            ++letterCounts[b - 0x80];
            ++letters;
            if (c.isUpper() && before.isLower())
                penalty += CapitalAfterSmall;
        } else if (!joinsWords(c) && isWordLetter(before) && i + 1 < sample.size() && isWordLetter(charAt(i + 1))) {
            penalty += Nonsense;
        }
    }
    Score best;
    for (const Language& language : Languages) {
        const QStringView own(language.letters);
        int covered = 0;
        for (int i = 0; i < 128; ++i) {
            if (letterCounts[i] > 0 && own.contains(QChar(table.chars[i])))
                covered += letterCounts[i];
        }
        const int value = covered - UncoveredLetter * (letters - covered);
        if (value > best.value)
            best = {value, language.region == candidate.region};
        else if (value == best.value)
            best.ownLanguage = best.ownLanguage || language.region == candidate.region;
    }
    best.value -= penalty;
    return best;
}

// The 8-bit code page of `bytes` (see TTextEncoding::detect).
TTextEncoding::Kind detectCodePage(const QByteArray& bytes)
{
    const QByteArray sample = highLines(bytes);
    std::array<Score, Candidates.size()> scores;
    int top = std::numeric_limits<int>::min();
    for (size_t i = 0; i < Candidates.size(); ++i) {
        scores[i] = scoreOf(sample, Candidates[i]);
        top = std::max(top, scores[i].value);
    }
    // Of the best, the first whose region writes the text's language ("Pärnu" reads alike in
    // Windows-1252 and Windows-1257, but is Estonian), else simply the first.
    size_t chosen = Candidates.size();
    for (size_t i = 0; i < Candidates.size() && chosen == Candidates.size(); ++i) {
        if (scores[i].value == top && scores[i].ownLanguage)
            chosen = i;
    }
    for (size_t i = 0; i < Candidates.size() && chosen == Candidates.size(); ++i) {
        if (scores[i].value == top)
            chosen = i;
    }
    const TTextEncoding::Kind kind = Candidates[chosen].kind;
    const bool western = kind == TTextEncoding::Kind::Windows1252 || kind == TTextEncoding::Kind::Iso8859_15;
    if (!western || scores[0].value != scores[1].value)
        return kind;
    // The two Western code pages read the text alike: their bytes 0x80-0x9F and the euro sign decide.
    bool sign = false;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0)
            return TTextEncoding::Kind::Windows1252;
        sign = sign || b == 0xA4;
    }
    return sign ? TTextEncoding::Kind::Iso8859_15 : TTextEncoding::Kind::Windows1252;
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
    return detectCodePage(bytes);
}

QString TTextEncoding::decode(const QByteArray& bytes, Kind kind, Kind* used)
{
    if (kind == Kind::Auto)
        kind = detect(bytes);
    if (used != nullptr)
        *used = kind;
    if (isEightBit(kind))
        return decode8Bit(bytes, highTable(kind));
    switch (kind) {
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
    case Kind::Windows1252:
    case Kind::Iso8859_15:
    case Kind::Windows1250:
    case Kind::Windows1257:
    case Kind::Iso8859_2:
        break;
    }
    return QString::fromUtf8(startsWith(bytes, Utf8Bom) ? bytes.mid(3) : bytes);
}

QByteArray TTextEncoding::encode(const QString& text, Kind kind)
{
    if (isEightBit(kind)) {
        const HighTable& table = highTable(kind);
        QByteArray bytes(text.size(), Qt::Uninitialized);
        char* out = bytes.data();
        for (QChar c : text)
            *out++ = encodeChar(c.unicode(), table);
        return bytes;
    }
    switch (kind) {
    case Kind::Utf16LE:
    case Kind::Utf16BE: {
        QStringEncoder e(kind == Kind::Utf16LE ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                         QStringEncoder::Flag::Stateless);
        return e.encode(text);
    }
    case Kind::Auto:
    case Kind::Utf8:
    case Kind::Windows1252:
    case Kind::Iso8859_15:
    case Kind::Windows1250:
    case Kind::Windows1257:
    case Kind::Iso8859_2:
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
    case Kind::Windows1250:
        return QStringLiteral("Windows-1250");
    case Kind::Windows1257:
        return QStringLiteral("Windows-1257");
    case Kind::Iso8859_2:
        return QStringLiteral("ISO-8859-2");
    }
    return {};
}

std::optional<TTextEncoding::Kind> TTextEncoding::fromName(const QString& name)
{
    for (Kind k : {Kind::Auto, Kind::Utf8, Kind::Windows1252, Kind::Iso8859_15, Kind::Utf16LE, Kind::Utf16BE,
                   Kind::Windows1250, Kind::Windows1257, Kind::Iso8859_2}) {
        if (name.compare(TTextEncoding::name(k), Qt::CaseInsensitive) == 0)
            return k;
    }
    return std::nullopt;
}
