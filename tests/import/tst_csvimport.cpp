#include "StatementFiles.h"
#include "TestDb.h"
#include "import/TCsvGuess.h"
#include "import/TCsvReader.h"
#include "import/TCsvTokenizer.h"

#include <QBuffer>
#include <QTest>

namespace {

// "a|b|c" for each record, and "!line" for each broken one.
QStringList records(const QString& text, QChar delimiter)
{
    QStringList out;
    TCsvTokenizer t(text, delimiter);
    TCsvRecord r;
    while (t.next(r))
        out.append(r.error.isEmpty() ? QStringLiteral("%1:%2").arg(r.line).arg(r.fields.join(u'|'))
                                     : QStringLiteral("!%1").arg(r.line));
    return out;
}

} // namespace

class TestCsvImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale("en_US"); }
    void tokenize_data();
    void tokenize();
    void bankFile();
    void bankFileInAnotherLocale();
    void guessBankFile_data();
    void guessBankFile();
    void guessOtherBanks_data();
    void guessOtherBanks();
    void guessWithoutDates();
    void brokenFile();
    void debitCredit_data();
    void debitCredit();
    void everyDayUpTo12();
    void skipLines_data();
    void skipLines();
    void settingsJsonIsStable();
    void settingsJsonRefused_data();
    void settingsJsonRefused();
    void settingsCheck_data();
    void settingsCheck();
};

void TestCsvImport::tokenize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("delimiter");
    QTest::addColumn<QStringList>("records");

    QTest::newRow("plain") << "a;b;c\nd;e;f" << QChar(u';') << QStringList{"1:a|b|c", "2:d|e|f"};
    QTest::newRow("crlf and cr") << "a,b\r\nc,d\re,f\r\n" << QChar(u',') << QStringList{"1:a|b", "2:c|d", "3:e|f"};
    QTest::newRow("quoted delimiter") << "\"a;b\";c" << QChar(u';') << QStringList{"1:a;b|c"};
    QTest::newRow("doubled quotes") << "\"say \"\"hi\"\"\",x" << QChar(u',') << QStringList{"1:say \"hi\"|x"};
    QTest::newRow("line break in quotes")
        << "\"one\r\ntwo\";x\nnext;y" << QChar(u';') << QStringList{"1:one\ntwo|x", "3:next|y"};
    QTest::newRow("empty fields") << ";;\n\"\";x;" << QChar(u';') << QStringList{"1:||", "2:|x|"};
    QTest::newRow("tab") << "a\t\"b\tc\"" << QChar(u'\t') << QStringList{"1:a|b\tc"};
    QTest::newRow("blank after closing quote") << "\"a\"  ;b" << QChar(u';') << QStringList{"1:a|b"};
    QTest::newRow("quote inside unquoted field") << "12\" pizza;x" << QChar(u';') << QStringList{"1:12\" pizza|x"};
    QTest::newRow("text after closing quote") << "\"a\"b;c\nd;e" << QChar(u';') << QStringList{"!1", "2:d|e"};
    QTest::newRow("unclosed quote goes on with the next line")
        << "a;\"open\nb;c\nd;e" << QChar(u';') << QStringList{"!1", "2:b|c", "3:d|e"};
    QTest::newRow("unclosed quote on the last line") << "a;b\n\"c" << QChar(u';') << QStringList{"1:a|b", "!2"};
}

void TestCsvImport::tokenize()
{
    QFETCH(QString, text);
    QFETCH(QChar, delimiter);
    QFETCH(QStringList, records);
    QCOMPARE(::records(text, delimiter), records);
}

void TestCsvImport::bankFile()
{
    const QList<StatementEntry> ledger = bankLedger(QDate(2024, 1, 1), QDate(2024, 3, 31));
    QBuffer file;
    file.setData(bankCsv(ledger));
    const TStatement st = TCsvReader::read(file, bankCsvSettings());

    // The closing sum line, though skipped by the settings, is listed as the statement's own total.
    QCOMPARE(problemsText(st),
             QStringLiteral("%1: A total of the statement; it is not booked.").arg(ledger.size() + 5));
    QCOMPARE(st.problems.front().kind, TImportProblem::Kind::BalanceLine);
    QCOMPARE(st.titles, (QStringList{QStringLiteral("Buchungstag"), QStringLiteral("Valuta"),
                                     QStringLiteral("Auftraggeber/Empfänger"), QStringLiteral("Verwendungszweck"),
                                     QStringLiteral("Betrag"), QStringLiteral("Währung")}));
    QCOMPARE(st.rows.size(), ledger.size());
    for (qsizetype i = 0; i < ledger.size(); ++i) {
        const TImportRow& r = st.rows.at(i);
        QCOMPARE(r.line, int(i) + 5);
        QCOMPARE(r.date, ledger.at(i).date);
        QCOMPARE(r.amount, ledger.at(i).amount);
        QCOMPARE(r.from, ledger.at(i).payee);
        QCOMPARE(r.forText, ledger.at(i).purpose);
        QVERIFY(r.memo.isEmpty() && r.bankId.isEmpty());
    }
    // The salary of 2.345,67 and the coffee's "€" and "ü" from Windows-1252.
    QCOMPARE(st.rows.at(0).amount, money("2345.67"));
    QCOMPARE(st.rows.at(0).from, QStringLiteral("Arbeitgeber GmbH"));
    QVERIFY(st.rows.back().forText.endsWith(QStringLiteral("3,20 €")));
    QCOMPARE(st.rows.back().from, QStringLiteral("Café Müller"));
    QCOMPARE(st.encoding, TTextEncoding::Kind::Windows1252);
    QCOMPARE(st.dateOrders, QList<TDateOrder>{TDateOrder::DayMonthYear});
}

void TestCsvImport::bankFileInAnotherLocale()
{
    // The file's notation counts, never the user's: a German and an American user read the same.
    const QByteArray bytes = bankCsv(bankLedger(QDate(2024, 1, 1), QDate(2024, 1, 10)));
    pinLocale("de_DE");
    const TStatement german = TCsvReader::read(bytes, bankCsvSettings());
    pinLocale("en_US");
    const TStatement american = TCsvReader::read(bytes, bankCsvSettings());
    QCOMPARE(german.rows.size(), american.rows.size());
    for (qsizetype i = 0; i < german.rows.size(); ++i)
        QCOMPARE(german.rows.at(i).amount, american.rows.at(i).amount);
    QCOMPARE(german.rows.at(0).amount, money("2345.67"));
}

void TestCsvImport::guessBankFile_data()
{
    QTest::addColumn<QByteArray>("file");
    const QList<StatementEntry> entries = bankLedger(QDate(2024, 1, 1), QDate(2024, 3, 31));
    QTest::newRow("as the bank writes it") << bankCsv(entries);
    // A text amount among the numbers does not make the amounts a text column.
    QTest::newRow("three broken lines") << brokenBankCsv(entries);
}

void TestCsvImport::guessBankFile()
{
    QFETCH(QByteArray, file);
    const TCsvGuess g = TCsvGuess::from(file);
    QVERIFY(g.found);
    QVERIFY(!g.dateOrderAmbiguous);
    // The sum line at the end is left to the reader, which lists it.
    TCsvSettings expected = bankCsvSettings();
    expected.skipBottom = 0;
    QCOMPARE(g.settings.toJson(), expected.toJson());
    QCOMPARE(g.titles.value(2), QStringLiteral("Auftraggeber/Empfänger"));
}

void TestCsvImport::guessOtherBanks_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected"); // toJson() of the settings expected

    TCsvSettings us;
    us.encoding = TTextEncoding::Kind::Utf8;
    us.delimiter = u',';
    us.skipTop = 1;
    us.hasTitles = true;
    us.dateOrder = TDateOrder::MonthDayYear;
    us.amountFormat.decimal = u'.';
    us.amountFormat.grouping = u',';
    us.amountMode = TCsvSettings::AmountMode::DebitCredit;
    us.debitColumn = 2;
    us.creditColumn = 3;
    us.balanceColumn = 4;
    us.fromColumns = {1};
    QTest::newRow("debit and credit columns, month first")
        << QByteArray("Date,Description,Debit,Credit,Balance\n"
                      "01/13/2024,Coffee Shop,4.50,,\"1,995.50\"\n"
                      "01/14/2024,Payroll,,\"2,000.00\",\"3,995.50\"\n"
                      "01/15/2024,\"Grocer, Inc.\",\"1,012.30\",,\"2,983.20\"\n")
        << QString::fromUtf8(us.toJson());

    TCsvSettings plain;
    plain.encoding = TTextEncoding::Kind::Utf8;
    plain.delimiter = u'\t';
    plain.dateOrder = TDateOrder::YearMonthDay;
    plain.amountFormat.decimal = u'.';
    plain.amountFormat.grouping = u',';
    plain.amountColumn = 3;
    plain.fromColumns = {1};
    plain.forColumns = {2};
    QTest::newRow("no titles, iso dates, tabs")
        << QByteArray("2024-02-01\tACME\tinvoice 17\t-120.00\n2024-02-03\tShop\tsocks\t-9.99\n"
                      "2024-02-05\tACME\trefund\t20.00\n")
        << QString::fromUtf8(plain.toJson());
}

void TestCsvImport::guessOtherBanks()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    const TCsvGuess g = TCsvGuess::from(file);
    QVERIFY(g.found);
    QCOMPARE(QString::fromUtf8(g.settings.toJson()), expected);
    // What is guessed reads the file without a problem.
    const TStatement st = TCsvReader::read(file, g.settings);
    QVERIFY2(st.problems.isEmpty(), qPrintable(problemsText(st)));
    QCOMPARE(st.rows.size(), 3);
}

void TestCsvImport::guessWithoutDates()
{
    // Nothing that looks like a statement: the defaults, and the dialog asks for everything.
    const TCsvGuess g = TCsvGuess::from("Name;Ort\nAnna;Ulm\nBert;Bonn\n");
    QVERIFY(!g.found);
    QVERIFY(g.settings.fromColumns.isEmpty());
    QCOMPARE(TCsvGuess::from(QByteArray()).found, false);
}

void TestCsvImport::brokenFile()
{
    const QByteArray file =
        TTextEncoding::encode(QStringLiteral("\"Buchungstag\";\"Valuta\";\"Empfänger\";\"Zweck\";\"Betrag\"\n"
                                             "\"02.01.2024\";\"\";\"Bäcker\";\"Brot\";\"-3,50\"\n"
                                             "\"03.01.2024\";\"\";\"Kiosk\"x;\"Zeitung\";\"-2,00\"\n"
                                             "\"04.01.2024\";\"\";\"Tankstelle\";\"Benzin\";\"zwölf\"\n"
                                             "\"05.01.2024\";\"\";\"Post\";\"Porto\";\"1,234.56\"\n"
                                             "\"32.01.2024\";\"\";\"Kino\";\"Karten\";\"-20,00\"\n"
                                             "\"06.01.2024\";\"\";\"Apotheke\"\n"
                                             "\"07.01.2024\";\"\";\"Bank\";\"Info\";\"0,00\"\n"
                                             "\"08.01.2024\";\"\";\"Markt\";\"Obst\";\"-4,10\"\n"
                                             "\"09.01.2024\";\"\";\"Club\";\"Beitrag\n"
                                             "\"10.01.2024\";\"\";\"Laden\";\"Seife\";\"-1,99\"\n"),
                              TTextEncoding::Kind::Windows1252);
    TCsvSettings s = bankCsvSettings();
    s.skipTop = 1;
    s.skipBottom = 0;
    const TStatement st = TCsvReader::read(file, s);

    QCOMPARE(st.rows.size(), 3);
    QCOMPARE(st.rows.at(0).line, 2);
    QCOMPARE(st.rows.at(1).line, 9);
    QCOMPARE(st.rows.at(1).from, QStringLiteral("Markt"));
    QCOMPARE(st.rows.at(2).line, 11);
    QCOMPARE(problemsText(st),
             QStringLiteral("3: A text in quotes is followed by other characters.\n"
                            "4: The amount \"zwölf\" is not a number.\n"
                            "5: The amount \"1,234.56\" is not written like the other amounts of the file "
                            "(1.234,56).\n"
                            "6: \"32.01.2024\" is not a date in the order day, month, year.\n"
                            "7: The line has 3 columns; the amount should be in column 5.\n"
                            "8: The amount is 0; there is nothing to book.\n"
                            "10: A text in quotes is not closed."));
    QCOMPARE(st.problems.at(1).text, QStringLiteral("\"04.01.2024\";\"\";\"Tankstelle\";\"Benzin\";\"zwölf\""));
}

void TestCsvImport::debitCredit_data()
{
    QTest::addColumn<QString>("debit");
    QTest::addColumn<QString>("credit");
    QTest::addColumn<bool>("negate");
    QTest::addColumn<QString>("amount"); // empty: a problem

    QTest::newRow("paid out") << "12,50"
                              << "" << false << "-12.5";
    QTest::newRow("paid out with a minus") << "-12,50"
                                           << "" << false << "-12.5";
    QTest::newRow("received") << ""
                              << "1.000,00" << false << "1000";
    QTest::newRow("zero in the other column") << "0,00"
                                              << "7,00" << false << "7";
    QTest::newRow("negated") << "12,50"
                             << "" << true << "12.5";
    QTest::newRow("both") << "1,00"
                          << "2,00" << false << "";
    QTest::newRow("neither") << ""
                             << "" << false << "";
    QTest::newRow("bad text") << "viel"
                              << "" << false << "";
}

void TestCsvImport::debitCredit()
{
    QFETCH(QString, debit);
    QFETCH(QString, credit);
    QFETCH(bool, negate);
    QFETCH(QString, amount);
    TCsvSettings s;
    s.amountFormat.decimal = u',';
    s.amountFormat.grouping = u'.';
    s.amountMode = TCsvSettings::AmountMode::DebitCredit;
    s.debitColumn = 2;
    s.creditColumn = 3;
    s.fromColumns = {1};
    s.negate = negate;
    const TStatement st = TCsvReader::read(QStringLiteral("01.02.2024;Laden;%1;%2").arg(debit, credit).toUtf8(), s);
    if (amount.isEmpty()) {
        QCOMPARE(st.rows.size(), 0);
        QCOMPARE(st.problems.size(), 1);
    } else {
        QCOMPARE(st.rows.size(), 1);
        QCOMPARE(st.rows.at(0).amount, money(amount.toLatin1().constData()));
    }
}

void TestCsvImport::everyDayUpTo12()
{
    const QByteArray file("Date,Payee,Amount\n01/02/2024,A,-1.00\n03/04/2024,B,-2.00\n12/11/2024,C,3.00\n");
    const TCsvGuess g = TCsvGuess::from(file);
    QVERIFY(g.dateOrderAmbiguous);
    const TStatement st = TCsvReader::read(file, g.settings);
    QVERIFY(st.dateOrderAmbiguous());
    QCOMPARE(st.dateOrders, (QList<TDateOrder>{TDateOrder::DayMonthYear, TDateOrder::MonthDayYear}));
    // A 13th anywhere in the file settles it.
    const TStatement settled = TCsvReader::read(file + "13/11/2024,D,4.00\n", g.settings);
    QVERIFY(!settled.dateOrderAmbiguous());
}

void TestCsvImport::skipLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("firstLine");

    QTest::newRow("none") << "a\nb\n" << 0 << 0 << "a\nb\n" << 1;
    QTest::newRow("top and bottom") << "h1\r\nh2\r\na\r\nb\r\nf\r\n" << 2 << 1 << "a\r\nb\r\n" << 3;
    QTest::newRow("blank lines at the end do not count") << "a\nb\nf\n\n  \n" << 0 << 1 << "a\nb\n" << 1;
    QTest::newRow("more than there is") << "a\nb\n" << 1 << 5 << "" << 2;
}

void TestCsvImport::skipLines()
{
    QFETCH(QString, text);
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(QString, body);
    QFETCH(int, firstLine);
    const TCsvReader::Body b = TCsvReader::body(text, top, bottom);
    QCOMPARE(b.text.toString(), body);
    QCOMPARE(b.firstLine, firstLine);
}

void TestCsvImport::settingsJsonIsStable()
{
    TCsvSettings s = bankCsvSettings();
    s.dateOrderChosen = true;
    s.memoColumns = {5, 1};
    s.idColumn = 6;
    s.directionColumn = 7;
    s.paidOutMarks = {QStringLiteral("Af")};
    s.receivedMarks = {QStringLiteral("Bij"), QStringLiteral("+")};
    s.balanceColumn = 8;
    const QByteArray json = s.toJson();
    // Stored profiles are compared and kept as text: the form must not drift.
    QCOMPARE(json,
             QByteArray("{\"amountColumn\":4,\"amountMode\":\"signed\",\"balanceColumn\":8,\"creditColumn\":-1,"
                        "\"dateColumn\":0,\"dateOrder\":\"DMY\",\"dateOrderChosen\":true,\"debitColumn\":-1,"
                        "\"decimal\":\",\",\"delimiter\":\";\",\"directionColumn\":7,\"encoding\":\"Windows-1252\","
                        "\"feeColumn\":-1,\"forColumns\":[3],\"fromColumns\":[2],\"grouping\":\".\",\"hasTitles\":true,"
                        "\"idColumn\":6,\"memoColumns\":[5,1],\"negate\":false,\"paidOutMarks\":[\"Af\"],"
                        "\"receivedMarks\":[\"Bij\",\"+\"],\"skipBottom\":1,\"skipTop\":4,\"stateColumn\":-1,"
                        "\"version\":2}"));
    const std::optional<TCsvSettings> back = TCsvSettings::fromJson(json);
    QVERIFY(back.has_value());
    QVERIFY(*back == s);
    // Keys left out keep their defaults.
    QVERIFY(TCsvSettings::fromJson("{}") == TCsvSettings());
    // A profile saved before the direction, balance, state and fee columns reads as it did.
    const std::optional<TCsvSettings> old = TCsvSettings::fromJson(
        "{\"amountColumn\":4,\"amountMode\":\"signed\",\"creditColumn\":-1,\"dateColumn\":0,\"dateOrder\":\"DMY\","
        "\"dateOrderChosen\":false,\"debitColumn\":-1,\"decimal\":\",\",\"delimiter\":\";\",\"encoding\":\"Windows-"
        "1252\","
        "\"forColumns\":[3],\"fromColumns\":[2],\"grouping\":\".\",\"hasTitles\":true,\"idColumn\":-1,\"memoColumns\":["
        "],"
        "\"negate\":false,\"skipBottom\":1,\"skipTop\":4,\"version\":1}");
    QVERIFY(old.has_value());
    QVERIFY(*old == bankCsvSettings());
}

void TestCsvImport::settingsJsonRefused_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");

    const QString damaged = QStringLiteral("The import profile is damaged.");
    QTest::newRow("not json") << QByteArray("{\"delimiter\":") << damaged;
    QTest::newRow("an array") << QByteArray("[1]") << damaged;
    QTest::newRow("newer") << QByteArray("{\"version\":3}")
                           << QStringLiteral("The import profile was saved by a newer version of the program.");
    QTest::newRow("encoding") << QByteArray("{\"encoding\":\"EBCDIC\"}") << damaged;
    QTest::newRow("date order") << QByteArray("{\"dateOrder\":\"DYM\"}") << damaged;
    QTest::newRow("delimiter of two") << QByteArray("{\"delimiter\":\";;\"}") << damaged;
    QTest::newRow("negative column") << QByteArray("{\"fromColumns\":[-1]}") << damaged;
    QTest::newRow("fraction") << QByteArray("{\"skipTop\":1.5}") << damaged;
    QTest::newRow("mode") << QByteArray("{\"amountMode\":\"both\"}") << damaged;
}

void TestCsvImport::settingsJsonRefused()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    QString why;
    QVERIFY(!TCsvSettings::fromJson(json, &why));
    QCOMPARE(why, error);
}

void TestCsvImport::settingsCheck_data()
{
    QTest::addColumn<int>("change");
    QTest::addColumn<QString>("error");

    QTest::newRow("good") << 0 << QString();
    QTest::newRow("date is amount") << 1 << QStringLiteral("Column 5 cannot hold both the date and an amount.");
    QTest::newRow("text is amount") << 2 << QStringLiteral("Column 5 cannot be both a text and the date or an amount.");
    QTest::newRow("same separators") << 3
                                     << QStringLiteral(
                                            "The decimal separator and the thousands separator must differ.");
    QTest::newRow("one column for both sides")
        << 4 << QStringLiteral("Money paid out and money received must be in different columns.");
}

void TestCsvImport::settingsCheck()
{
    QFETCH(int, change);
    QFETCH(QString, error);
    TCsvSettings s = bankCsvSettings();
    switch (change) {
    case 1:
        s.dateColumn = 4;
        break;
    case 2:
        s.memoColumns = {4};
        break;
    case 3:
        s.amountFormat.grouping = u',';
        break;
    case 4:
        s.amountMode = TCsvSettings::AmountMode::DebitCredit;
        s.debitColumn = s.creditColumn = 4;
        break;
    default:
        break;
    }
    QCOMPARE(s.check(), error);
    if (!error.isEmpty()) {
        // Such settings read nothing and say why.
        const TStatement st = TCsvReader::read(QByteArray("x"), s);
        QCOMPARE(st.problems.value(0).reason, error);
    }
}

QTEST_GUILESS_MAIN(TestCsvImport)
#include "tst_csvimport.moc"
