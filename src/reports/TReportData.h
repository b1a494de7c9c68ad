#pragma once

#include "data/Currency.h"

#include <QList>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

// What the reports read from the data file: the month totals that the file's triggers keep with
// every booking (MonthTotal, MonthText and ReportText), on the data module's connection of the
// calling thread, through the engine's C interface. Months are TReportPeriod's numbers. Throws
// DbError with the engine's text when a statement fails.
class TReportData
{
public:
    // The bookings of one month, holder and kind: deposits (kind 0) and debits (kind 1) with
    // `other` 0, transfers (kind 2) from `holder` to `other`.
    struct Total
    {
        int month = 0;
        qint32 holder = 0;
        int kind = 0;
        qint32 other = 0;
        Currency amount;
        qint64 count = 0;
    };
    enum class TextField
    {
        Purpose = 0,     // "For"
        Counterparty = 1 // "From": the payee of a debit, the payer of a deposit
    };
    // The deposits or debits of one holder and text (a number of texts()) over a run of months.
    struct TextTotal
    {
        qint32 holder = 0;
        qint32 text = 0;
        Currency amount;
        qint64 count = 0;
    };

    // The totals of the months `first` to `last`, both included.
    static std::vector<Total> totals(int first, int last);
    // The deposits (kind 0) or debits (kind 1) of `first` to `last` by holder and text, summed over
    // the months: of the holders `holders`, or of all when it is empty (which reads every holder's
    // months, whatever the period). A holder and text may come more than once (once per run of
    // months or whole years read).
    static std::vector<TextTotal> textTotals(TextField field, int kind, int first, int last,
                                             const QList<qint32>& holders = {});
    // The texts by their number, as stored (a missing text is ""); numbers without a text are null.
    static std::vector<QString> texts();
    // The first and last months with bookings; none when there is no booking.
    static std::optional<std::pair<int, int>> bookedMonths();
};
