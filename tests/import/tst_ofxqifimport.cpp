#include "StatementFiles.h"
#include "TestDb.h"
#include "import/TImportFormat.h"
#include "import/TOfxReader.h"
#include "import/TQifReader.h"
#include "import/TStatementFile.h"
#include "import/TTextEncoding.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TImportFormat::Kind)

namespace {

QByteArray sgmlOfx(const QByteArray& transactions, const QByteArray& balances = {})
{
    return "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nCHARSET:1252\n\n<OFX>\n<BANKMSGSRSV1><STMTTRNRS><TRNUID>1\n"
           "<STATUS><CODE>0<SEVERITY>INFO</STATUS>\n<STMTRS><CURDEF>EUR\n"
           "<BANKACCTFROM><BANKID>1<ACCTID>2<ACCTTYPE>CHECKING</BANKACCTFROM>\n"
           "<BANKTRANLIST><DTSTART>20240101<DTEND>20240131\n" +
           transactions + "</BANKTRANLIST>\n" + balances + "</STMTRS></STMTTRNRS></BANKMSGSRSV1>\n</OFX>\n";
}

// "amount on date, line n", or empty.
QString balanceText(const std::optional<TStatementBalance>& b)
{
    return b ? QStringLiteral("%1 on %2, line %3").arg(b->amount.toFixed2(), b->date.toString(Qt::ISODate)).arg(b->line)
             : QString();
}

int lineOf(const QByteArray& bytes, qsizetype at)
{
    return static_cast<int>(bytes.left(at).count('\n')) + 1;
}

} // namespace

class TestOfxQifImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale("en_US"); }
    void ofxStatement_data();
    void ofxStatement();
    void ofxDamaged();
    void ofxPayeeAggregate();
    void notOfx();
    void ofxBalanceAndEnd_data();
    void ofxBalanceAndEnd();
    void qifOpeningAndSplits_data();
    void qifOpeningAndSplits();
    void noStatement_data();
    void noStatement();
    void qifStatement();
    void qifSections();
    void qifDateOrder_data();
    void qifDateOrder();
    void detectFormat_data();
    void detectFormat();
};

void TestOfxQifImport::ofxStatement_data()
{
    QTest::addColumn<bool>("xml");
    QTest::newRow("SGML, OFX 1.0.2, Windows-1252") << false;
    QTest::newRow("XML, OFX 2.1.1, UTF-8") << true;
}

void TestOfxQifImport::ofxStatement()
{
    QFETCH(bool, xml);
    const QList<StatementEntry> ledger = bankLedger(QDate(2024, 1, 1), QDate(2024, 1, 31));
    const QByteArray bytes = bankOfx(ledger, xml);
    QBuffer file;
    file.setData(bytes);
    const TStatement st = TOfxReader::read(file);

    QVERIFY2(st.problems.isEmpty(), qPrintable(problemsText(st)));
    QCOMPARE(st.rows.size(), ledger.size());
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < ledger.size(); ++i) {
        const TImportRow& r = st.rows.at(i);
        QCOMPARE(r.bankId, ledger.at(i).fitId);
        // The bank's day, also where DTPOSTED carries 23:00 EST (the next day in UTC).
        QCOMPARE(r.date, ledger.at(i).date);
        QCOMPARE(r.amount, ledger.at(i).amount);
        QCOMPARE(r.from, ledger.at(i).payee);
        QCOMPARE(r.forText, ledger.at(i).purpose);
        QCOMPARE(lines.at(r.line - 1), QByteArray("<STMTTRN>"));
    }
    QCOMPARE(st.rows.back().forText, QStringLiteral("Kaffee 3,20 €"));
    QCOMPARE(st.dateOrders, QList<TDateOrder>{TDateOrder::YearMonthDay});
}

void TestOfxQifImport::ofxDamaged()
{
    const QByteArray bytes = sgmlOfx("<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240105<TRNAMT>-4.20<FITID>A1<NAME>Good\n"
                                     "</STMTTRN>\n"
                                     "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240106<TRNAMT>abc<FITID>A2<NAME>Text amount\n"
                                     "</STMTTRN>\n"
                                     "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>2024x<TRNAMT>-1.00<FITID>A3<NAME>Bad date\n"
                                     "</STMTTRN>\n"
                                     "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240107<TRNAMT>-1,5<FITID>A4<NAME>Comma\n"
                                     "</STMTTRN>\n");
    const TStatement st = TOfxReader::read(bytes);
    QCOMPARE(st.rows.size(), 2);
    QCOMPARE(st.rows.at(0).bankId, QStringLiteral("A1"));
    QCOMPARE(st.rows.at(1).amount, money("-1.5"));
    QCOMPARE(problemsText(st), QStringLiteral("14: The amount \"abc\" is not a number.\n"
                                              "16: \"2024x\" is not a date."));
}

void TestOfxQifImport::ofxPayeeAggregate()
{
    // A transaction may name its payee in a PAYEE aggregate instead of NAME.
    const QByteArray bytes =
        sgmlOfx("<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240105<TRNAMT>-4.20<FITID>P1\n"
                "<PAYEE><NAME>Stadtwerke &amp; Co<ADDR1>Ring 1<CITY>Ulm<STATE>BW<POSTALCODE>89073</PAYEE>\n"
                "<MEMO>Strom</STMTTRN>\n");
    const TStatement st = TOfxReader::read(bytes);
    QCOMPARE(st.rows.size(), 1);
    QCOMPARE(st.rows.at(0).from, QStringLiteral("Stadtwerke & Co"));
    QCOMPARE(st.rows.at(0).forText, QStringLiteral("Strom"));
}

void TestOfxQifImport::notOfx()
{
    const TStatement st = TOfxReader::read(QByteArray("Datum;Betrag\n01.01.2024;5,00\n"));
    QVERIFY(st.rows.isEmpty());
    QCOMPARE(problemsText(st), QStringLiteral("0: The file is not an OFX or QFX bank statement."));
    const TStatement empty = TOfxReader::read(sgmlOfx(""));
    QCOMPARE(problemsText(empty), QStringLiteral("0: The statement holds no transactions."));
}

void TestOfxQifImport::ofxBalanceAndEnd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("closing");
    QTest::addColumn<QString>("problems");
    QTest::addColumn<bool>("cutOff");

    const QList<StatementEntry> ledger = bankLedger(QDate(2024, 1, 1), QDate(2024, 1, 5));
    const int n = static_cast<int>(ledger.size());
    Currency balance = Currency::fromUnits(1000);
    for (const StatementEntry& e : ledger)
        balance += e.amount;
    const QString cutReason = QStringLiteral("%1: This transaction is cut off where the file ends.");
    for (bool xml : {false, true}) {
        const QByteArray whole = bankOfx(ledger, xml);
        const qsizetype lastOpen = whole.lastIndexOf("<STMTTRN>"), lastClose = whole.lastIndexOf("</STMTTRN>");
        const char* kind = xml ? "XML" : "SGML";
        QTest::addRow("%s, whole", kind) << whole << n
                                         << QStringLiteral("%1 on 2024-01-05, line %2")
                                                .arg(balance.toFixed2())
                                                .arg(lineOf(whole, whole.indexOf("<LEDGERBAL>")))
                                         << "" << false;
        QTest::addRow("%s, cut inside a transaction", kind)
            << whole.left(lastClose) << n - 1 << "" << cutReason.arg(lineOf(whole, lastOpen)) << true;
        QTest::addRow("%s, cut between transactions", kind) << whole.left(lastClose + 11) << n << ""
                                                            << "" << true;
    }
    const QByteArray sgml = sgmlOfx("<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240105<TRNAMT>-4.20<FITID>A1<NAME>Kiosk\n"
                                    "</STMTTRN>\n<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240106<TRNAMT>-5.00<FITID>A2\n");
    QTest::newRow("SGML, cut before the transaction's id")
        << sgml.left(sgml.indexOf("<FITID>A2")) << 1 << "" << cutReason.arg(lineOf(sgml, sgml.lastIndexOf("<STMTTRN>")))
        << true;
    QTest::newRow("available balance alone")
        << sgmlOfx("", "<AVAILBAL><BALAMT>-12,34<DTASOF>20240131120000[+1:CET]</AVAILBAL>\n") << 0
        << "-12.34 on 2024-01-31, line 13"
        << "0: The statement holds no transactions." << false;
    QTest::newRow("ledger balance before available balance")
        << sgmlOfx("", "<LEDGERBAL><BALAMT>50.00<DTASOF>20240131</LEDGERBAL>\n"
                       "<AVAILBAL><BALAMT>75.00<DTASOF>20240131</AVAILBAL>\n")
        << 0 << "50.00 on 2024-01-31, line 13"
        << "0: The statement holds no transactions." << false;
}

void TestOfxQifImport::ofxBalanceAndEnd()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, rows);
    QFETCH(QString, closing);
    QFETCH(QString, problems);
    QFETCH(bool, cutOff);
    const TStatement st = TOfxReader::read(bytes);
    QCOMPARE(st.rows.size(), rows);
    QCOMPARE(problemsText(st), problems);
    QCOMPARE(balanceText(st.closing), closing);
    const QStringList warning{QStringLiteral("The file is incomplete: it ends in the middle of the statement, perhaps "
                                             "because the download was cut off. Download the statement again.")};
    QCOMPARE(st.warnings, cutOff ? warning : QStringList());
}

void TestOfxQifImport::qifOpeningAndSplits_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QDate>("date"); // of the one transaction
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("problems");

    QTest::newRow("a split's own date") << QByteArray("!Type:Bank\nD03/01/2024\nT-50.00\nPShop\nSFood\nD03/15/2024\n"
                                                      "Ebread\n$-20.00\nSHome\n$-30.00\n^\n")
                                        << QDate(2024, 3, 1) << ""
                                        << "";
    QTest::newRow("the first date counts")
        << QByteArray("!Type:Bank\nD03/02/2024\nD03/09/2024\nT-5.00\nPKiosk\n^\n") << QDate(2024, 3, 2) << ""
        << "";
    const QString balanceLine = QStringLiteral("2: The statement's opening balance; it is not booked.");
    QTest::newRow("opening balance") << QByteArray("!Type:Bank\nD01/01/2024\nT1,500.00\nCX\nPOpening Balance\n"
                                                   "L[Checking]\n^\nD01/02/2024\nT-5.00\nPKiosk\n^\n")
                                     << QDate(2024, 1, 2) << "1500.00 on 2024-01-01, line 2" << balanceLine;
    QTest::newRow("opening balance of 0") << QByteArray("!Type:CCard\nD01/01/2024\nT0.00\nPOpening Balance\n"
                                                        "L[Visa]\n^\nD01/03/2024\nT-19.99\nPBookshop\n^\n")
                                          << QDate(2024, 1, 3) << "0.00 on 2024-01-01, line 2" << balanceLine;
}

void TestOfxQifImport::qifOpeningAndSplits()
{
    QFETCH(QByteArray, file);
    QFETCH(QDate, date);
    QFETCH(QString, opening);
    QFETCH(QString, problems);
    const TStatement st = TQifReader::read(file, TQifReader::Options());
    QCOMPARE(st.rows.size(), 1);
    QCOMPARE(st.rows.at(0).date, date);
    QCOMPARE(balanceText(st.opening), opening);
    QCOMPARE(problemsText(st), problems);
    QCOMPARE(st.unreadCount(), 0); // a balance line is no line that failed
}

void TestOfxQifImport::noStatement_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason"); // empty: a text file, read as a statement

    const QString spreadsheet = QStringLiteral("This is a spreadsheet, not a statement: export CSV from your bank.");
    const QString binary =
        QStringLiteral("This is not a text file, so it cannot be a statement: export CSV from your bank.");
    const QString csv = QStringLiteral("Datum;Betrag\n01.03.2024;-5,00\n");
    QTest::newRow("xlsx") << "Umsaetze.xlsx"
                          << QByteArrayLiteral("PK\x03\x04\x14\0\x06\0\x08\0\0\0!\0[Content_Types].xml") << spreadsheet;
    QTest::newRow("ods named .csv") << "statement.csv"
                                    << QByteArrayLiteral("PK\x03\x04\x14\0\0\x08\0\0mimetypeapplication/"
                                                         "vnd.oasis.opendocument.spreadsheet")
                                    << spreadsheet;
    QTest::newRow("xls") << "Kontoauszug.xls"
                         << QByteArrayLiteral("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0\0\0\0\0\0\0>\0\x03\0")
                         << spreadsheet;
    QTest::newRow("pdf named .ofx") << "statement.ofx"
                                    << QByteArray("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< /Type /Catalog >>\n")
                                    << QStringLiteral("This is a PDF, not a statement: export CSV from your bank.");
    QTest::newRow("binary junk") << "export.csv" << QByteArrayLiteral("\x1F\x8B\x08\0\0\0\0\0\0\x03\xED\x5A;\x91\0\x01")
                                 << binary;
    QTest::newRow("a stray NUL in text") << "export.csv" << QByteArrayLiteral("Datum;Betrag\n01.03.2024;a\0b;-5,00\n")
                                         << "";
    QTest::newRow("UTF-16LE without BOM")
        << "export.csv" << TTextEncoding::encode(csv, TTextEncoding::Kind::Utf16LE) << "";
    QTest::newRow("UTF-16BE with BOM") << "export.csv"
                                       << "\xFE\xFF" + TTextEncoding::encode(csv, TTextEncoding::Kind::Utf16BE) << "";
}

void TestOfxQifImport::noStatement()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QFile out(dir.filePath(name));
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    out.close();
    QString error;
    const std::optional<TStatementFile> file = TStatementFile::load(out.fileName(), &error);
    QVERIFY2(file.has_value(), qPrintable(error));
    QCOMPARE(file->format == TImportFormat::Kind::Unsupported, !reason.isEmpty());
    if (reason.isEmpty())
        return;
    QCOMPARE(file->guess(), TCsvSettings());
    const TStatement st = file->read(file->guess());
    QVERIFY(st.rows.isEmpty());
    QCOMPARE(problemsText(st), QStringLiteral("0: ") + reason);
}

void TestOfxQifImport::qifStatement()
{
    const QList<StatementEntry> ledger = bankLedger(QDate(2024, 1, 1), QDate(2024, 2, 29));
    const QByteArray bytes = bankQif(ledger);
    const TQifReader::Options options = TQifReader::guess(bytes);
    QCOMPARE(options.dateOrder, TDateOrder::MonthDayYear);
    QCOMPARE(options.amountFormat.example(), QStringLiteral("1,234.56"));
    QBuffer file;
    file.setData(bytes);
    const TStatement st = TQifReader::read(file, options);
    QVERIFY2(st.problems.isEmpty(), qPrintable(problemsText(st)));
    QCOMPARE(st.rows.size(), ledger.size());
    for (qsizetype i = 0; i < ledger.size(); ++i) {
        QCOMPARE(st.rows.at(i).date, ledger.at(i).date);
        QCOMPARE(st.rows.at(i).amount, ledger.at(i).amount);
        QCOMPARE(st.rows.at(i).from, ledger.at(i).payee);
        QCOMPARE(st.rows.at(i).forText, ledger.at(i).purpose);
        QCOMPARE(st.rows.at(i).line, int(i) * 5 + 2);
    }
    QVERIFY(!st.dateOrderAmbiguous());
}

void TestOfxQifImport::qifSections()
{
    const QByteArray bytes("!Option:AutoSwitch\n"
                           "!Account\nNChecking\nTBank\n^\n"
                           "!Clear:AutoSwitch\n"
                           "!Type:Cat\nNFood\nE\n^\n"
                           "!Type:Bank\n"
                           "D01/20/2024\nT-1,012.30\nPGrocer\nMweekly shop\nLFood\nN1234\nCX\n^\n"
                           "D01/21/2024\nU25.00\nPRefund\n^\n"
                           "D01/22/2024\nPNo amount\n^\n"
                           "D13/22/2024\nT-1.00\nPBad date\n^\n"
                           "T-2.00\nPNo date\n^\n"
                           "!Type:Invst\nD01/23/2024\nT-99.00\nPShares\n^\n"
                           "!Type:Cash\n"
                           "D 1/24'24\nT-3.00\nPKiosk\nSSplit\n$-3.00\n"); // the last record lacks its "^"
    TQifReader::Options o;
    const TStatement st = TQifReader::read(bytes, o);
    QCOMPARE(st.rows.size(), 3);
    QCOMPARE(st.rows.at(0).amount, money("-1012.30"));
    QCOMPARE(st.rows.at(0).forText, QStringLiteral("weekly shop"));
    QCOMPARE(st.rows.at(0).memo, QStringLiteral("Food 1234"));
    QCOMPARE(st.rows.at(0).line, 12);
    QCOMPARE(st.rows.at(1).amount, money("25"));
    QCOMPARE(st.rows.at(2).from, QStringLiteral("Kiosk"));
    QCOMPARE(st.rows.at(2).date, QDate(2024, 1, 24));
    QCOMPARE(problemsText(st), QStringLiteral("24: There is no amount (a line starting with T).\n"
                                              "27: \"13/22/2024\" is not a date in the order month, day, year.\n"
                                              "31: There is no date (a line starting with D)."));
}

void TestOfxQifImport::qifDateOrder_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("ambiguous");
    QTest::addColumn<TDateOrder>("guessed");

    QTest::newRow("every day up to 12") << QByteArray("!Type:Bank\nD01/02/24\nT-1.00\n^\nD03/04/24\nT-2.00\n^\n")
                                        << true << TDateOrder::MonthDayYear;
    QTest::newRow("day first") << QByteArray("!Type:Bank\nD01/02/24\nT-1.00\n^\nD31/01/24\nT-2.00\n^\n") << false
                               << TDateOrder::DayMonthYear;
}

void TestOfxQifImport::qifDateOrder()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ambiguous);
    QFETCH(TDateOrder, guessed);
    const TQifReader::Options o = TQifReader::guess(file);
    QCOMPARE(o.dateOrder, guessed);
    const TStatement st = TQifReader::read(file, o);
    QCOMPARE(st.dateOrderAmbiguous(), ambiguous);
    QCOMPARE(st.rows.size(), 2);
}

void TestOfxQifImport::detectFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<TImportFormat::Kind>("kind");

    using K = TImportFormat::Kind;
    QTest::newRow("sgml ofx") << "x.txt" << QByteArray("OFXHEADER:100\nDATA:OFXSGML\n") << K::Ofx;
    QTest::newRow("xml ofx") << "x.xml" << QByteArray("<?xml version=\"1.0\"?>\n<?OFX ...?>\n<OFX>") << K::Ofx;
    QTest::newRow("qif with BOM") << "x.txt" << QByteArray("\xEF\xBB\xBF!Type:Bank\n") << K::Qif;
    QTest::newRow("qif account list") << "x" << QByteArray("!Account\nNChecking\n") << K::Qif;
    QTest::newRow("csv") << "x.csv" << QByteArray("Datum;Betrag\n") << K::Csv;
    QTest::newRow("by extension qfx") << "statement.QFX" << QByteArray("") << K::Ofx;
    QTest::newRow("by extension qif") << "statement.qif" << QByteArray("D1/2/24\n") << K::Qif;
}

void TestOfxQifImport::detectFormat()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, head);
    QFETCH(TImportFormat::Kind, kind);
    QCOMPARE(TImportFormat::detect(name, head), kind);
}

QTEST_GUILESS_MAIN(TestOfxQifImport)
#include "tst_ofxqifimport.moc"
