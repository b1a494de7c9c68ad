#pragma once

#include "import/TAmountFormat.h"
#include "import/TImportDate.h"
#include "import/TStatement.h"
#include "import/TTextEncoding.h"

#include <QByteArray>
#include <QIODevice>

// Reads the bank, cash and credit card sections of a QIF file (!Type:Bank, !Type:Cash,
// !Type:CCard); records of other sections (accounts, categories, investments, memorised
// transactions) are passed over. Each record's lines start with a letter: D date, T amount (U when
// there is no T), P payee, M memo, N number, L category; "^" ends it. Splits (S category, E memo,
// $ amount) follow the transaction's own lines; the total amount stands for them, and a D among them
// does not change the transaction's date. A record becomes a row with From = payee, For = memo,
// Memo = category and number; Quicken's "Opening Balance" record is the statement's opening
// balance instead, never booked.
class TQifReader
{
public:
    struct Options
    {
        TTextEncoding::Kind encoding = TTextEncoding::Kind::Auto;
        TDateOrder dateOrder = TDateOrder::MonthDayYear;
        TAmountFormat amountFormat{u'.', u','}; // as QIF files write them
    };

    static TStatement read(QIODevice& device, const Options& options);
    static TStatement read(const QByteArray& bytes, const Options& options);

    // Options for `bytes`: the encoding detected, the notation of its amounts, and the first date
    // order (month first before day first) under which all its dates parse; the returned
    // statement's dateOrders tell whether the user must choose.
    static Options guess(const QByteArray& bytes);
};
