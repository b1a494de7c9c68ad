#pragma once

#include <QLocale>
#include <QString>

// Checks the amount range of an advanced search as the query dialog takes it: each box empty or a
// number in the notation of the locale (its decimal separator, an optional sign and exponent, its
// grouping in groups of three as amounts are shown, blanks at both ends ignored) that fits the
// currency type, and the minimum not above the maximum. Only the first failing test is reported.
class TAmountRangeCheck
{
public:
    enum class Problem
    {
        None,
        MinNotANumber,
        MaxNotANumber,
        MinAboveMax
    };

    static Problem check(const QString& minText, const QString& maxText, const QLocale& locale = QLocale());
    // The message the user sees; empty for None.
    static QString message(Problem problem);
};
