#pragma once

#include "data/Currency.h"
#include "import/TCsvSettings.h"
#include "import/TStatement.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// One transaction of the made-up bank behind the statement files of the import tests.
struct StatementEntry
{
    QDate date;
    Currency amount;
    QString payee;
    QString purpose;
    QString fitId;
};

// The bank's transactions from `from` to `to`, a function of the day alone, so that two statements
// of overlapping periods agree on the days they share: a coffee every day (two identical ones on
// the 15th), groceries every fourth day, salary and rent on the 1st, a refund on the 10th. Texts hold
// "€", umlauts, a quote and a semicolon; amounts reach the thousands.
QList<StatementEntry> bankLedger(const QDate& from, const QDate& to);

// The bank's CSV statement: Windows-1252, ";" between quoted fields, dates as dd.MM.yyyy, amounts as
// "-12,50" and "2.345,67", four lines before the transactions (the last holds the column titles
// "Buchungstag", "Valuta", "Auftraggeber/Empfänger", "Verwendungszweck", "Betrag", "Währung") and one
// closing line.
QByteArray bankCsv(const QList<StatementEntry>& entries);

// The settings that read bankCsv() files.
TCsvSettings bankCsvSettings();

// The problems of a statement, one "line: reason" a line.
QString problemsText(const TStatement& statement);

// The bank's OFX statement: SGML (OFX 1.0.2, Windows-1252) or XML (OFX 2.1.1, UTF-8), with FITIDs,
// and a ledger balance of 1,000.00 plus the entries at the end of the last entry's day.
QByteArray bankOfx(const QList<StatementEntry>& entries, bool xml);

// The bank's QIF statement (!Type:Bank), dates as M/D'YY.
QByteArray bankQif(const QList<StatementEntry>& entries);

// The bank's CSV statement with three lines broken: the second transaction's quotes, the fourth's
// amount ("zwölf") and the sixth's date ("32.13.2024"). The others read as usual.
QByteArray brokenBankCsv(const QList<StatementEntry>& entries);

// A comma-separated UTF-8 file of another bank whose every day is 12 or less, so its dates
// ("03/04/2024") fit both day first and month first: header "Date,Payee,Amount", amounts "-1.50".
QByteArray everyDayUpTo12Csv();
