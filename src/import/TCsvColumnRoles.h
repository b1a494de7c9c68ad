#pragma once

#include "import/TCsvSettings.h"

#include <QString>

// What a column of a delimited statement file is used for, as the import dialog shows and sets it
// one column at a time.
enum class TCsvRole
{
    None,
    Date,
    Amount,   // one signed column
    PaidOut,  // the column of money paid out (debits)
    Received, // the column of money received (deposits)
    From,
    For,
    Memo,
    BankId
};

class TCsvColumnRoles
{
public:
    static constexpr int RoleCount = 9;

    static TCsvRole roleOf(const TCsvSettings& settings, int column);

    // Gives `column` the `role`, and takes it from the column that had it (date, amount, money paid
    // out or received, bank id: one column each; From, For and Memo may join several). The amount
    // as one signed column and the two columns of money paid out and received exclude each other.
    static void assign(TCsvSettings& settings, int column, TCsvRole role);

    // "Date", "Amount (signed)", "Money paid out", ...
    static QString name(TCsvRole role);
};
