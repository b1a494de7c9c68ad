#pragma once

#include "bookings/TDetailRow.h"
#include "bookings/TNegativePolicy.h"
#include "bookings/TTransferRow.h"

#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <optional>

class TDM;

// Writes bookings together with every balance change they cause. Each operation runs in one
// transaction on the program's connection: the row and the balances are stored together or not at
// all. A failure rolls everything back and throws (DbError with the engine's text,
// std::invalid_argument for a row that cannot be a booking, TNegativeRefusal when the
// negative-balance rule stops it). After each commit the model of the books (TBooks) tells every
// view what changed.
//
// Balances move by the exact stored amount. An edit gives the stored booking's effect back and
// applies the new one; when the holder stays, that is one change by the difference, and when the
// booking moves to other holders, the old holders get the old amount back and the new ones the new
// amount. So every holder's Balance always equals its deposits - debits + transfers in - transfers out.
//
// The negative-balance rule of the holder that pays (a debit's holder, a transfer's source) is
// judged inside the transaction, on its balance as it is then, after TNegativeRule (an edit gives
// the stored booking back first); `policy` says what happens when it refuses or asks.
class TBookingStore
{
public:
    // A caller's own write that belongs to the booking (a record naming it), run inside the save's
    // transaction after the booking `id` is written: it commits with the booking or neither does.
    using AlsoWrite = std::function<void(const TDM& db, qint32 id)>;

    // Inserts (ID below 1) or updates (ID of the stored row) a deposit or debit; returns its ID.
    static qint32 saveDetail(const TDetailRow& row, const TNegativePolicy& policy = TNegativePolicy::refuse(),
                             const AlsoWrite& also = {});
    // Inserts (ID below 1) or updates (ID of the stored row) a transfer; returns its ID.
    static qint32 saveTransfer(const TTransferRow& row, const TNegativePolicy& policy = TNegativePolicy::refuse(),
                               const AlsoWrite& also = {});

    // Removes a deposit or debit and reverses its balance change. False when no such row exists.
    static bool deleteDetail(qint32 id);
    // Removes a transfer (both of its sides) and reverses both balance changes. False when no such
    // row exists, so deleting both sides of one transfer moves the balances once.
    static bool deleteTransfer(qint32 id);
    // The same by the kind of a booking list row (TBookingKind): a deposit or debit, or either
    // side of a transfer. False for any other kind.
    static bool deleteBooking(int ledgerKind, qint32 id);

    // The stored deposit or debit `id`, or transfer `id`, as the dialogs edit it; no value when
    // there is none.
    static std::optional<TDetailRow> loadDetail(qint32 id);
    static std::optional<TTransferRow> loadTransfer(qint32 id);
    // The counterparties typed before, for the dialogs to offer: the distinct From of the deposits
    // or debits of `type`, or of the transfers, sorted.
    static QStringList detailCounterparties(int type);
    static QStringList transferCounterparties();
};
