#pragma once

#include "import/TCsvSettings.h"

#include <QString>

// What a column of a delimited statement file is used for, as the import dialog shows and sets it
// one column at a time.
enum class TCsvRole
{
    None,
    Date,
    Amount,    // one signed column
    PaidOut,   // the column of money paid out (debits)
    Received,  // the column of money received (deposits)
    Direction, // tells money paid out from money received, for amounts without a sign
    Fee,       // a fee taken besides the amount
    Balance,   // the running balance: never booked, it proves the amounts
    From,
    For,
    Memo,
    BankId,
    State // the bank's state of the transaction: pending ones are not ticked
};

class TCsvColumnRoles
{
public:
    static constexpr int RoleCount = 13;

    static TCsvRole roleOf(const TCsvSettings& settings, int column);

    // Gives `column` the `role`, and takes it from the column that had it (every role but From, For
    // and Memo is one column's; those may join several). The amount as one signed column and the
    // two columns of money paid out and received exclude each other; a direction goes with the
    // signed amount only. A column made the direction keeps the marks the settings have.
    static void assign(TCsvSettings& settings, int column, TCsvRole role);

    // "Date", "Amount (signed)", "Money paid out", ...
    static QString name(TCsvRole role);
};
