#pragma once

#include "toolkit/TGridColumn.h"
#include "toolkit/TGridOptions.h"

#include <QList>

// The history window's grid `dbgrdh1` as designed: bold "MS Sans Serif" 9 throughout, the frozen
// row-number column, alternating rows, and one footer row with "SUM" under the date and the sum
// of the amounts.
class THistoryGrid
{
public:
    static TGridOptions options();
    // No., Date, Type, Acc/Wal, from, Amount, for, To, memo.
    static QList<TGridColumn> columns();
};
