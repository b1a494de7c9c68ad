#include "TestDb.h"
#include "import/TAmountFormat.h"
#include "import/TImportDate.h"
#include "import/TTextEncoding.h"

#include <QTest>

using Kind = TTextEncoding::Kind;
Q_DECLARE_METATYPE(TDateOrder)
Q_DECLARE_METATYPE(TTextEncoding::Kind)

class TestImportParsing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale("en_US"); }
    void detectEncoding_data();
    void detectEncoding();
    void codePageRoundTrip_data();
    void codePageRoundTrip();
    void detectCodePage_data();
    void detectCodePage();
    void parseDate_data();
    void parseDate();
    void fittingOrders_data();
    void fittingOrders();
    void parseAmount_data();
    void parseAmount();
    void amountReason_data();
    void amountReason();
    void guessAmountFormat_data();
    void guessAmountFormat();
};

void TestImportParsing::detectEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii") << QByteArray("Miete;-12,50") << Kind::Utf8 << "Miete;-12,50";
    QTest::newRow("utf-8") << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC") << Kind::Utf8 << QStringLiteral("Café €");
    QTest::newRow("utf-8 with BOM") << QByteArray("\xEF\xBB\xBF"
                                                  "Caf\xC3\xA9")
                                    << Kind::Utf8 << QStringLiteral("Café");
    QTest::newRow("windows-1252 euro") << QByteArray("3,20 \x80 M\xFCller") << Kind::Windows1252
                                       << QStringLiteral("3,20 € Müller");
    QTest::newRow("windows-1252 quotes") << QByteArray("\x93Markt\x94") << Kind::Windows1252
                                         << QStringLiteral("“Markt”");
    QTest::newRow("latin without 0x80-0x9F")
        << QByteArray("M\xFCller") << Kind::Windows1252 << QStringLiteral("Müller");
    QTest::newRow("iso-8859-15 euro") << QByteArray("3,20 \xA4 M\xFCller") << Kind::Iso8859_15
                                      << QStringLiteral("3,20 € Müller");
    QTest::newRow("utf-16le BOM") << QByteArray("\xFF\xFE"
                                                "A\0\xAC\x20",
                                                6)
                                  << Kind::Utf16LE << QStringLiteral("A€");
    QTest::newRow("utf-16be BOM") << QByteArray("\xFE\xFF\0A\x20\xAC", 6) << Kind::Utf16BE << QStringLiteral("A€");
}

void TestImportParsing::detectEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Kind, kind);
    QFETCH(QString, text);
    QCOMPARE(TTextEncoding::detect(bytes), kind);
    Kind used = Kind::Auto;
    QCOMPARE(TTextEncoding::decode(bytes, Kind::Auto, &used), text);
    QCOMPARE(used, kind);
}

void TestImportParsing::codePageRoundTrip_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("1252") << Kind::Windows1252 << QStringLiteral("€ Š œ Ÿ ü ß")
                          << QByteArray("\x80 \x8A \x9C \x9F \xFC \xDF");
    QTest::newRow("8859-15") << Kind::Iso8859_15 << QStringLiteral("€ Š œ Ÿ ü ß")
                             << QByteArray("\xA4 \xA6 \xBD \xBE \xFC \xDF");
    QTest::newRow("1250") << Kind::Windows1250 << QStringLiteral("Ł ą ś ź Ž ť")
                          << QByteArray("\xA3 \xB9 \x9C \x9F \x8E \x9D");
    QTest::newRow("8859-2") << Kind::Iso8859_2 << QStringLiteral("Ł ą ś ź Ž ť")
                            << QByteArray("\xA3 \xB1 \xB6 \xBC \xAE \xBB");
    QTest::newRow("1257") << Kind::Windows1257 << QStringLiteral("Ą ė Š ų ū ņ")
                          << QByteArray("\xC0 \xEB \xD0 \xF8 \xFB \xF2");
    QTest::newRow("1252 lacks") << Kind::Windows1252 << QStringLiteral("Ł") << QByteArray("?");
    QTest::newRow("utf-8") << Kind::Utf8 << QStringLiteral("€") << QByteArray("\xE2\x82\xAC");
}

void TestImportParsing::codePageRoundTrip()
{
    QFETCH(Kind, kind);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(TTextEncoding::encode(text, kind), bytes);
    if (!bytes.contains('?'))
        QCOMPARE(TTextEncoding::decode(bytes, kind), text);
    QCOMPARE(TTextEncoding::fromName(TTextEncoding::name(kind).toLower()), std::optional<Kind>(kind));
}

void TestImportParsing::detectCodePage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Kind>("kind"); // written in, and to be detected

    const QString czech = QStringLiteral("12.03.2024;Převod z účtu, Žďár nad Sázavou;-250,00 Kč\n");
    const QString polish = QStringLiteral("2024-03-12;Przelew przychodzący, Łódź, Gdańsk, opłata;1 200,00\n");
    QTest::newRow("Czech, 1250") << czech << Kind::Windows1250;
    QTest::newRow("Czech, 8859-2") << czech << Kind::Iso8859_2;
    QTest::newRow("Polish, 1250") << polish << Kind::Windows1250;
    QTest::newRow("Polish, 8859-2") << polish << Kind::Iso8859_2;
    QTest::newRow("Polish capitals, 8859-2") << polish.toUpper() << Kind::Iso8859_2;
    QTest::newRow("Czech after 100 KB of ASCII")
        << QStringLiteral("01.03.2024;Kiosk;-1,00\n").repeated(5000) + czech << Kind::Windows1250;
    QTest::newRow("Lithuanian") << QStringLiteral("2024-03-12;Gavėjas, Šiaulių bankas, Klaipėda;-15,00\n")
                                << Kind::Windows1257;
    QTest::newRow("Latvian") << QStringLiteral("12.03.2024;Saņēmējs, Rīga, Jūrmala;-7,20\n") << Kind::Windows1257;
    // Its letters are alike in Windows-1252, but the language is Estonian.
    QTest::newRow("Estonian") << QStringLiteral("12.03.2024;Õismäe, Pärnu, Tööandja;1500,00\n") << Kind::Windows1257;
    QTest::newRow("German") << QStringLiteral("12.03.2024;Müller, Straße, Gebühr;-3,20\n") << Kind::Windows1252;
    QTest::newRow("French") << QStringLiteral("12/03/2024;Crédit, Société Générale, déjà;45,00\n") << Kind::Windows1252;
    QTest::newRow("Spanish") << QStringLiteral("12/03/2024;Señor, Peñíscola;-9,99\n") << Kind::Windows1252;
    QTest::newRow("Danish") << QStringLiteral("12-03-2024;Søren, Århus, Æble;-120,00\n") << Kind::Windows1252;
    QTest::newRow("euro, 8859-15") << QStringLiteral("12.03.2024;Kaffee 3,20 €;-3,20\n") << Kind::Iso8859_15;
}

void TestImportParsing::detectCodePage()
{
    QFETCH(QString, text);
    QFETCH(Kind, kind);
    const QByteArray bytes = TTextEncoding::encode(text, kind);
    QVERIFY(!bytes.contains('?'));
    QCOMPARE(TTextEncoding::name(TTextEncoding::detect(bytes)), TTextEncoding::name(kind));
    QCOMPARE(TTextEncoding::decode(bytes, Kind::Auto), text);
}

void TestImportParsing::parseDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TDateOrder>("order");
    QTest::addColumn<QDate>("date"); // invalid: no date

    const auto dmy = TDateOrder::DayMonthYear, mdy = TDateOrder::MonthDayYear, ymd = TDateOrder::YearMonthDay;
    QTest::newRow("dd.MM.yyyy") << "15.01.2024" << dmy << QDate(2024, 1, 15);
    QTest::newRow("d.M.yy") << "5.1.24" << dmy << QDate(2024, 1, 5);
    QTest::newRow("dd/MM/yyyy") << "02/03/2024" << dmy << QDate(2024, 3, 2);
    QTest::newRow("MM/dd/yyyy") << "02/03/2024" << mdy << QDate(2024, 2, 3);
    QTest::newRow("yyyy-MM-dd") << "2024-03-02" << ymd << QDate(2024, 3, 2);
    QTest::newRow("compact ymd") << "20240302" << ymd << QDate(2024, 3, 2);
    QTest::newRow("compact dmy") << "02032024" << dmy << QDate(2024, 3, 2);
    QTest::newRow("qif apostrophe") << "1/2'24" << mdy << QDate(2024, 1, 2);
    QTest::newRow("qif padded") << " 1/ 2/24" << mdy << QDate(2024, 1, 2);
    QTest::newRow("two-digit year 1999") << "31.12.99" << dmy << QDate(1999, 12, 31);
    QTest::newRow("two-digit year 2069") << "31.12.69" << dmy << QDate(2069, 12, 31);
    QTest::newRow("month name") << "15 Jan 2024" << dmy << QDate(2024, 1, 15);
    QTest::newRow("month name first") << "Sept 5, 2024" << mdy << QDate(2024, 9, 5);
    QTest::newRow("with time") << "2024-03-02 14:30:00" << ymd << QDate(2024, 3, 2);
    QTest::newRow("with T time") << "2024-03-02T14:30" << ymd << QDate(2024, 3, 2);
    QTest::newRow("leap day") << "29.02.2024" << dmy << QDate(2024, 2, 29);
    QTest::newRow("no leap day") << "29.02.2023" << dmy << QDate();
    QTest::newRow("day 13 month first") << "13/01/2024" << mdy << QDate();
    QTest::newRow("year first needs four digits") << "24-03-02" << ymd << QDate();
    QTest::newRow("year-first text in dmy") << "2024-03-02" << dmy << QDate();
    QTest::newRow("amount") << "1.234,56" << dmy << QDate();
    QTest::newRow("words after date") << "15.01.2024 foo" << dmy << QDate();
    QTest::newRow("month name in day place") << "Jan 15 2024" << dmy << QDate();
    QTest::newRow("empty") << "" << dmy << QDate();
    QTest::newRow("text") << "Endsaldo" << dmy << QDate();
}

void TestImportParsing::parseDate()
{
    QFETCH(QString, text);
    QFETCH(TDateOrder, order);
    QFETCH(QDate, date);
    QCOMPARE(TImportDate::parse(text, order).value_or(QDate()), date);
}

void TestImportParsing::fittingOrders_data()
{
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QList<TDateOrder>>("orders");

    const auto dmy = TDateOrder::DayMonthYear, mdy = TDateOrder::MonthDayYear, ymd = TDateOrder::YearMonthDay;
    QTest::newRow("every day up to 12: ambiguous")
        << QStringList{"01/02/2024", "03/04/2024", "12/12/2024"} << QList<TDateOrder>{dmy, mdy};
    QTest::newRow("a 13th decides day first") << QStringList{"01/02/2024", "13/02/2024"} << QList<TDateOrder>{dmy};
    QTest::newRow("a 13th decides month first") << QStringList{"01/02/2024", "02/13/2024"} << QList<TDateOrder>{mdy};
    QTest::newRow("iso") << QStringList{"2024-01-02", "2024-01-03"} << QList<TDateOrder>{ymd};
    QTest::newRow("empty rows left out") << QStringList{"", "25.12.2024"} << QList<TDateOrder>{dmy};
    QTest::newRow("day and month alike: nothing to ask")
        << QStringList{"5/5/2024", "", "12.12.2023"} << QList<TDateOrder>{dmy};
    QTest::newRow("only the first of January") << QStringList{"1/1/2000"} << QList<TDateOrder>{dmy};
    QTest::newRow("nothing fits") << QStringList{"13/13/2024"} << QList<TDateOrder>{};
}

void TestImportParsing::fittingOrders()
{
    QFETCH(QStringList, dates);
    QFETCH(QList<TDateOrder>, orders);
    QCOMPARE(TImportDate::fittingOrders(dates), orders);
}

namespace {

TAmountFormat notation(char decimal, char grouping)
{
    TAmountFormat f;
    f.decimal = QChar::fromLatin1(decimal);
    f.grouping = grouping == 0 ? QChar() : QChar::fromLatin1(grouping);
    return f;
}

} // namespace

void TestImportParsing::parseAmount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("decimal");
    QTest::addColumn<char>("grouping");
    QTest::addColumn<QString>("value"); // empty: no value

    QTest::newRow("german grouped") << "1.234,56" << ',' << '.' << "1234.56";
    QTest::newRow("german negative") << "-12,50" << ',' << '.' << "-12.5";
    QTest::newRow("english grouped") << "1,234.56" << '.' << ',' << "1234.56";
    QTest::newRow("millions") << "1,234,567.89" << '.' << ',' << "1234567.89";
    QTest::newRow("trailing minus") << "12,50-" << ',' << '.' << "-12.5";
    QTest::newRow("parentheses") << "(1,234.56)" << '.' << ',' << "-1234.56";
    QTest::newRow("DR") << "12.50 DR" << '.' << ',' << "-12.5";
    QTest::newRow("CR") << "12.50 CR" << '.' << ',' << "12.5";
    QTest::newRow("euro sign behind") << "-3,20 €" << ',' << '.' << "-3.2";
    QTest::newRow("dollar sign in front") << "-$1,000.00" << '.' << ',' << "-1000";
    QTest::newRow("currency code") << "EUR 7,00" << ',' << '.' << "7";
    QTest::newRow("unicode minus") << QStringLiteral("\u221212,50") << ',' << '.' << "-12.5";
    QTest::newRow("blank groups") << QStringLiteral("1\u00A0234,56") << ',' << ' ' << "1234.56";
    QTest::newRow("swiss") << "1'234.56" << '.' << '\'' << "1234.56";
    QTest::newRow("no grouping used") << "1234,56" << ',' << '.' << "1234.56";
    QTest::newRow("plus sign") << "+5" << '.' << ',' << "5";
    QTest::newRow("five decimals rounded to even") << "0.00005" << '.' << '\0' << "0";
    QTest::newRow("point in a comma file") << "12.50" << ',' << '.' << "";
    QTest::newRow("english in a german file") << "1,234.56" << ',' << '.' << "";
    QTest::newRow("bad group") << "1.23,45" << ',' << '.' << "";
    QTest::newRow("two signs") << "-12,50-" << ',' << '.' << "";
    QTest::newRow("text") << "abc" << ',' << '.' << "";
    QTest::newRow("empty") << "  " << ',' << '.' << "";
    QTest::newRow("too large") << "99999999999999999,00" << ',' << '.' << "";
}

void TestImportParsing::parseAmount()
{
    QFETCH(QString, text);
    QFETCH(char, decimal);
    QFETCH(char, grouping);
    QFETCH(QString, value);
    QString reason;
    const std::optional<Currency> v = notation(decimal, grouping).parse(text, &reason);
    if (value.isEmpty()) {
        QVERIFY(!v);
        QVERIFY(!reason.isEmpty());
    } else {
        QVERIFY2(v.has_value(), qPrintable(reason));
        QCOMPARE(v->raw(), money(value.toLatin1().constData()).raw());
    }
}

void TestImportParsing::amountReason_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");

    QTest::newRow("empty") << ""
                           << "There is no amount.";
    QTest::newRow("text") << "zwölf"
                          << "The amount \"zwölf\" is not a number.";
    QTest::newRow("notation") << "12.50"
                              << "The amount \"12.50\" is not written like the other amounts of the file (1.234,56).";
    QTest::newRow("range") << "99999999999999999"
                           << "The amount \"99999999999999999\" is too large.";
}

void TestImportParsing::amountReason()
{
    QFETCH(QString, text);
    QFETCH(QString, reason);
    QString why;
    QVERIFY(!notation(',', '.').parse(text, &why));
    QCOMPARE(why, reason);
}

void TestImportParsing::guessAmountFormat_data()
{
    QTest::addColumn<QStringList>("samples");
    QTest::addColumn<QChar>("delimiter");
    QTest::addColumn<QString>("example");

    QTest::newRow("german") << QStringList{"-12,50", "1.234,56", "3,20"} << QChar(u';') << "1.234,56";
    QTest::newRow("english") << QStringList{"-12.50", "1,234.56"} << QChar(u',') << "1,234.56";
    QTest::newRow("english in a semicolon file") << QStringList{"-12.50", "7.10"} << QChar(u';') << "1,234.56";
    QTest::newRow("only thousands: the delimiter decides") << QStringList{"1.234", "5"} << QChar(u';') << "1.234,56";
    QTest::newRow("blank groups") << QStringList{QStringLiteral("1\u00A0234,56"), "-3,20"} << QChar(u';')
                                  << QStringLiteral("1 234,56");
    QTest::newRow("swiss") << QStringList{"1'234.56"} << QChar(u';') << "1'234.56";
}

void TestImportParsing::guessAmountFormat()
{
    QFETCH(QStringList, samples);
    QFETCH(QChar, delimiter);
    QFETCH(QString, example);
    QCOMPARE(TAmountFormat::guess(samples, delimiter).example(), example);
}

QTEST_GUILESS_MAIN(TestImportParsing)
#include "tst_importparsing.moc"
