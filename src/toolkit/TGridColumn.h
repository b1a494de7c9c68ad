#pragma once

#include "toolkit/TGridColor.h"
#include "toolkit/TGridFont.h"

#include <QString>

#include <optional>

// One column of a data grid.
struct TGridColumn
{
    enum class Footer
    {
        None,
        Sum,   // the sum of the footer's field (or the column's) over all rows, exact
        Count, // the number of rows
        Text   // a fixed text
    };

    // The title; when empty, the name of the field as the result spells it, or else `field`.
    QString title;
    // The result column shown, found without regard to case; empty for a column without a field.
    QString field;
    // In pixels: as designed, and then as the grid shows it (the user may resize it).
    int width = 64;
    int minWidth = 0; // 0: no minimum
    int maxWidth = 0; // 0: no maximum
    // None: right for numbers, left for texts and dates.
    std::optional<Qt::Alignment> alignment;
    Qt::Alignment titleAlignment = Qt::AlignLeft;
    // None: the grid's colour (and its odd-row colour).
    TGridColor color;
    // None: the grid's font.
    std::optional<TGridFont> font;
    // The column shows the position of each row in the current order (1 for the first row).
    bool rowNumbers = false;
    // The title is a button: a click sorts by the column.
    bool titleButton = true;

    Footer footer = Footer::None;
    QString footerText;
    QString footerField;
    // Decimals of a sum footer ("0.##" is 2); -1 writes the sum as the field writes its values.
    int footerDecimals = -1;
    // None: the column's alignment.
    std::optional<Qt::Alignment> footerAlignment;
};
