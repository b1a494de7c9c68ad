#pragma once

#include "import/TAmountFormat.h"
#include "import/TImportDate.h"
#include "import/TTextEncoding.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// How to read one bank's delimited statement files: what a saved import profile holds. Columns
// count from 0.
class TCsvSettings
{
public:
    enum class AmountMode
    {
        Signed,     // one column, negative for money paid out
        DebitCredit // money paid out in one column, money received in another
    };

    TTextEncoding::Kind encoding = TTextEncoding::Kind::Auto;
    QChar delimiter = u';';
    int skipTop = 0;        // lines before the first transaction (the column titles included)
    int skipBottom = 0;     // lines after the last one (blank lines at the end not counted)
    bool hasTitles = false; // the last skipped line at the top holds the column titles
    int dateColumn = 0;
    TDateOrder dateOrder = TDateOrder::DayMonthYear;
    bool dateOrderChosen = false; // the user chose the order, so an ambiguous file need not ask again
    TAmountFormat amountFormat;
    AmountMode amountMode = AmountMode::Signed;
    int amountColumn = 1;
    int debitColumn = -1;
    int creditColumn = -1;
    bool negate = false; // the file shows money paid out as positive (some credit card statements)
    QList<int> fromColumns;
    QList<int> forColumns;
    QList<int> memoColumns;
    int idColumn = -1; // the bank's transaction id, if the file has one
    // A column telling money paid out from money received ("D"/"C", "Af"/"Bij"), for files whose
    // amounts have no sign; the values meaning each, compared without regard to case.
    int directionColumn = -1;
    QStringList paidOutMarks;
    QStringList receivedMarks;
    int balanceColumn = -1; // the running balance after each transaction: never booked, it proves the amounts
    int stateColumn = -1;   // the bank's state of each transaction (completed, pending, ...)
    int feeColumn = -1;     // a fee taken besides the amount, which the booking includes

    // Why these settings cannot read a file (a column used twice for different things, a missing
    // amount column, the same separator for decimals and groups, a direction column without the
    // values it uses), else empty.
    QString check() const;

    // A stable text form for storing: compact JSON with sorted keys and a format version. Text of
    // an earlier version reads as it did then.
    QByteArray toJson() const;
    // Settings from toJson()'s text; missing keys keep their defaults. No value for text that is no
    // such object, or holds a value out of range; `error` says why.
    static std::optional<TCsvSettings> fromJson(const QByteArray& json, QString* error = nullptr);

    bool operator==(const TCsvSettings&) const = default;
};
