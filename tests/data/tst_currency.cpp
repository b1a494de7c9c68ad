#include "DataRow.h"
#include "TestDb.h"
#include "data/Currency.h"

#include <QLocale>
#include <QTest>

class TestCurrency : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void rangeLimits();
    void moneyFormat_data();
    void moneyFormat();
    void groupedFormat_data();
    void groupedFormat();
    void fixed2_data();
    void fixed2();
    void plainRoundTrip_data();
    void plainRoundTrip();
    void roundToUnits_data();
    void roundToUnits();
    void checkedArithmetic();
};

void TestCurrency::parse_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qlonglong>("raw");

    dataRow("C plain", "C", "12.5", true, 125000LL);
    dataRow("C blanks both ends", "C", "  7.25 \t", true, 72500LL);
    dataRow("C four decimals", "C", "12.3456", true, 123456LL);
    dataRow("C fifth decimal half to even, down", "C", "0.00005", true, 0LL);
    dataRow("C fifth decimal half to even, up", "C", "0.00015", true, 2LL);
    dataRow("C beyond half", "C", "0.000051", true, 1LL);
    dataRow("C tie decided by a far digit", "C", "0.000050000000000000000000000000000000001", true, 1LL);
    dataRow("C negative", "C", "-5", true, -50000LL);
    dataRow("C plus sign", "C", "+5", true, 50000LL);
    dataRow("C exponent", "C", "1.5e2", true, 1500000LL);
    dataRow("C negative exponent", "C", "125E-2", true, 12500LL);
    dataRow("C leading point", "C", ".5", true, 5000LL);
    dataRow("C trailing point", "C", "5.", true, 50000LL);
    dataRow("C zero", "C", "0", true, 0LL);
    dataRow("C empty", "C", "", false, 0LL);
    dataRow("C blanks only", "C", "   ", false, 0LL);
    dataRow("C letters", "C", "abc", false, 0LL);
    dataRow("C trailing letters", "C", "12abc", false, 0LL);
    dataRow("C inner blank", "C", "1 2", false, 0LL);
    dataRow("C exponent without digits", "C", "1e", false, 0LL);
    dataRow("C sign only", "C", "-", false, 0LL);
    dataRow("C two points", "C", "1.2.3", false, 0LL);
    dataRow("en_US grouping refused", "en_US", "1,000.00", false, 0LL);
    dataRow("en_US comma refused", "en_US", "12,5", false, 0LL);
    dataRow("en_US point", "en_US", "1000.00", true, 10000000LL);
    dataRow("de_DE comma", "de_DE", "12,5", true, 125000LL);
    dataRow("de_DE point is grouping", "de_DE", "12.5", false, 0LL);
    dataRow("de_DE grouping refused", "de_DE", "1.000,00", false, 0LL);
    dataRow("de_DE exponent", "de_DE", "1,5e3", true, 15000000LL);
    dataRow("fr_FR comma", "fr_FR", "-0,25", true, -2500LL);
    dataRow("fr_FR grouping refused", "fr_FR", QString::fromUtf8("1\u202f000,00"), false, 0LL);
}

void TestCurrency::parse()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qlonglong, raw);
    const auto value = Currency::parse(text, QLocale(locale));
    QCOMPARE(value.has_value(), valid);
    if (valid)
        QCOMPARE(value->raw(), raw);
}

void TestCurrency::rangeLimits()
{
    const QLocale c = QLocale::c();
    QCOMPARE(Currency::parse(QStringLiteral("922337203685477.5807"), c)->raw(), INT64_MAX);
    QCOMPARE(Currency::parse(QStringLiteral("-922337203685477.5808"), c)->raw(), INT64_MIN);
    QVERIFY(!Currency::parse(QStringLiteral("922337203685477.5808"), c));
    QVERIFY(!Currency::parse(QStringLiteral("-922337203685477.5809"), c));
    QVERIFY(!Currency::parse(QStringLiteral("1e15"), c));
    QVERIFY(!Currency::parse(QStringLiteral("99999999999999999999999999999999999999999"), c));
    QVERIFY(!Currency::parse(QStringLiteral("1e400"), c));
    QCOMPARE(Currency::parse(QStringLiteral("1e-400"), c)->raw(), 0);
    QCOMPARE(Currency::parse(QStringLiteral("0000000000000000000000000000000000000000012"), c)->raw(), 120000);
}

void TestCurrency::moneyFormat_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qlonglong>("raw");
    QTest::addColumn<QString>("text");

    dataRow("en_US", "en_US", 12345000LL, "$1,234.50");
    dataRow("en_US negative", "en_US", -12345000LL, "($1,234.50)");
    dataRow("en_US zero", "en_US", 0LL, "$0.00");
    dataRow("en_US rounds half away", "en_US", 125LL, "$0.01");
    dataRow("en_US tiny negative is zero", "en_US", -1LL, "$0.00");
    dataRow("de_DE", "de_DE", 12345000LL, QString::fromUtf8("1.234,50\u00a0€"));
    dataRow("de_DE negative", "de_DE", -12345000LL, QString::fromUtf8("-1.234,50\u00a0€"));
    dataRow("fr_FR negative", "fr_FR", -12345000LL, QString::fromUtf8("(1\u202f234,50\u00a0€)"));
    dataRow("C", "C", -12345000LL, "-1234.50");
    dataRow("ja_JP no decimals", "ja_JP", 12345000LL, QString::fromUtf8("￥1,235"));
    dataRow("en_US max", "en_US", qlonglong(INT64_MAX), "$922,337,203,685,477.58");
}

void TestCurrency::moneyFormat()
{
    QFETCH(QString, locale);
    QFETCH(qlonglong, raw);
    QFETCH(QString, text);
    QCOMPARE(Currency::fromRaw(raw).toMoneyString(QLocale(locale)), text);
}

void TestCurrency::groupedFormat_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qlonglong>("raw");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    dataRow("en_US", "en_US", 12345600LL, 2, "1,234.56");
    dataRow("de_DE", "de_DE", 12345600LL, 2, "1.234,56");
    dataRow("de_DE negative", "de_DE", -12345600LL, 2, "-1.234,56");
    dataRow("whole units round half away", "en_US", 12345000LL, 0, "1,235");
    dataRow("max", "en_US", qlonglong(INT64_MAX), 0, "922,337,203,685,478");
}

void TestCurrency::groupedFormat()
{
    QFETCH(QString, locale);
    QFETCH(qlonglong, raw);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(Currency::fromRaw(raw).toGroupedString(QLocale(locale), decimals), text);
}

void TestCurrency::fixed2_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qlonglong>("raw");
    QTest::addColumn<QString>("text");
    dataRow("12.5 under de_DE", "de_DE", 125000LL, "12.50");
    dataRow("12.5 under C", "C", 125000LL, "12.50");
    dataRow("negative cent", "en_US", -100LL, "-0.01");
    dataRow("three decimals rounded", "fr_FR", 123450LL, "12.35");
    dataRow("large", "C", 10000000000000LL, "1000000000.00");
}

void TestCurrency::fixed2()
{
    QFETCH(QString, locale);
    QFETCH(qlonglong, raw);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(Currency::fromRaw(raw).toFixed2(), text);
    QLocale::setDefault(QLocale::c());
}

void TestCurrency::plainRoundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qlonglong>("raw");
    QTest::addColumn<QString>("text");
    dataRow("C whole", "C", 1000000LL, "100");
    dataRow("C four decimals", "C", 123456LL, "12.3456");
    dataRow("de_DE", "de_DE", 125000LL, "12,5");
    dataRow("de_DE negative", "de_DE", -5LL, "-0,0005");
    dataRow("en_US large, no grouping", "en_US", 12345678900000LL, "1234567890");
}

void TestCurrency::plainRoundTrip()
{
    QFETCH(QString, locale);
    QFETCH(qlonglong, raw);
    QFETCH(QString, text);
    const QLocale l(locale);
    QCOMPARE(Currency::fromRaw(raw).toPlainString(l), text);
    QCOMPARE(Currency::parse(text, l)->raw(), raw);
}

void TestCurrency::roundToUnits_data()
{
    QTest::addColumn<qlonglong>("raw");
    QTest::addColumn<qlonglong>("units");
    dataRow("0.5 to 0", 5000LL, 0LL);
    dataRow("1.5 to 2", 15000LL, 2LL);
    dataRow("2.5 to 2", 25000LL, 2LL);
    dataRow("2.5001 to 3", 25001LL, 3LL);
    dataRow("-2.5 to -2", -25000LL, -2LL);
    dataRow("-3.5 to -4", -35000LL, -4LL);
    dataRow("1250.00 stays", 12500000LL, 1250LL);
    dataRow("min", qlonglong(INT64_MIN), -922337203685478LL);
}

void TestCurrency::roundToUnits()
{
    QFETCH(qlonglong, raw);
    QFETCH(qlonglong, units);
    QCOMPARE(Currency::fromRaw(raw).roundToUnits(), units);
}

void TestCurrency::checkedArithmetic()
{
    QCOMPARE(money("0.1").checkedAdd(money("0.2"))->raw(), 3000);
    QVERIFY(!Currency::max().checkedAdd(Currency::fromRaw(1)));
    QVERIFY(!Currency::min().checkedSub(Currency::fromRaw(1)));
    QVERIFY(money("-4") < money("0"));
    QCOMPARE(money("10") + money("-4"), money("6"));
}

QTEST_GUILESS_MAIN(TestCurrency)
#include "tst_currency.moc"
