#include "StatementFiles.h"
#include "TestDb.h"
#include "import/TCsvReader.h"
#include "import/TFingerprint.h"
#include "import/TImportPreview.h"
#include "import/TOfxReader.h"
#include "import/TQifReader.h"

#include <QSet>
#include <QTest>

namespace {

enum class Format
{
    Csv,
    Ofx,
    Qif
};

TStatement readAs(Format format, const QList<StatementEntry>& entries)
{
    switch (format) {
    case Format::Csv:
        return TCsvReader::read(bankCsv(entries), bankCsvSettings());
    case Format::Ofx:
        return TOfxReader::read(bankOfx(entries, false));
    case Format::Qif:
        return TQifReader::read(bankQif(entries), TQifReader::Options());
    }
    return {};
}

QSet<QString> fingerprintsOf(const TStatement& st)
{
    const QStringList f = TFingerprint::of(st.rows);
    return {f.cbegin(), f.cend()};
}

// "date amount payee" of the rows the preview offers as new.
QStringList newRows(const TImportPreview& p)
{
    QStringList out;
    for (int i = 0; i < p.rowCount(); ++i) {
        if (!p.isImported(i))
            out.append(QStringLiteral("%1 %2 %3")
                           .arg(p.row(i).date.toString(Qt::ISODate), p.row(i).amount.toFixed2(), p.row(i).from));
    }
    return out;
}

QStringList describe(const QList<StatementEntry>& entries)
{
    QStringList out;
    for (const StatementEntry& e : entries)
        out.append(QStringLiteral("%1 %2 %3").arg(e.date.toString(Qt::ISODate), e.amount.toFixed2(), e.payee));
    return out;
}

TImportRow row(const char* date, const char* amount, const QString& from, const QString& forText = {},
               const QString& memo = {}, const QString& bankId = {})
{
    TImportRow r;
    r.date = QDate::fromString(QString::fromLatin1(date), Qt::ISODate);
    r.amount = money(amount);
    r.from = from;
    r.forText = forText;
    r.memo = memo;
    r.bankId = bankId;
    return r;
}

} // namespace

Q_DECLARE_METATYPE(Format)
Q_DECLARE_METATYPE(TImportRow)

class TestImportMatching : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale("en_US"); }
    void sameKey_data();
    void sameKey();
    void occurrences();
    void overlappingStatements_data();
    void overlappingStatements();
    void lateSecondCoffee_data();
    void lateSecondCoffee();
    void previewTicksAndTotals();
    void previewTotalsOutOfRange();
};

void TestImportMatching::sameKey_data()
{
    QTest::addColumn<TImportRow>("a");
    QTest::addColumn<TImportRow>("b");
    QTest::addColumn<bool>("same");

    const TImportRow base = row("2024-03-15", "-3.20", QStringLiteral("Café Müller"), QStringLiteral("Kaffee 3,20 €"));
    QTest::newRow("itself") << base << base << true;
    QTest::newRow("case and blanks") << base
                                     << row("2024-03-15", "-3.20", QStringLiteral(" CAFÉ  müller"),
                                            QStringLiteral("kaffee\n3,20\u00A0€"))
                                     << true;
    QTest::newRow("texts in other fields")
        << base << row("2024-03-15", "-3.20", QString(), QStringLiteral("Kaffee 3,20 €"), QStringLiteral("Café Müller"))
        << true;
    QTest::newRow("another day") << base
                                 << row("2024-03-16", "-3.20", QStringLiteral("Café Müller"),
                                        QStringLiteral("Kaffee 3,20 €"))
                                 << false;
    QTest::newRow("another amount") << base
                                    << row("2024-03-15", "-3.21", QStringLiteral("Café Müller"),
                                           QStringLiteral("Kaffee 3,20 €"))
                                    << false;
    QTest::newRow("another text") << base
                                  << row("2024-03-15", "-3.20", QStringLiteral("Café Müller"),
                                         QStringLiteral("Kaffee 3,20 € 2"))
                                  << false;
    QTest::newRow("bank id counts alone")
        << row("2024-03-15", "-3.20", QStringLiteral("A"), {}, {}, QStringLiteral("F1"))
        << row("2024-03-17", "-9.99", QStringLiteral("B"), {}, {}, QStringLiteral("F1")) << true;
    QTest::newRow("other bank id") << row("2024-03-15", "-3.20", QStringLiteral("A"), {}, {}, QStringLiteral("F1"))
                                   << row("2024-03-15", "-3.20", QStringLiteral("A"), {}, {}, QStringLiteral("F2"))
                                   << false;
}

void TestImportMatching::sameKey()
{
    QFETCH(TImportRow, a);
    QFETCH(TImportRow, b);
    QFETCH(bool, same);
    QCOMPARE(TFingerprint::key(a) == TFingerprint::key(b), same);
}

void TestImportMatching::occurrences()
{
    const TImportRow coffee = row("2024-03-15", "-3.20", QStringLiteral("Café"));
    const TImportRow cake = row("2024-03-15", "-2.80", QStringLiteral("Café"));
    const QStringList f = TFingerprint::of({coffee, cake, coffee, coffee});
    QCOMPARE(f.size(), 4);
    QCOMPARE(f.at(0), TFingerprint::key(coffee) + QStringLiteral("#1"));
    QCOMPARE(f.at(1), TFingerprint::key(cake) + QStringLiteral("#1"));
    QCOMPARE(f.at(2), TFingerprint::key(coffee) + QStringLiteral("#2"));
    QCOMPARE(f.at(3), TFingerprint::key(coffee) + QStringLiteral("#3"));
}

void TestImportMatching::overlappingStatements_data()
{
    QTest::addColumn<Format>("format");
    QTest::newRow("csv") << Format::Csv;
    QTest::newRow("ofx") << Format::Ofx;
    QTest::newRow("qif") << Format::Qif;
}

void TestImportMatching::overlappingStatements()
{
    QFETCH(Format, format);
    // January to March, with the last transaction of 31 March not yet posted; then February to April,
    // which shares 60 days with the first statement.
    QList<StatementEntry> first = bankLedger(QDate(2024, 1, 1), QDate(2024, 3, 31));
    const StatementEntry late = first.takeLast();
    const QList<StatementEntry> second = bankLedger(QDate(2024, 2, 1), QDate(2024, 4, 30));

    const TStatement firstRead = readAs(format, first);
    QCOMPARE(firstRead.rows.size(), first.size());
    const TImportPreview firstPreview(firstRead, TImportMatcher({}));
    QCOMPARE(firstPreview.count(TImportPreview::Status::New), first.size());
    QSet<QString> known = fingerprintsOf(firstRead);
    QCOMPARE(known.size(), first.size());

    const TImportPreview secondPreview(readAs(format, second), TImportMatcher(known));
    QStringList expected = describe({late});
    expected += describe(bankLedger(QDate(2024, 4, 1), QDate(2024, 4, 30)));
    QCOMPARE(newRows(secondPreview), expected);
    QCOMPARE(secondPreview.tickedCount(), expected.size());

    // After the second import, neither file offers anything again (nor what was imported and then
    // deleted, since its fingerprint stays).
    known += fingerprintsOf(secondPreview.statement());
    QCOMPARE(TImportPreview(readAs(format, second), TImportMatcher(known)).count(TImportPreview::Status::New), 0);
    QCOMPARE(TImportPreview(readAs(format, first), TImportMatcher(known)).count(TImportPreview::Status::New), 0);
}

void TestImportMatching::lateSecondCoffee_data()
{
    overlappingStatements_data();
}

void TestImportMatching::lateSecondCoffee()
{
    QFETCH(Format, format);
    // Two identical coffees on the 15th are two bookings; a statement that had only the first
    // leaves the second to be imported.
    const QList<StatementEntry> day = bankLedger(QDate(2024, 3, 15), QDate(2024, 3, 15));
    QCOMPARE(day.at(day.size() - 1).purpose, day.at(day.size() - 2).purpose);
    const TStatement full = readAs(format, day);
    const QStringList f = TFingerprint::of(full.rows);
    QCOMPARE(QSet<QString>(f.cbegin(), f.cend()).size(), day.size());

    const TStatement partial = readAs(format, day.mid(0, day.size() - 1));
    const TImportPreview p(full, TImportMatcher(fingerprintsOf(partial)));
    QCOMPARE(newRows(p), describe({day.back()}));
}

void TestImportMatching::previewTicksAndTotals()
{
    TStatement st;
    st.rows = {row("2024-01-01", "100", QStringLiteral("A")), row("2024-01-02", "-30", QStringLiteral("B")),
               row("2024-01-03", "-20", QStringLiteral("C")), row("2024-01-04", "50", QStringLiteral("D"))};
    const QStringList f = TFingerprint::of(st.rows);
    TImportPreview p(st, TImportMatcher({f.at(3)}));

    QCOMPARE(p.count(TImportPreview::Status::New), 3);
    QCOMPARE(p.tickedRows(), (QList<int>{0, 1, 2}));
    QVERIFY(p.isImported(3) && !p.isTicked(3));
    QCOMPARE(p.deposits(), money("100"));
    QCOMPARE(p.debits(), money("50"));
    QCOMPARE(p.net(), money("50"));
    QCOMPARE(p.balanceAfter(money("-60")), money("-10"));

    p.setTicked(1, false);
    p.setTicked(1, false); // twice changes nothing
    p.setTicked(3, true);  // the user may take a row imported before once more
    QCOMPARE(p.tickedRows(), (QList<int>{0, 2, 3}));
    QCOMPARE(p.tickedCount(), 3);
    QCOMPARE(p.deposits(), money("150"));
    QCOMPARE(p.debits(), money("20"));
    QCOMPARE(p.balanceAfter(money("0")), money("130"));
}

void TestImportMatching::previewTotalsOutOfRange()
{
    TStatement st;
    TImportRow big = row("2024-01-01", "1", QStringLiteral("A"));
    big.amount = Currency::max();
    st.rows = {big, big};
    TImportPreview p(st, TImportMatcher({}));
    QVERIFY(!p.deposits().has_value());
    QVERIFY(!p.balanceAfter(Currency()).has_value());
    p.setTicked(1, false);
    QCOMPARE(p.deposits(), Currency::max());
    QVERIFY(!p.balanceAfter(money("1")).has_value());
}

QTEST_GUILESS_MAIN(TestImportMatching)
#include "tst_importmatching.moc"
