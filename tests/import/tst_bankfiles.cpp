#include "DataRow.h"
#include "TestDb.h"
#include "import/TCsvGuess.h"
#include "import/TCsvReader.h"
#include "import/TImportPreview.h"

#include <QTest>

namespace {

using Kind = TTextEncoding::Kind;

QByteArray utf8(const char* text)
{
    return QByteArray(text);
}

// The text in a bank's 8-bit code page.
QByteArray in(Kind kind, const char* text)
{
    return TTextEncoding::encode(QString::fromUtf8(text), kind);
}

// "2024-01-02 -12.50 From", and the row's status where it is not new.
QString rowsOf(const TImportPreview& p)
{
    QStringList out;
    for (int i = 0; i < p.rowCount(); ++i) {
        const TImportRow& r = p.row(i);
        QString line = QStringLiteral("%1 %2 %3").arg(r.date.toString(Qt::ISODate), r.amount.toFixed2(), r.from);
        if (p.status(i) == TImportPreview::Status::Pending)
            line += QStringLiteral(" [pending]");
        else if (p.status(i) == TImportPreview::Status::Disagrees)
            line += QStringLiteral(" [disagrees]");
        out.append(line);
    }
    return out.join(u'\n');
}

// "B8 U12 S20": each line not booked, as a balance line, one not read or one skipped.
QString notBookedOf(const TStatement& st)
{
    QStringList out;
    for (const TImportProblem& p : st.problems) {
        const char kind = p.kind == TImportProblem::Kind::BalanceLine ? 'B'
                          : p.kind == TImportProblem::Kind::Skipped   ? 'S'
                                                                      : 'U';
        out.append(QStringLiteral("%1%2").arg(QLatin1Char(kind)).arg(p.line));
    }
    return out.join(u' ');
}

// "rows 2/0" (confirmed / disagreeing), "sum ok", "closing 99.00": what the balances prove; and
// "warned" where the user is told something of the file as a whole.
QString proofOf(const TImportPreview& p)
{
    const TBalanceProof::Result& r = p.proof();
    QStringList out;
    if (r.rowsChecked())
        out.append(QStringLiteral("rows %1/%2").arg(r.confirmed).arg(r.disagreeing));
    if (r.sumAgrees)
        out.append(*r.sumAgrees ? QStringLiteral("sum ok") : QStringLiteral("sum bad"));
    if (r.closing)
        out.append(QStringLiteral("closing %1").arg(r.closing->toFixed2()));
    if (!p.statement().warnings.isEmpty())
        out.append(QStringLiteral("warned"));
    return out.join(u' ');
}

} // namespace

// Statement files in the shapes banks of many countries write them (all made up), read with the
// program's own guess: every transaction with its day, its signed amount and its From, every line
// that is not booked, and what the statement's own balances prove.
class TestBankFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale("en_US"); }
    void readByGuess_data();
    void readByGuess();
};

void TestBankFiles::readByGuess_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("notBooked");
    QTest::addColumn<QString>("proof");

    // The sign in a column of its own.
    dataRow("D/C marks",
            utf8("Date;Payee;Amount;D/C\n02.01.2024;Bäckerei Korn;12,50;D\n"
                 "03.01.2024;Arbeitgeber AG;2.100,00;C\n05.01.2024;Stadtwerke;64,20;D\n"),
            QStringLiteral("2024-01-02 -12.50 Bäckerei Korn\n2024-01-03 2100.00 Arbeitgeber AG\n"
                           "2024-01-05 -64.20 Stadtwerke"),
            QString(), QString());
    dataRow("DR/CR marks, month first",
            utf8("Date,Description,Amount,Type\n01/15/2024,COFFEE HOUSE,4.75,DR\n"
                 "01/16/2024,PAYROLL DEPOSIT,1500.00,CR\n01/17/2024,GROCERY MART,82.10,DR\n"),
            QStringLiteral("2024-01-15 -4.75 COFFEE HOUSE\n2024-01-16 1500.00 PAYROLL DEPOSIT\n"
                           "2024-01-17 -82.10 GROCERY MART"),
            QString(), QString());
    dataRow("Af/Bij learned from the balance",
            utf8("\"Datum\";\"Naam / Omschrijving\";\"Rekening\";\"Tegenrekening\";\"Code\";\"Af Bij\";"
                 "\"Bedrag (EUR)\";\"Mutatiesoort\";\"Mededelingen\";\"Saldo na mutatie\"\n"
                 "\"20240102\";\"Albert Heijn 1234\";\"NL00BANK0123456789\";\"\";\"BA\";\"Af\";\"23,45\";"
                 "\"Betaalautomaat\";\"Pasvolgnr: 001\";\"976,55\"\n"
                 "\"20240103\";\"Werkgever BV\";\"NL00BANK0123456789\";\"NL11BANK0987654321\";\"OV\";\"Bij\";"
                 "\"2500,00\";\"Overschrijving\";\"Salaris januari\";\"3476,55\"\n"
                 "\"20240105\";\"Energie Direct\";\"NL00BANK0123456789\";\"NL22BANK0111222333\";\"IC\";\"Af\";"
                 "\"120,00\";\"Incasso\";\"Termijn januari\";\"3356,55\"\n"),
            QStringLiteral("2024-01-02 -23.45 Albert Heijn 1234\n2024-01-03 2500.00 Werkgever BV\n"
                           "2024-01-05 -120.00 Energie Direct"),
            QString(), QStringLiteral("rows 2/0 closing 3356.55"));
    dataRow("Debit/Credit words",
            utf8("Booking date;Counterparty;Amount;Debit/Credit\n"
                 "2024-02-01;Landlord Ltd;950.00;Debit\n2024-02-02;Employer plc;3,200.00;Credit\n"),
            QStringLiteral("2024-02-01 -950.00 Landlord Ltd\n2024-02-02 3200.00 Employer plc"), QString(), QString());
    dataRow("+/- marks",
            utf8("Datum;Empfänger;Betrag;+/-\n01.04.2024;Hausverwaltung;850,00;-\n"
                 "02.04.2024;Arbeitgeber;2.450,00;+\n"),
            QStringLiteral("2024-04-01 -850.00 Hausverwaltung\n2024-04-02 2450.00 Arbeitgeber"), QString(), QString());
    // D/K marks with the statement's opening, turnover and closing lines among the transactions.
    dataRow("D/K with balance lines, Lithuanian",
            utf8("\"Sąskaitos Nr.\";\"\";\"Data\";\"Gavėjas\";\"Paaiškinimai\";\"Suma\";\"Valiuta\";\"D/K\";"
                 "\"Įrašo Nr.\";\"Kodas\"\n"
                 "\"LT01\";\"10\";\"2024-03-01\";\"\";\"Likutis pradžiai\";\"1200,00\";\"EUR\";\"K\";\"\";\"AS\"\n"
                 "\"LT01\";\"20\";\"2024-03-02\";\"UAB Maxima\";\"Pirkinys\";\"35,40\";\"EUR\";\"D\";"
                 "\"2024030200001\";\"MK\"\n"
                 "\"LT01\";\"20\";\"2024-03-05\";\"UAB Darbdavys\";\"Atlyginimas\";\"1500,00\";\"EUR\";\"K\";"
                 "\"2024030500002\";\"MK\"\n"
                 "\"LT01\";\"82\";\"2024-03-31\";\"\";\"Apyvarta\";\"35,40\";\"EUR\";\"D\";\"\";\"DK\"\n"
                 "\"LT01\";\"82\";\"2024-03-31\";\"\";\"Apyvarta\";\"1500,00\";\"EUR\";\"K\";\"\";\"DK\"\n"
                 "\"LT01\";\"86\";\"2024-03-31\";\"\";\"Likutis pabaigai\";\"2664,60\";\"EUR\";\"K\";\"\";\"LS\"\n"),
            QStringLiteral("2024-03-02 -35.40 UAB Maxima\n2024-03-05 1500.00 UAB Darbdavys"),
            QStringLiteral("B2 B5 B6 B7"), QStringLiteral("sum ok closing 2664.60"));
    dataRow(
        "D/K with balance lines, Estonian",
        utf8("\"Kliendi konto\";\"Kuupäev\";\"Saaja/Maksja\";\"Selgitus\";\"Summa\";\"Valuuta\";\"Deebet/Kreedit\"\n"
             "\"EE01\";\"01.05.2024\";\"\";\"Algsaldo\";\"100,00\";\"EUR\";\"K\"\n"
             "\"EE01\";\"02.05.2024\";\"Tööandja OÜ\";\"Palk\";\"900,00\";\"EUR\";\"K\"\n"
             "\"EE01\";\"31.05.2024\";\"\";\"Käive\";\"900,00\";\"EUR\";\"K\"\n"
             "\"EE01\";\"31.05.2024\";\"\";\"Lõppsaldo\";\"1000,00\";\"EUR\";\"K\"\n"),
        QStringLiteral("2024-05-02 900.00 Tööandja OÜ"), QStringLiteral("B2 B4 B5"),
        QStringLiteral("sum ok closing 1000.00"));
    // The running balance is not the amount, whatever stands over it.
    dataRow("balance before the amount, no titles",
            utf8("2024-01-15,ACME SUPERMARKET,954.80,-45.20\n2024-01-16,PAYROLL,2954.80,2000.00\n"
                 "2024-01-18,GYM MEMBERSHIP,2924.80,-30.00\n"),
            QStringLiteral("2024-01-15 -45.20 ACME SUPERMARKET\n2024-01-16 2000.00 PAYROLL\n"
                           "2024-01-18 -30.00 GYM MEMBERSHIP"),
            QString(), QStringLiteral("rows 2/0 closing 2924.80"));
    dataRow("titles one field wider than the rows",
            utf8("Date;Description;Amount;Balance;\n03.01.2024;Bakery;-3,10;96,90\n04.01.2024;Refund;10,00;106,90\n"
                 "05.01.2024;Pharmacy;-7,45;99,45\n"),
            QStringLiteral("2024-01-03 -3.10 Bakery\n2024-01-04 10.00 Refund\n2024-01-05 -7.45 Pharmacy"), QString(),
            QStringLiteral("rows 2/0 closing 99.45"));
    dataRow("Saldo over the amount's column",
            utf8("Datum;Text;Betrag;Saldo\n07.02.2024;;Lastschrift Telekom;-39,99;1.960,01\n"
                 "08.02.2024;;Gutschrift Erstattung;15,00;1.975,01\n10.02.2024;;Kartenzahlung Aral;-60,00;1.915,01\n"),
            QStringLiteral("2024-02-07 -39.99 Lastschrift Telekom\n2024-02-08 15.00 Gutschrift Erstattung\n"
                           "2024-02-10 -60.00 Kartenzahlung Aral"),
            QString(), QStringLiteral("rows 2/0 closing 1915.01"));
    dataRow(
        "balance before and after each row, tabs, no titles",
        utf8("123456789\tEUR\t20240102\t1000,00\t987,65\t20240102\t-12,35\tBEA ALBERT HEIJN\n"
             "123456789\tEUR\t20240103\t987,65\t3487,65\t20240103\t2500,00\tSALARIS\n"
             "123456789\tEUR\t20240104\t3487,65\t3457,65\t20240104\t-30,00\tTELEFOON\n"),
        QStringLiteral("2024-01-02 -12.35 BEA ALBERT HEIJN\n2024-01-03 2500.00 SALARIS\n2024-01-04 -30.00 TELEFOON"),
        QString(), QStringLiteral("rows 2/0 closing 3457.65"));
    dataRow("newest first, Swedish",
            utf8("Bokföringsdatum;Valutadatum;Verifikationsnummer;Text/mottagare;Belopp;Saldo\n"
                 "2024-06-28;2024-06-28;5484381424;ICA Kvantum;-412,50;8 587,50\n"
                 "2024-06-25;2024-06-25;5484381423;Lön;25 000,00;9 000,00\n"),
            QStringLiteral("2024-06-28 -412.50 ICA Kvantum\n2024-06-25 25000.00 Lön"), QString(),
            QStringLiteral("rows 1/0 closing 8587.50"));
    // A column zero on every row is no amount, whatever its title.
    dataRow("a fee column of zeros",
            utf8("Date;Libellé;Montant des frais;Montant brut\n12/03/2024;Paiement carte Carrefour;0,00;-54,30\n"
                 "13/03/2024;Virement reçu Dupont;0,00;250,00\n15/03/2024;Prélèvement EDF;0,00;-78,00\n"),
            QStringLiteral("2024-03-12 -54.30 Paiement carte Carrefour\n2024-03-13 250.00 Virement reçu Dupont\n"
                           "2024-03-15 -78.00 Prélèvement EDF"),
            QString(), QString());
    // Every line read: rows of any width, line breaks in quotes, lines ended by CR alone.
    dataRow("rows of varying width",
            utf8("Date,Payee,Amount,Memo,Category\n2024-05-01,Rent,-1200.00\n2024-05-02,Coffee,-3.50,latte,Food\n"
                 "2024-05-03,Salary,3000.00,May,Income\n2024-05-04,Books,-25.00,,Hobby\n"),
            QStringLiteral("2024-05-01 -1200.00 Rent\n2024-05-02 -3.50 Coffee\n2024-05-03 3000.00 Salary\n"
                           "2024-05-04 -25.00 Books"),
            QString(), QString());
    dataRow("line breaks in quotes",
            utf8("Date;Payee;Purpose;Amount\n\"01.06.2024\";\"Stadtwerke\";\"Abschlag\nJuni\";\"-80,00\"\n"
                 "\"02.06.2024\";\"Bäcker\";\"Brot\";\"-4,20\"\n"
                 "\"03.06.2024\";\"Verein\";\"Beitrag\n2024\nMitglied 17\";\"-60,00\"\n"
                 "\"04.06.2024\";\"Arbeitgeber\";\"Lohn\";\"2.000,00\"\nSumme;;;1.855,80\n"),
            QStringLiteral("2024-06-01 -80.00 Stadtwerke\n2024-06-02 -4.20 Bäcker\n2024-06-03 -60.00 Verein\n"
                           "2024-06-04 2000.00 Arbeitgeber"),
            QStringLiteral("B9"), QString());
    dataRow("CR line ends", utf8("Date,Payee,Amount\r2024-07-01,Shop,-9.99\r2024-07-02,Employer,1000.00\r"),
            QStringLiteral("2024-07-01 -9.99 Shop\n2024-07-02 1000.00 Employer"), QString(), QString());
    dataRow("a line that is no transaction",
            utf8("Date,Payee,Amount\n2024-07-01,Shop,-9.99\nexported by online banking\n2024-07-02,Employer,1000.00\n"),
            QStringLiteral("2024-07-01 -9.99 Shop\n2024-07-02 1000.00 Employer"), QStringLiteral("U3"), QString());
    // Transactions the bank has not finished, and a fee the balance proves.
    dataRow(
        "states and a fee",
        utf8("Type,Product,Started Date,Completed Date,Description,Amount,Fee,Currency,State,Balance\n"
             "CARD_PAYMENT,Current,2024-08-01 10:15:00,2024-08-02 09:00:00,Cafe Blue,-4.50,0.00,EUR,COMPLETED,95.50\n"
             "EXCHANGE,Current,2024-08-02 09:00:00,2024-08-02 09:00:01,Exchanged to USD,-10.00,0.25,EUR,COMPLETED,"
             "85.25\n"
             "TOPUP,Current,2024-08-02 12:00:00,2024-08-02 12:00:05,Top-up by *1234,50.00,0.00,EUR,COMPLETED,135.25\n"
             "CARD_PAYMENT,Current,2024-08-03 18:30:00,,Cinema City,-12.00,0.00,EUR,PENDING,\n"
             "CARD_PAYMENT,Current,2024-08-04 08:00:00,2024-08-04 08:01:00,Online Shop,-20.00,0.00,EUR,REVERTED,\n"),
        QStringLiteral("2024-08-01 -4.50 Cafe Blue\n2024-08-02 -10.25 Exchanged to USD\n"
                       "2024-08-02 50.00 Top-up by *1234\n2024-08-03 -12.00 Cinema City [pending]\n"
                       "2024-08-04 -20.00 Online Shop [pending]"),
        QString(), QStringLiteral("rows 2/0 closing 135.25"));
    dataRow("states in German",
            in(Kind::Windows1252,
               "\"Auftragskonto\";\"Buchungstag\";\"Valutadatum\";\"Buchungstext\";\"Verwendungszweck\";"
               "\"Beguenstigter/Zahlungspflichtiger\";\"Kontonummer/IBAN\";\"Betrag\";\"Waehrung\";\"Info\"\n"
               "\"DE01\";\"15.11.24\";\"15.11.24\";\"LASTSCHRIFT\";\"Mobilfunk 11/24\";\"Telefonica\";"
               "\"DE00200000000000000009\";\"-19,99\";\"EUR\";\"Umsatz gebucht\"\n"
               "\"DE01\";\"16.11.24\";\"16.11.24\";\"GUTSCHRIFT\";\"Rückzahlung\";\"Anna Schmidt\";"
               "\"DE00300000000000000008\";\"25,00\";\"EUR\";\"Umsatz gebucht\"\n"
               "\"DE01\";\"18.11.24\";\"18.11.24\";\"KARTENZAHLUNG\";\"Supermarkt\";\"REWE\";\"\";\"-31,47\";\"EUR\";"
               "\"Umsatz vorgemerkt\"\n"),
            QStringLiteral("2024-11-15 -19.99 Telefonica\n2024-11-16 25.00 Anna Schmidt\n"
                           "2024-11-18 -31.47 REWE [pending]"),
            QString(), QString());
    dataRow("states in Danish",
            utf8("\"Dato\";\"Tekst\";\"Beløb\";\"Saldo\";\"Status\";\"Afstemt\"\n"
                 "\"01.08.2024\";\"Netto\";\"-123,45\";\"10.876,55\";\"Udført\";\"Nej\"\n"
                 "\"02.08.2024\";\"Løn\";\"25.000,00\";\"35.876,55\";\"Udført\";\"Nej\"\n"
                 "\"03.08.2024\";\"MobilePay Anna\";\"-150,00\";\"\";\"Venter\";\"Nej\"\n"),
            QStringLiteral(
                "2024-08-01 -123.45 Netto\n2024-08-02 25000.00 Løn\n2024-08-03 -150.00 MobilePay Anna [pending]"),
            QString(), QStringLiteral("rows 1/0 closing 35876.55"));
    // The statement's balances above the titles, in its body and after it.
    dataRow(
        "summary above the titles, opening balance row",
        utf8("Description,,Summary Amt.\nBeginning balance as of 09/01/2024,,\"1,000.00\"\n"
             "Total credits,,\"2,500.00\"\nTotal debits,,\"-1,120.50\"\n"
             "Ending balance as of 09/30/2024,,\"2,379.50\"\n\nDate,Description,Amount,Running Bal.\n"
             "09/01/2024,Beginning balance as of 09/01/2024,,\"1,000.00\"\n"
             "09/03/2024,\"PAYROLL ACME CORP\",\"2,500.00\",\"3,500.00\"\n"
             "09/05/2024,\"RENT PAYMENT\",\"-1,100.00\",\"2,400.00\"\n09/20/2024,\"COFFEE\",\"-20.50\",\"2,379.50\"\n"),
        QStringLiteral("2024-09-03 2500.00 PAYROLL ACME CORP\n2024-09-05 -1100.00 RENT PAYMENT\n"
                       "2024-09-20 -20.50 COFFEE"),
        QStringLiteral("B8"), QStringLiteral("rows 3/0 closing 2379.50"));
    dataRow("old balance above, debit and credit columns, balance below",
            in(Kind::Windows1252,
               "Umsätze Girokonto;Zeitraum: 01.10.2024 - 31.10.2024\nAlter Kontostand;1.500,00 EUR\n\n"
               "Buchungstag;Wert;Umsatzart;Begünstigter / Auftraggeber;Verwendungszweck;IBAN;BIC;Soll;Haben;Währung\n"
               "02.10.2024;02.10.2024;Lastschrift;Stromanbieter GmbH;Abschlag Oktober;DE00123456780000000001;"
               "ABCDDEFFXXX;-85,00;;EUR\n"
               "15.10.2024;15.10.2024;Gutschrift;Firma Beispiel;Gehalt Oktober;DE00123456780000000002;ABCDDEFFXXX;;"
               "2.300,00;EUR\n"
               "20.10.2024;21.10.2024;Kartenzahlung;Tankstelle Nord;Tanken;DE00123456780000000003;ABCDDEFFXXX;-55,10;;"
               "EUR\nKontostand;31.10.2024;;;3.659,90;EUR\n"),
            QStringLiteral("2024-10-02 -85.00 Stromanbieter GmbH\n2024-10-15 2300.00 Firma Beispiel\n"
                           "2024-10-20 -55.10 Tankstelle Nord"),
            QStringLiteral("B8"), QStringLiteral("sum ok closing 3659.90"));
    dataRow("balance above the titles, French",
            in(Kind::Windows1252,
               "Téléchargement du 10/12/2024;\nCompte de dépôt;\nSolde au 10/12/2024;1 234,56 €\n\n"
               "Date;Libellé;Débit euros;Crédit euros;\n05/12/2024;\"PRLV SEPA FREE MOBILE\";19,99;;\n"
               "06/12/2024;\"VIR SALAIRE\";;2 100,00;\n"),
            QStringLiteral("2024-12-05 -19.99 PRLV SEPA FREE MOBILE\n2024-12-06 2100.00 VIR SALAIRE"), QString(),
            QStringLiteral("closing 1234.56"));
    dataRow("a preamble of two fields, one with a date, and a note",
            in(Kind::Windows1252,
               "Umsatzanzeige;Datei erstellt am: 05.01.2024 10:00\nIBAN;DE12 5001 0517 0648 4898 90\n"
               "Zeitraum;01.12.2023 - 04.01.2024\nSaldo;2.476,55;EUR\n;\n"
               "In der CSV-Datei finden Sie alle bereits gebuchten Umsätze.\n;\n"
               "Buchung;Valuta;Auftraggeber/Empfänger;Buchungstext;Verwendungszweck;Saldo;Währung;Betrag;Währung\n"
               "04.01.2024;04.01.2024;REWE;Lastschrift;Einkauf 1234;2.476,55;EUR;-23,45;EUR\n"
               "02.01.2024;02.01.2024;Arbeitgeber GmbH;Gehalt;Gehalt Januar;2.500,00;EUR;2.500,00;EUR\n"),
            QStringLiteral("2024-01-04 -23.45 REWE\n2024-01-02 2500.00 Arbeitgeber GmbH"), QString(),
            QStringLiteral("rows 1/0 closing 2476.55"));
    dataRow("a word instead of the date of what is not booked yet",
            in(Kind::Windows1252, "\"Buchungstag\";\"Wertstellung (Valuta)\";\"Vorgang\";\"Umsatz in EUR\";\n"
                                  "\"offen\";\"--\";\"Lastschrift\";\"-12,99\";\n"
                                  "\"30.01.2024\";\"30.01.2024\";\"Lastschrift\";\"-23,45\";\n"),
            QStringLiteral("2024-01-30 -23.45 Lastschrift"), QStringLiteral("S2"), QString());
    // Dates that fit both orders are read as the days that lie closest together; the dialog asks.
    dataRow("days of one week that fit both orders",
            utf8("Transaction Date,Description,Debit Amount,Credit Amount\n05/01/2024,TESCO,23.45,\n"
                 "04/01/2024,EMPLOYER,,2500.00\n03/01/2024,COUNCIL TAX,150.00,\n"),
            QStringLiteral("2024-01-05 -23.45 TESCO\n2024-01-04 2500.00 EMPLOYER\n2024-01-03 -150.00 COUNCIL TAX"),
            QString(), QString());
    // A card statement may show charges as positive: the dialog says so rather than book them silently.
    dataRow("charges as positive amounts",
            utf8("Trans. Date,Post Date,Description,Amount\n01/15/2024,01/16/2024,AMAZON,45.99\n"
                 "01/16/2024,01/16/2024,PAYMENT,-500.00\n01/17/2024,01/18/2024,GROCER,82.10\n"
                 "01/18/2024,01/19/2024,FUEL,40.00\n"),
            QStringLiteral("2024-01-15 45.99 AMAZON\n2024-01-16 -500.00 PAYMENT\n2024-01-17 82.10 GROCER\n"
                           "2024-01-18 40.00 FUEL"),
            QString(), QStringLiteral("warned"));
    // Layouts of many countries, their titles in their languages.
    dataRow("no titles, a starred column",
            utf8("\"01/05/2024\",\"-42.17\",\"*\",\"\",\"PURCHASE SAFEWAY\"\n"
                 "\"01/08/2024\",\"1250.00\",\"*\",\"\",\"PAYROLL DEP ACME INC\"\n"
                 "\"01/16/2024\",\"-9.99\",\"*\",\"\",\"STREAMING SERVICE\"\n"),
            QStringLiteral("2024-01-05 -42.17 PURCHASE SAFEWAY\n2024-01-08 1250.00 PAYROLL DEP ACME INC\n"
                           "2024-01-16 -9.99 STREAMING SERVICE"),
            QString(), QString());
    dataRow(
        "many columns, money in and out beside the amount",
        utf8("Transaction ID,Date,Time,Type,Name,Emoji,Category,Amount,Currency,Local amount,Local currency,"
             "Notes and #tags,Address,Receipt,Description,Category split,Money Out,Money In\n"
             "tx_0001,13/02/2024,08:15:00,Card payment,Pret,,Eating out,-5.40,GBP,-5.40,GBP,,,,PRET LONDON,,-5.40,\n"
             "tx_0002,14/02/2024,09:00:00,Faster payment,Employer Ltd,,Income,2100.00,GBP,2100.00,GBP,,,,SALARY,,,"
             "2100.00\n"
             "tx_0003,15/02/2024,19:30:00,Card payment,Tesco,,Groceries,-23.10,GBP,-23.10,GBP,,,,TESCO STORES,,"
             "-23.10,\n"),
        QStringLiteral("2024-02-13 -5.40 Pret\n2024-02-14 2100.00 Employer Ltd\n2024-02-15 -23.10 Tesco"), QString(),
        QString());
    dataRow("a column of debit and credit words beside signed amounts",
            utf8("Details,Posting Date,Description,Amount,Type,Balance,Check or Slip #\n"
                 "DEBIT,03/04/2024,\"AMAZON MKTPL\",-25.99,ACH_DEBIT,974.01,,\n"
                 "CREDIT,03/05/2024,\"DIRECT DEP EMPLOYER\",1800.00,ACH_CREDIT,2774.01,,\n"
                 "DEBIT,03/07/2024,\"CITY WATER\",-61.20,ACH_DEBIT,2712.81,,\n"),
            QStringLiteral("2024-03-04 -25.99 AMAZON MKTPL\n2024-03-05 1800.00 DIRECT DEP EMPLOYER\n"
                           "2024-03-07 -61.20 CITY WATER"),
            QString(), QStringLiteral("rows 2/0 closing 2712.81"));
    dataRow("Polish, titles marked with #, blanks between thousands",
            in(Kind::Windows1250,
               "#Data operacji;#Opis operacji;#Rachunek;#Kategoria;#Kwota;\n"
               "2024-04-02;\"PRZELEW PRZYCHODZĄCY Wynagrodzenie\";\"eKonto\";\"Wpływy\";\"5 200,00 PLN\";\n"
               "2024-04-03;\"ZAKUP PRZY UŻYCIU KARTY Biedronka\";\"eKonto\";\"Żywność\";\"-87,45 PLN\";\n"),
            QStringLiteral("2024-04-02 5200.00 PRZELEW PRZYCHODZĄCY Wynagrodzenie\n"
                           "2024-04-03 -87.45 ZAKUP PRZY UŻYCIU KARTY Biedronka"),
            QString(), QString());
    dataRow("Czech",
            in(Kind::Windows1250,
               "\"ID pohybu\";\"Datum\";\"Objem\";\"Měna\";\"Protiúčet\";\"Kód banky\";\"Zpráva pro příjemce\";"
               "\"Poznámka\";\"Typ\"\n"
               "\"2000000001\";\"01.05.2024\";\"-1 250,00\";\"CZK\";\"123456789\";\"0100\";\"Nájem květen\";\"Nájem\";"
               "\"Platba převodem\"\n"
               "\"2000000002\";\"03.05.2024\";\"45 000,00\";\"CZK\";\"987654321\";\"0300\";\"Mzda duben\";\"\";"
               "\"Bezhotovostní příjem\"\n"),
            QStringLiteral("2024-05-01 -1250.00 Nájem květen\n2024-05-03 45000.00 Mzda duben"), QString(), QString());
    dataRow("Finnish",
            utf8("Kirjauspäivä;Määrä;Maksaja;Maksunsaaja;Otsikko;Viitenumero;Valuutta\n"
                 "2024/07/01;-54,90;Matti Meikäläinen;K-Market;Korttiosto;;EUR\n"
                 "2024/07/02;1200,00;Työnantaja Oy;Matti Meikäläinen;Palkka;;EUR\n"),
            QStringLiteral("2024-07-01 -54.90 Matti Meikäläinen K-Market\n"
                           "2024-07-02 1200.00 Työnantaja Oy Matti Meikäläinen"),
            QString(), QString());
    dataRow("Norwegian, withdrawals and deposits",
            utf8("\"Dato\";\"Forklaring\";\"Rentedato\";\"Uttak\";\"Innskudd\"\n"
                 "\"05.09.2024\";\"Varekjøp REMA 1000\";\"05.09.2024\";\"245,60\";\"\"\n"
                 "\"10.09.2024\";\"Lønn\";\"10.09.2024\";\"\";\"32.500,00\"\n"),
            QStringLiteral("2024-09-05 -245.60 Varekjøp REMA 1000\n2024-09-10 32500.00 Lønn"), QString(), QString());
    dataRow("Italian, money in and out",
            utf8("Data contabile;Data valuta;Descrizione;Entrate;Uscite\n"
                 "02/10/2024;02/10/2024;Stipendio ottobre;1.850,00;\n"
                 "05/10/2024;05/10/2024;Pagamento POS Esselunga;;-64,30\n"),
            QStringLiteral("2024-10-02 1850.00 Stipendio ottobre\n2024-10-05 -64.30 Pagamento POS Esselunga"),
            QString(), QString());
    dataRow("Portuguese, two balances",
            utf8("Data mov.;Data valor;Descrição;Débito;Crédito;Saldo contabilístico;Saldo disponível\n"
                 "02-01-2024;02-01-2024;Compra Continente;23,40;;976,60;976,60\n"
                 "03-01-2024;03-01-2024;Ordenado;;1.500,00;2.476,60;2.476,60\n"),
            QStringLiteral("2024-01-02 -23.40 Compra Continente\n2024-01-03 1500.00 Ordenado"), QString(),
            QStringLiteral("rows 1/0 closing 2476.60"));
    dataRow("Swiss, apostrophes between thousands, newest first",
            utf8("Buchungsdatum;Avisierungstext;Gutschrift in CHF;Lastschrift in CHF;Valuta;Saldo in CHF\n"
                 "31.01.2024;\"KAUF MIGROS\";;-87.35;31.01.2024;4'912.65\n"
                 "30.01.2024;\"GUTSCHRIFT LOHN\";5'000.00;;30.01.2024;5'000.00\n"),
            QStringLiteral("2024-01-31 -87.35 KAUF MIGROS\n2024-01-30 5000.00 GUTSCHRIFT LOHN"), QString(),
            QStringLiteral("rows 1/0 closing 4912.65"));
    dataRow("newest first, each day's rows oldest first",
            utf8("Date;Payee;Amount;Balance\n03.03.2024;C;-5,00;95,00\n02.03.2024;A;-10,00;90,00\n"
                 "02.03.2024;B;50,00;140,00\n02.03.2024;D;-40,00;100,00\n01.03.2024;E;100,00;100,00\n"),
            QStringLiteral("2024-03-03 -5.00 C\n2024-03-02 -10.00 A\n2024-03-02 50.00 B\n2024-03-02 -40.00 D\n"
                           "2024-03-01 100.00 E"),
            QString(), QStringLiteral("rows 4/0 closing 95.00"));
    dataRow("the day's closing balance on each of its rows",
            utf8("Date;Payee;Amount;Balance\n01.03.2024;A;100,00;100,00\n02.03.2024;B;-10,00;80,00\n"
                 "02.03.2024;C;-10,00;80,00\n03.03.2024;D;-5,00;75,00\n"),
            QStringLiteral("2024-03-01 100.00 A\n2024-03-02 -10.00 B\n2024-03-02 -10.00 C\n2024-03-03 -5.00 D"),
            QString(), QStringLiteral("rows 3/0 closing 75.00"));
    // An amount the bank's own balance does not confirm is flagged, not booked unasked.
    dataRow("one amount altered",
            utf8("Date;Payee;Amount;Balance\n01.02.2024;A;-10,00;90,00\n02.02.2024;B;-20,00;70,00\n"
                 "03.02.2024;C;-35,00;40,00\n04.02.2024;D;100,00;140,00\n05.02.2024;E;-5,00;135,00\n"),
            QStringLiteral("2024-02-01 -10.00 A\n2024-02-02 -20.00 B\n2024-02-03 -35.00 C [disagrees]\n"
                           "2024-02-04 100.00 D\n2024-02-05 -5.00 E"),
            QString(), QStringLiteral("rows 3/1 closing 135.00"));
}

void TestBankFiles::readByGuess()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, rows);
    QFETCH(QString, notBooked);
    QFETCH(QString, proof);
    const TCsvGuess g = TCsvGuess::from(file);
    QVERIFY(g.found);
    const TImportPreview p(TCsvReader::read(file, g.settings), TImportMatcher({}));
    QCOMPARE(rowsOf(p), rows);
    QCOMPARE(notBookedOf(p.statement()), notBooked);
    QCOMPARE(proofOf(p), proof);
    // Only new rows are ticked.
    for (int i = 0; i < p.rowCount(); ++i)
        QCOMPARE(p.isTicked(i), p.status(i) == TImportPreview::Status::New);
}

QTEST_GUILESS_MAIN(TestBankFiles)
#include "tst_bankfiles.moc"
