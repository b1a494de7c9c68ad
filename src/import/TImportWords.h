#pragma once

#include <QString>
#include <QStringView>

// The words by which the import recognises what a bank's statement file means, whatever the
// language of the bank: the column titles of each use, the values of a direction column (paid out
// or received), of a state column (final or not yet), and the balance and total lines of a
// statement. The words themselves are data, one table per language (TImportWords.cpp).
class TImportWords
{
public:
    // What a column title may say the column holds.
    enum class Title
    {
        Date,
        Amount,
        PaidOut,
        Received,
        Direction, // a column telling paid out from received ("D/C", "Af Bij")
        Balance,
        Fee,
        Payee,
        PayeeAccount, // the other side's account number: a name where there is no name
        Purpose,
        Memo,
        State,
        BankId,
        Count
    };

    // Whether `title` names a column of `use` in any language. Words of four letters or fewer must
    // stand as words of their own ("Soll", "Naam"); longer ones may end a compound ("Ursprungsbetrag").
    static bool titleIs(QStringView title, Title use);

    enum class Direction
    {
        Unknown,
        PaidOut,
        Received
    };
    // What a value of a direction column says: "D", "DR", "Af", "Debit", "-", "S" (Soll), ...
    static Direction directionOf(QStringView value);

    enum class State
    {
        Unknown,
        Final,   // completed, booked, "gebucht"
        NotFinal // pending, reverted, declined, "vorgemerkt"
    };
    static State stateOf(QStringView value);

    enum class BalanceLine
    {
        None,
        Opening, // "Opening balance", "Anfangssaldo", "Algsaldo"
        Closing, // "Closing balance", "Neuer Kontostand", "Lõppsaldo"
        Balance, // a balance, neither opening nor closing said: "Kontostand", "Saldo"
        Total    // a total or turnover: "Summe", "Turnover", "Apyvarta"
    };
    // What a field says when it names a balance or total line: the words alone, perhaps followed by
    // a date or a short word ("Kontostand am 31.03.2024", "Beginning balance as of 01/01/2024").
    // `strong` tells whether the words can mean nothing else ("Closing balance"), unlike a bare
    // "Saldo" or "Total", which a transaction's text may hold too.
    static BalanceLine balanceLineOf(QStringView field, bool* strong = nullptr);
};
