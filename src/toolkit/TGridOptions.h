#pragma once

#include "toolkit/TGridColor.h"
#include "toolkit/TGridFont.h"

#include <QString>

// What a data grid looks like as a whole.
struct TGridOptions
{
    // The grid's component name (the HTML export's title).
    QString name;
    bool showTitles = true;
    bool columnLines = true;
    bool rowLines = true;
    bool flat = true;
    bool threeD = true;
    // Columns from the left that stay in view when the grid scrolls sideways.
    int frozenColumns = 0;
    int footerRows = 0;
    TGridColor color = TGridColor::system(TGridColor::Kind::Window);
    // The colour of the fixed cells (titles).
    TGridColor fixedColor = TGridColor::system(TGridColor::Kind::ButtonFace);
    // None: every row in the grid's colour; otherwise the second, fourth, ... rows in this one.
    TGridColor oddRowColor;
    TGridColor footerColor = TGridColor::system(TGridColor::Kind::Window);
    TGridFont font;
    TGridFont titleFont;
    TGridFont footerFont;
};
