#pragma once

#include "data/Currency.h"

#include <QList>

// The arithmetic of a chart's axes, without widgets: the value axis marked in steps of 1, 2 or 5
// times a power of ten, and how many category labels to skip so that none overlaps the next.
class TChartScale
{
public:
    struct Axis
    {
        Currency low;  // the first mark, at or below the smallest value and zero
        Currency high; // the last mark, at or above the largest value and zero
        Currency step; // 1, 2 or 5 times a power of ten (of ten-thousandths)
    };

    // An axis from `low` to `high` (zero always included) with at most `maxSteps` steps (at least
    // one) of the smallest size 1, 2 or 5 × 10^k that gets there.
    static Axis axis(Currency low, Currency high, int maxSteps);

    // The marks of an axis, from low to high.
    static QList<Currency> marks(const Axis& axis);

    // The decimals an axis' marks need to be told apart (0 for whole steps, up to 4).
    static int decimals(const Axis& axis);

    // Every how many categories a label is drawn so that labels `labelExtent` long, centred on
    // categories `slotExtent` apart, keep at least `gap` between them: 1, 2, 3, 4, 6 or 12, then
    // whole numbers of years (24, 36, 60, 120, ...).
    static int labelEvery(int count, double labelExtent, double slotExtent, double gap);
};
