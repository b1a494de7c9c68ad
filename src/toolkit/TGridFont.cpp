#include "toolkit/TGridFont.h"

QFont TGridFont::toQFont() const
{
    QFont font(family, pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}
