#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The character encodings of bank statement files, told apart and decoded without ICU. Every 8-bit
// code page is a table of its bytes 0x80-0xFF: the two of Western European banks are small tables of
// their own, those of Central and Eastern European banks (Windows-1250, Windows-1257, ISO-8859-2)
// are built once through glibc's iconv.
class TTextEncoding
{
public:
    enum class Kind
    {
        Auto,
        Utf8,
        Windows1252,
        Iso8859_15,
        Utf16LE,
        Utf16BE,
        Windows1250,
        Windows1257,
        Iso8859_2
    };

    // The encoding of `bytes`: a byte-order mark decides; else text that is valid UTF-8 is UTF-8;
    // else the 8-bit code page whose letters make the most sense: the lines with bytes from 0x80 up
    // (about 64 KB of them) are decoded in each of Windows-1252, ISO-8859-15, Windows-1250,
    // ISO-8859-2 and Windows-1257 and scored by the language whose letters cover them best, less
    // what no language explains (control characters, unassigned bytes, a symbol amid a word's
    // letters, a capital after a small letter). Of equal scores the first code page of the text's
    // own language wins, Windows-1252 before all; between Windows-1252 and ISO-8859-15, bytes
    // 0x80-0x9F mean Windows-1252, else a 0xA4 byte (the euro sign of ISO-8859-15, a rare "¤"
    // elsewhere) means ISO-8859-15. Never Auto.
    static Kind detect(const QByteArray& bytes);

    // The text of `bytes` in `kind` (Auto: detected), without a byte-order mark. `used` receives the
    // encoding applied.
    static QString decode(const QByteArray& bytes, Kind kind, Kind* used = nullptr);

    // The bytes of `text` in `kind` (Auto: UTF-8), without a byte-order mark; a character the code
    // page lacks becomes "?".
    static QByteArray encode(const QString& text, Kind kind);

    // "Auto", "UTF-8", "Windows-1252", "ISO-8859-15", "UTF-16LE", "UTF-16BE", "Windows-1250",
    // "Windows-1257", "ISO-8859-2".
    static QString name(Kind kind);
    static std::optional<Kind> fromName(const QString& name);
};
