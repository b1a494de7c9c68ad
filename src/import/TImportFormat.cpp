#include "import/TImportFormat.h"

TImportFormat::Kind TImportFormat::detect(const QString& fileName, const QByteArray& head)
{
    const QByteArray top = head.left(4096);
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
