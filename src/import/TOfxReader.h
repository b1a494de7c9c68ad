#pragma once

#include "import/TStatement.h"

#include <QByteArray>
#include <QIODevice>

// Reads the bank and credit card transactions (STMTTRN) of an OFX or QFX file, SGML (OFX 1.x) or
// XML (OFX 2.x), through libofx: the bank's transaction id (FITID) becomes the row's bank id, NAME
// (or the name of PAYEE) its From and MEMO its For. The date is the day the bank wrote in DTPOSTED,
// whatever the time zones of the bank and the user; the amount is TRNAMT exactly as written. Each
// transaction is checked against the text of the file, so one that libofx passed over or read as
// something else than the file says becomes a problem on its line. The ledger balance (LEDGERBAL,
// else AVAILBAL) is the statement's closing balance. A file that ends before its </OFX> (a download
// cut off) is read as far as it goes, with a warning; a transaction the end cuts into is not booked.
class TOfxReader
{
public:
    static TStatement read(QIODevice& device);
    static TStatement read(const QByteArray& bytes);
};
