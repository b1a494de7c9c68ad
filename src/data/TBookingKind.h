#pragma once

// A booking's kind as the booking lists show it: a deposit or a debit (a row of Detail, whose type
// it is), or one side of a transfer (a row of Transfer) seen from its source or its destination.
enum class TBookingKind : int
{
    Deposit = 0,
    Debit = 1,
    TransferOut = 2,
    TransferIn = 3
};
