#pragma once

#include "data/Currency.h"
#include "import/TStatement.h"

#include <QDate>
#include <QList>

#include <optional>

// Checks a statement's amounts against the balances it states of itself: the running balance after
// each transaction (or after some of them), and an opening and a closing balance. Between two
// stated balances the amounts must add up to their difference: where they do, those rows are
// confirmed; where they do not, those rows disagree (with one row between two balances, that row's
// amount is wrong, or the bank's balance is). Pending rows have not moved the balance: they are left
// out of the sums and unchecked.
class TBalanceProof
{
public:
    enum class Verdict
    {
        Unchecked, // no stated balance stands before it (or after it) to check it against
        Confirmed,
        Disagrees
    };

    struct Result
    {
        QList<Verdict> rows; // per row of the statement, in the file's order
        int confirmed = 0;
        int disagreeing = 0;
        // The file lists the oldest transaction first (told by its dates, else by its running balances).
        bool oldestFirst = true;
        // Without running balances: whether the opening balance and the amounts add up to the
        // closing balance, where the statement states both.
        std::optional<bool> sumAgrees;
        std::optional<Currency> sum; // of all amounts, when sumAgrees has a value
        // The balance after the newest transaction, as the statement states it (a closing balance,
        // else the last running balance and the amounts after it), and the day it is the balance of.
        std::optional<Currency> closing;
        QDate closingDate;

        // The statement states running balances, so that its rows can be checked one by one.
        bool rowsChecked() const { return confirmed + disagreeing > 0; }
    };

    static Result check(const TStatement& statement);

    // For telling a running balance from an amount: of the steps between consecutive rows that both
    // have a balance and an amount, how many change the balance by the amount: in the file's order
    // b[i] - b[i-1] = a[i], or, `reversed` (newest first), b[i-1] - b[i] = a[i-1]. With `magnitudes`,
    // only the sizes are compared (amounts without a sign). `steps` receives how many were compared.
    static int matchingSteps(const QList<std::optional<Currency>>& amounts,
                             const QList<std::optional<Currency>>& balances, bool reversed, bool magnitudes,
                             int* steps);
};
