#include "history/THtmlWriter.h"

#include "toolkit/TGridModel.h"

namespace {

const char* const CRLF = "\r\n";

QByteArray alignmentWord(Qt::Alignment alignment)
{
    if (alignment.testFlag(Qt::AlignRight))
        return "RIGHT";
    if (alignment.testFlag(Qt::AlignHCenter))
        return "CENTER";
    return "LEFT";
}

} // namespace

QByteArray THtmlWriter::escaped(QByteArrayView text)
{
    if (text.isEmpty())
        return "&nbsp";
    QByteArray out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out.append("&amp");
            break;
        case '<':
            out.append("&lt");
            break;
        case '>':
            out.append("&gt");
            break;
        case '"':
            out.append("&quot");
            break;
        default:
            out.append(c);
        }
    }
    return out;
}

void THtmlWriter::appendEscaped(QByteArrayView text)
{
    if (text.isEmpty()) {
        out().append("&nbsp");
        return;
    }
    // Most texts need no escaping: copy them whole.
    qsizetype plain = 0;
    while (plain < text.size()) {
        const char c = text[plain];
        if (c == '&' || c == '<' || c == '>' || c == '"')
            break;
        ++plain;
    }
    if (plain == text.size())
        out().append(text);
    else
        out().append(escaped(text));
}

QByteArray THtmlWriter::cellStart(int column, Qt::Alignment alignment, const QString& background,
                                  const TGridFont& font) const
{
    QByteArray s = "  <TD WIDTH=" + QByteArray::number(model().columns()[column].width) + " ALIGN=\"" +
                   alignmentWord(alignment) + '"';
    if (!background.isEmpty())
        s += " BGCOLOR=#" + background.toLatin1();
    s += "><FONT STYLE=\"font-family: " + font.family.toUtf8() + "; font-size: " + QByteArray::number(font.pointSize) +
         "pt; color: #" + TGridColor::hex(font.color.resolve(model().systemColors())).toLatin1() + "\">";
    if (font.bold)
        s += "<B>";
    if (font.italic)
        s += "<I>";
    if (font.underline)
        s += "<U>";
    if (font.strikeOut)
        s += "<STRIKE>";
    return s;
}

QByteArray THtmlWriter::fontEnd(const TGridFont& font)
{
    // The styles close in the order they opened.
    QByteArray s;
    if (font.bold)
        s += "</B>";
    if (font.italic)
        s += "</I>";
    if (font.underline)
        s += "</U>";
    if (font.strikeOut)
        s += "</STRIKE>";
    return s + "</FONT></TD>" + CRLF;
}

void THtmlWriter::writePrefix()
{
    const TGridOptions& o = model().options();
    out().append("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">").append(CRLF);
    out().append("<HTML>").append(CRLF).append("<HEAD>").append(CRLF).append("<TITLE>").append(CRLF);
    out().append(o.name.toUtf8()).append(CRLF);
    out().append("</TITLE>").append(CRLF).append("</HEAD>").append(CRLF).append("<BODY>").append(CRLF);

    out().append("<TABLE ");
    if (!o.columnLines && !o.rowLines)
        out().append("BORDER=0 CELLSPACING=0 CELLPADDING=");
    else if (o.threeD)
        out().append("BORDER=1 CELLSPACING=0 CELLPADDING=");
    else
        out().append("BORDER=0 CELLSPACING=1 CELLPADDING=");
    out().append(o.flat ? "1" : "2");
    out().append(" BGCOLOR=#").append(TGridColor::hex(o.fixedColor.resolve(model().systemColors())).toLatin1());
    out().append(">").append(CRLF).append(CRLF);

    // Data cells differ only in their texts.
    m_rowCellStart.clear();
    m_rowCellEnd.clear();
    for (int c = 0; c < model().columnCount(); ++c) {
        const TGridColumn& column = model().columns()[c];
        const TGridColor& colour = column.color.isNone() ? o.color : column.color;
        m_rowCellStart << cellStart(c, model().alignment(c), TGridColor::hex(colour.resolve(model().systemColors())),
                                    model().font(c));
        m_rowCellEnd << fontEnd(model().font(c));
    }
}

void THtmlWriter::writeTitles()
{
    const TGridFont& font = model().options().titleFont;
    out().append("<TR>").append(CRLF);
    for (int c = 0; c < model().columnCount(); ++c) {
        out().append(cellStart(c, model().columns()[c].titleAlignment, QString(), font));
        appendEscaped(model().title(c).toUtf8());
        out().append(fontEnd(font));
    }
    out().append("</TR>").append(CRLF);
}

void THtmlWriter::writeRow(int position)
{
    out().append("<TR>").append(CRLF);
    for (int c = 0; c < model().columnCount(); ++c) {
        out().append(m_rowCellStart[c]);
        appendEscaped(model().cellUtf8(position, c, m_scratch));
        out().append(m_rowCellEnd[c]);
    }
    out().append("</TR>").append(CRLF);
}

void THtmlWriter::writeFooter()
{
    const TGridOptions& o = model().options();
    const QString background = TGridColor::hex(o.footerColor.resolve(model().systemColors()));
    out().append("<TR>").append(CRLF);
    for (int c = 0; c < model().columnCount(); ++c) {
        out().append(cellStart(c, model().footerAlignment(c), background, o.footerFont));
        appendEscaped(model().footerText(c).toUtf8());
        out().append(fontEnd(o.footerFont));
    }
    out().append("</TR>").append(CRLF);
}

void THtmlWriter::writeSuffix()
{
    out().append("</TABLE>").append(CRLF).append("</BODY>").append(CRLF).append("</HTML>").append(CRLF);
}
