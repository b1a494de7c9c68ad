#pragma once

#include "bookings/TDetailRow.h"
#include "bookings/TTransferRow.h"

#include <QtGlobal>

// Writes bookings together with every balance change they cause. Each operation runs in one
// transaction on the program's connection: the row and the balances are stored together or not at
// all. A failure rolls everything back and throws (DbError with the engine's text, or
// std::invalid_argument for a row that cannot be a booking).
//
// Balances move by the exact stored amount. An edit gives the stored booking's effect back and
// applies the new one; when the holder stays, that is one change by the difference, and when the
// booking moves to other holders, the old holders get the old amount back and the new ones the new
// amount. So every holder's Balance always equals its deposits - debits + transfers in - transfers out.
class TBookingStore
{
public:
    // Inserts (ID below 1) or updates (ID of the stored row) a deposit or debit; returns its ID.
    static qint32 saveDetail(const TDetailRow& row);
    // Inserts (ID below 1) or updates (ID of the stored row) a transfer; returns its ID.
    static qint32 saveTransfer(const TTransferRow& row);

    // Removes a deposit or debit and reverses its balance change. False when no such row exists.
    static bool deleteDetail(qint32 id);
    // Removes a transfer (both of its sides) and reverses both balance changes. False when no such
    // row exists, so deleting both sides of one transfer moves the balances once.
    static bool deleteTransfer(qint32 id);
    // The same by the kind of a booking list row (LedgerKind): 0 and 1 a Detail row, 2 and 3 either
    // side of a transfer. False for any other kind.
    static bool deleteBooking(int ledgerKind, qint32 id);
};
