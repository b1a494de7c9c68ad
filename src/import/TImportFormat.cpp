#include "import/TImportFormat.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr qsizetype HeadSize = 4096;

// UTF-16 text without a byte-order mark: its NUL bytes (the high halves of ASCII characters) fall on
// one side of the byte pairs only, and make up a good part of that side.
bool looksLikeUtf16(QByteArrayView head)
{
    qsizetype zeros[2] = {0, 0};
    for (qsizetype i = 0; i < head.size(); ++i) {
        if (head[i] == '\0')
            ++zeros[i % 2];
    }
    const qsizetype pairs = head.size() / 2;
    const auto oneSided = [&](int side) {
        return zeros[side] * 4 >= pairs && zeros[1 - side] * 16 <= zeros[side];
    };
    return pairs > 0 && (oneSided(0) || oneSided(1));
}

// Binary data holds NUL bytes and other control bytes. A NUL alone is no proof: a bank's text may
// carry a stray one in a field, or pad its fields with them.
bool looksBinary(QByteArrayView head)
{
    bool nul = false, control = false;
    for (char c : head) {
        const auto b = static_cast<unsigned char>(c);
        nul = nul || b == 0;
        control = control || (b > 0 && b < 0x20 && b != '\t' && b != '\n' && b != '\v' && b != '\f' && b != '\r');
    }
    return nul && control;
}

} // namespace

std::optional<TImportFormat::Foreign> TImportFormat::foreign(const QByteArray& head)
{
    const QString exportCsv = QCoreApplication::translate("TImportFormat", "export CSV from your bank.");
    if (head.startsWith("PK\x03\x04") || head.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return Foreign{
            QCoreApplication::translate("TImportFormat", "Spreadsheet"),
            QCoreApplication::translate("TImportFormat", "This is a spreadsheet, not a statement: %1").arg(exportCsv)};
    if (head.startsWith("%PDF-"))
        return Foreign{
            QCoreApplication::translate("TImportFormat", "PDF"),
            QCoreApplication::translate("TImportFormat", "This is a PDF, not a statement: %1").arg(exportCsv)};
    const QByteArrayView top = QByteArrayView(head).first(std::min(head.size(), HeadSize));
    const bool utf16Bom = top.startsWith("\xFF\xFE") || top.startsWith("\xFE\xFF");
    if (!utf16Bom && looksBinary(top) && !looksLikeUtf16(top))
        return Foreign{
            QCoreApplication::translate("TImportFormat", "Binary"),
            QCoreApplication::translate("TImportFormat", "This is not a text file, so it cannot be a statement: %1")
                .arg(exportCsv)};
    return std::nullopt;
}

TImportFormat::Kind TImportFormat::detect(const QString& fileName, const QByteArray& head)
{
    if (foreign(head))
        return Kind::Unsupported;
    const QByteArray top = head.left(HeadSize);
    const QByteArray upper = top.toUpper();
    if (upper.contains("OFXHEADER") || upper.contains("<OFX>"))
        return Kind::Ofx;
    QByteArray first = top.trimmed();
    if (first.startsWith("\xEF\xBB\xBF"))
        first = first.mid(3).trimmed();
    for (const char* mark : {"!TYPE:", "!ACCOUNT", "!OPTION"}) {
        if (first.toUpper().startsWith(mark))
            return Kind::Qif;
    }
    const QString suffix = fileName.section(u'.', -1).toLower();
    if (suffix == u"ofx" || suffix == u"qfx")
        return Kind::Ofx;
    if (suffix == u"qif")
        return Kind::Qif;
    return Kind::Csv;
}
