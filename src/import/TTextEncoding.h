#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The character encodings of bank statement files, told apart and decoded without ICU: the two 8-bit
// code pages of Western European banks are small tables of their own.
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
        Utf16BE
    };

    // The encoding of `bytes`: a byte-order mark decides; else text that is valid UTF-8 is UTF-8;
    // else bytes 0x80-0x9F (printable only in Windows-1252) mean Windows-1252; else a 0xA4 byte
    // (the euro sign of ISO-8859-15, a rare "¤" elsewhere) means ISO-8859-15; else Windows-1252.
    // Never Auto.
    static Kind detect(const QByteArray& bytes);

    // The text of `bytes` in `kind` (Auto: detected), without a byte-order mark. `used` receives the
    // encoding applied.
    static QString decode(const QByteArray& bytes, Kind kind, Kind* used = nullptr);

    // The bytes of `text` in `kind` (Auto: UTF-8), without a byte-order mark; a character the code
    // page lacks becomes "?".
    static QByteArray encode(const QString& text, Kind kind);

    // "Auto", "UTF-8", "Windows-1252", "ISO-8859-15", "UTF-16LE", "UTF-16BE".
    static QString name(Kind kind);
    static std::optional<Kind> fromName(const QString& name);
};
