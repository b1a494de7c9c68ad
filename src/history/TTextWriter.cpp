#include "history/TTextWriter.h"

#include "toolkit/TGridModel.h"

void TTextWriter::writePrefix()
{
    m_firstLine = true;
}

void TTextWriter::beginLine()
{
    if (!m_firstLine)
        out().append("\r\n");
    m_firstLine = false;
}

void TTextWriter::writeTitles()
{
    beginLine();
    for (int c = 0; c < model().columnCount(); ++c) {
        if (c > 0)
            out().append('\t');
        out().append(model().title(c).toUtf8());
    }
}

void TTextWriter::writeRow(int position)
{
    beginLine();
    for (int c = 0; c < model().columnCount(); ++c) {
        if (c > 0)
            out().append('\t');
        out().append(model().cellUtf8(position, c, m_scratch));
    }
}

void TTextWriter::writeFooter()
{
    beginLine();
    for (int c = 0; c < model().columnCount(); ++c) {
        if (c > 0)
            out().append('\t');
        out().append(model().footerText(c).toUtf8());
    }
}
