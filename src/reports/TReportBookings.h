#pragma once

#include "data/TRowSet.h"
#include "reports/TReportFilter.h"

// The bookings of one figure of a report, as the ledger lists them (TLedgerQuery's columns, in date
// order): the ledger is read over the filter's days and kinds, and each row is kept when the filter
// matches it, a transfer side judged with the holder of its other side.
class TReportBookings
{
public:
    static TRowSet rows(const TReportFilter& filter);
};
