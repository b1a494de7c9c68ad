#pragma once

#include "import/TImportDate.h"
#include "import/TImportProblem.h"
#include "import/TImportRow.h"
#include "import/TTextEncoding.h"

#include <QList>
#include <QStringList>

#include <optional>

// A balance the statement states of itself: an opening or closing balance line, OFX's LEDGERBAL.
struct TStatementBalance
{
    Currency amount;
    QDate date; // the day it is the balance at the end of (closing) or the start of (opening); may be invalid
    int line = 0;
};

// What a reader made of a statement file: the transactions in the file's order, the parts it could
// not read, and what it learned about the file.
class TStatement
{
public:
    QList<TImportRow> rows;
    QList<TImportProblem> problems;
    // The date orders under which every date of the file parses (see TImportDate::fittingOrders).
    QList<TDateOrder> dateOrders;
    TTextEncoding::Kind encoding = TTextEncoding::Kind::Utf8; // the encoding the text was read in
    QStringList titles;                                       // column titles of a delimited file, when it has them
    // The balances before the first and after the last transaction, where the statement states them.
    std::optional<TStatementBalance> opening;
    std::optional<TStatementBalance> closing;
    // What the user must know about the file as a whole though it could be read (it is cut off).
    QStringList warnings;

    // Adds a transaction; one of amount 0 is a problem instead, as there is nothing to book.
    void addRow(TImportRow row, const QString& source);
    void addProblem(int line, const QString& reason, const QString& source,
                    TImportProblem::Kind kind = TImportProblem::Kind::Unread);

    // The problems of kind Unread: lines meant as transactions that could not be read.
    int unreadCount() const;

    // The file does not tell whether days or months come first: the user must choose. A file
    // without transactions has no dates to tell it, and nothing to ask about.
    bool dateOrderAmbiguous() const { return !rows.isEmpty() && dateOrders.size() > 1; }

    // A problem with the file as a whole: it cannot be read, or holds no transactions.
    static TStatement failed(const QString& reason);
};
