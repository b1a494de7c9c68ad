#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "ImportBooks.h"

#include "bookings/TBookingStore.h"
#include "data/DbError.h"
#include "data/TClock.h"
#include "data/TSchema.h"
#include "import/TCsvColumnRoles.h"
#include "import/TImportPreviewModel.h"
#include "import/TImportProfiles.h"
#include "import/TImportStore.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

// The bank's first statement, and the one a month later that shares its last 60 days.
const QDate FirstFrom(2024, 1, 1);
const QDate FirstTo(2024, 3, 31);
const QDate SecondFrom = FirstTo.addDays(-59);
const QDate SecondTo(2024, 4, 30);

QList<StatementEntry> between(const QDate& from, const QDate& to)
{
    return bankLedger(from, to);
}

// Books the ticked rows of `preview` for `holder`.
qint32 book(const TImportPreview& preview, qint32 holder, const TImportStore::Progress& progress = {})
{
    return TImportStore::book(preview, {holder, QStringLiteral("statement"), {}}, progress).value_or(0);
}

int fingerprints(TestDb& db, qint32 holder)
{
    QSqlQuery q = db.dm().select(QStringLiteral("select count(*) from ImportRow where HolderID = ?"), {holder});
    q.next();
    return q.value(0).toInt();
}

// A database file of `version` with one holder and one booking, closed.
void makeFile(const QString& path, int version)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        TSchema::create(db, std::min(version, int(TSchema::Version)));
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("insert into Account (name, type, Balance) values ('Bank', 0, 50000)")));
        QVERIFY(q.exec(QStringLiteral("insert into Detail (type, DestID, Date, Amount)"
                                      " values (0, 1, '2024-01-02 10:00:00', 50000)")));
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
}

} // namespace

Q_DECLARE_METATYPE(StatementKind)
Q_DECLARE_METATYPE(TNegativeRule::Outcome)
Q_DECLARE_METATYPE(TCsvRole)

class TestImportStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void schemaVersion_data();
    void schemaVersion();
    void overlappingStatements_data();
    void overlappingStatements();
    void bookingsAsStored();
    void undoRestoresTheBalance_data();
    void undoRestoresTheBalance();
    void cancelledImportWritesNothing_data();
    void cancelledImportWritesNothing();
    void negativeRule_data();
    void negativeRule();
    void profiles();
    void previewGrid();
    void columnRoles_data();
    void columnRoles();
    void typedBefore();
    void bookKeepsTheNegativeRule_data();
    void bookKeepsTheNegativeRule();

private:
    StatementDir m_files;
};

void TestImportStore::init()
{
    pinLocale("en_US");
    TClock::setFixed(QDateTime(QDate(2024, 5, 2), QTime(9, 30)));
}

void TestImportStore::schemaVersion_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("refusal"); // empty: opened and brought up to this program's version
    QTest::newRow("version 1 upgraded") << 1 << QString();
    QTest::newRow("version 2 upgraded") << 2 << QString();
    QTest::newRow("version 3 upgraded") << 3 << QString();
    QTest::newRow("version 4 upgraded") << 4 << QString();
    QTest::newRow("version 5 upgraded") << 5 << QString();
    QTest::newRow("version 6 as it is") << 6 << QString();
    QTest::newRow("version 7 refused") << 7 << QStringLiteral("written by a newer version of Tavrin Budget");
}

void TestImportStore::schemaVersion()
{
    QFETCH(int, version);
    QFETCH(QString, refusal);
    QCOMPARE(TSchema::Version, 6);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    makeFile(path, version);
    TDM dm(path, false);
    try {
        dm.DataModuleCreate();
        QVERIFY2(refusal.isEmpty(), "a newer file was opened");
    } catch (const DbError& e) {
        QVERIFY2(!refusal.isEmpty() && e.text().contains(refusal), qPrintable(e.text()));
        return;
    }
    QSqlDatabase conn = dm.conn();
    QCOMPARE(TSchema::version(conn), 6);
    // The old booking is there, and an import can be booked and taken back.
    StatementDir files;
    const QString file = files.write(QStringLiteral("s"), StatementKind::Csv, between(FirstFrom, FirstTo));
    const qint32 id = importFile(file, 1);
    QVERIFY(id > 0);
    QCOMPARE(TImportStore::list().size(), 1);
    QVERIFY(TImportStore::undo(id).has_value());
    QSqlQuery q = dm.select(QStringLiteral("select count(*), sum(Amount) from Detail"));
    q.next();
    QCOMPARE(q.value(0).toInt(), 1);
    QCOMPARE(q.value(1).toLongLong(), 50000);
}

void TestImportStore::overlappingStatements_data()
{
    QTest::addColumn<StatementKind>("kind");
    QTest::newRow("CSV, Windows-1252") << StatementKind::Csv;
    QTest::newRow("OFX with FITIDs") << StatementKind::Ofx;
    QTest::newRow("QIF") << StatementKind::Qif;
}

// Two statements that overlap by 60 days, a booking deleted in between: the second import adds
// exactly the new rows, the identical coffees are both there, the deleted row stays deleted, and
// the balance equals the bookings after each step.
void TestImportStore::overlappingStatements()
{
    QFETCH(StatementKind, kind);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0);
    const QList<StatementEntry> first = between(FirstFrom, FirstTo);
    const QList<StatementEntry> second = between(SecondFrom, SecondTo);
    const QString firstFile = m_files.write(QStringLiteral("first"), kind, first);
    const QString secondFile = m_files.write(QStringLiteral("second"), kind, second);

    QVERIFY(importFile(firstFile, bank) > 0);
    QCOMPARE(bookingsOf(db, bank), asBookings(first));
    QCOMPARE(drift(db), QStringList());

    // A coffee of March 15th, the day of two identical coffees, and inside the overlap.
    QSqlQuery q = db.dm().select(QStringLiteral("select ID from Detail where Date = '2024-03-15 12:00:00'"
                                                " and [From] = 'Café Müller' order by ID"));
    QList<qint32> coffees;
    while (q.next())
        coffees.append(q.value(0).toInt());
    QCOMPARE(coffees.size(), 2);
    QVERIFY(TBookingStore::deleteDetail(coffees.front()));

    // The same file again: nothing is new, the deleted coffee included.
    const TImportPreview again = previewFor(firstFile, bank);
    QCOMPARE(again.rowCount(), int(first.size()));
    QCOMPARE(again.count(TImportPreview::Status::New), 0);

    const TImportPreview preview = previewFor(secondFile, bank);
    QList<StatementEntry> fresh;
    for (const StatementEntry& e : second) {
        if (e.date > FirstTo)
            fresh.append(e);
    }
    QCOMPARE(preview.count(TImportPreview::Status::New), int(fresh.size()));
    QVERIFY(book(preview, bank) > 0);

    QStringList bookings = asBookings(first + fresh);
    bookings.removeOne(QStringLiteral("2024-03-15 12:00:00 -3.20 Café Müller | Kaffee 3,20 €"));
    QCOMPARE(bookingsOf(db, bank), bookings);
    QVERIFY(bookings.contains(QStringLiteral("2024-03-15 12:00:00 -3.20 Café Müller | Kaffee 3,20 €")));
    QCOMPARE(bookings.count(QStringLiteral("2024-04-15 12:00:00 -3.20 Café Müller | Kaffee 3,20 €")), 2);
    QCOMPARE(drift(db), QStringList());
    QCOMPARE(fingerprints(db, bank), int(first.size() + fresh.size()));
}

void TestImportStore::bookingsAsStored()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0, money("100"));
    const QList<StatementEntry> entries = between(QDate(2024, 3, 1), QDate(2024, 3, 1));
    const QString file = m_files.write(QStringLiteral("März 2024"), StatementKind::Csv, entries);
    TImportProfiles::save(QStringLiteral("MyBank"), bankCsvSettings(), 0);
    const qint32 id = importFile(file, bank, QStringLiteral("MyBank"));

    // Salary, rent, coffee: deposits and debits of the amount without its sign, at noon.
    QSqlQuery q =
        db.dm().select(QStringLiteral("select type, Date, Amount, [From], [For], Memo from Detail order by ID"));
    QStringList rows;
    while (q.next())
        rows.append(QStringLiteral("%1 %2 %3 %4 %5 %6")
                        .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                             q.value(4).toString(),
                             q.value(5).isNull() ? QStringLiteral("NULL") : QStringLiteral("?")));
    QCOMPARE(rows, (QStringList{"0 2024-03-01 12:00:00 23456700 Arbeitgeber GmbH Gehalt 3 NULL",
                                "1 2024-03-01 12:00:00 10500000 Hausverwaltung Kühn Miete NULL",
                                "1 2024-03-01 12:00:00 32000 Café Müller Kaffee 3,20 € NULL"}));
    QCOMPARE(db.balance(bank), money("100") + money("2345.67") - money("1050") - money("3.2"));

    const QList<TImportRecord> imports = TImportStore::list();
    QCOMPARE(imports.size(), 1);
    const TImportRecord& r = imports.front();
    QCOMPARE(r.id, id);
    QCOMPARE(r.when, TClock::now());
    QCOMPARE(r.holderId, bank);
    QCOMPARE(r.holderName, QStringLiteral("Girokonto"));
    QCOMPARE(r.fileName, QStringLiteral("März 2024.csv"));
    QCOMPARE(r.rows, 3);
    QCOMPARE(r.total, money("2345.67") - money("1050") - money("3.2"));
    QCOMPARE(r.profile, QStringLiteral("MyBank"));
    // The profile is now the holder's last.
    QCOMPARE(TImportProfiles::lastFor(bank), QStringLiteral("MyBank"));
}

void TestImportStore::undoRestoresTheBalance_data()
{
    QTest::addColumn<bool>("editFirst"); // a booking of the second import deleted, another moved
    QTest::newRow("as imported") << false;
    QTest::newRow("after a delete and an edit") << true;
}

void TestImportStore::undoRestoresTheBalance()
{
    QFETCH(bool, editFirst);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0);
    const qint32 purse = db.addHolder(QStringLiteral("Purse"), 2);
    const QString firstFile = m_files.write(QStringLiteral("first"), StatementKind::Csv, between(FirstFrom, FirstTo));
    const QString secondFile =
        m_files.write(QStringLiteral("second"), StatementKind::Csv, between(SecondFrom, SecondTo));
    const qint32 firstImport = importFile(firstFile, bank);
    const QString afterFirst = snapshot(db);
    const QStringList firstBookings = bookingsOf(db, bank);
    const qint32 secondImport = importFile(secondFile, bank);
    QVERIFY(secondImport > firstImport);

    QList<qint32> moved{bank};
    if (editFirst) {
        QSqlQuery q = db.dm().select(
            QStringLiteral("select DetailID from ImportRow where ImportID = ? order by DetailID"), {secondImport});
        QList<qint32> ids;
        while (q.next())
            ids.append(q.value(0).toInt());
        QVERIFY(TBookingStore::deleteDetail(ids.at(0)));
        TDetailRow row{ids.at(1),
                       TDetailRow::Deposit,
                       purse,
                       QDateTime(QDate(2024, 4, 2), QTime(8, 0)),
                       QStringLiteral("Moved"),
                       money("7"),
                       {},
                       {}};
        TBookingStore::saveDetail(row);
        moved.append(purse);
    }

    std::optional<QList<qint32>> holders = TImportStore::undo(secondImport);
    QVERIFY(holders.has_value());
    std::sort(holders->begin(), holders->end());
    QCOMPARE(*holders, moved);
    QCOMPARE(drift(db), QStringList());
    QCOMPARE(bookingsOf(db, bank), firstBookings);
    QCOMPARE(db.balance(purse), Currency());
    if (!editFirst)
        QCOMPARE(snapshot(db), afterFirst);
    QCOMPARE(TImportStore::list().size(), 1);
    QVERIFY(!TImportStore::undo(secondImport).has_value());

    // The second file's new rows are offered again; the first's are still known.
    QCOMPARE(previewFor(secondFile, bank).count(TImportPreview::Status::New),
             int(between(FirstTo.addDays(1), SecondTo).size()));
    QCOMPARE(previewFor(firstFile, bank).count(TImportPreview::Status::New), 0);
}

void TestImportStore::cancelledImportWritesNothing_data()
{
    QTest::addColumn<int>("stopAt"); // the rows booked when the progress says stop
    QTest::newRow("at the start") << 0;
    QTest::newRow("half way") << 10240;
    QTest::newRow("after the last row") << -1;
}

void TestImportStore::cancelledImportWritesNothing()
{
    QFETCH(int, stopAt);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0);
    const QString file =
        m_files.write(QStringLiteral("large"), StatementKind::Csv, between(QDate(1990, 1, 1), QDate(2030, 12, 31)));
    const TImportPreview preview = previewFor(file, bank);
    QVERIFY(preview.tickedCount() > 20000);
    const QString before = snapshot(db);
    int calls = 0;
    int last = -1;
    bool ordered = true;
    const qint32 id = book(preview, bank, [&](int done, int total) {
        ++calls;
        ordered = ordered && done > last && total == 2 * preview.tickedCount();
        last = done;
        return stopAt < 0 ? done < total : done < stopAt;
    });
    QCOMPARE(id, 0);
    QVERIFY(ordered);
    QVERIFY(calls > 1 || stopAt == 0);
    QCOMPARE(snapshot(db), before);
    // And the same without stopping books everything.
    QVERIFY(book(preview, bank) > 0);
    QCOMPARE(db.count(QStringLiteral("Detail")), preview.tickedCount());
    QCOMPARE(drift(db), QStringList());
}

void TestImportStore::negativeRule_data()
{
    QTest::addColumn<bool>("negative");
    QTest::addColumn<bool>("warn");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<TNegativeRule::Outcome>("outcome");
    QTest::addColumn<QString>("after");
    using O = TNegativeRule::Outcome;
    const QStringList overdraw{"100", "-30", "-90"};
    QTest::newRow("stays positive") << false << false << "20" << overdraw << O::Allowed << "0.00";
    QTest::newRow("below 0, refused") << false << false << "19.99" << overdraw << O::Refused << "-0.01";
    QTest::newRow("below 0, asked") << true << true << "0" << overdraw << O::Ask << "-20.00";
    QTest::newRow("below 0, allowed") << true << false << "0" << overdraw << O::Allowed << "-20.00";
    QTest::newRow("dips only on the way") << false << false << "0" << QStringList{"-50", "60"} << O::Allowed << "10.00";
    QTest::newRow("deposits into a negative balance")
        << false << false << "-100" << QStringList{"30"} << O::Allowed << "-70.00";
    QTest::newRow("out of range") << true << false << "922337203685477" << QStringList{"1"} << O::Refused << "";
}

void TestImportStore::negativeRule()
{
    QFETCH(bool, negative);
    QFETCH(bool, warn);
    QFETCH(QString, balance);
    QFETCH(QStringList, amounts);
    QFETCH(TNegativeRule::Outcome, outcome);
    QFETCH(QString, after);
    TStatement st;
    for (const QString& a : amounts) {
        TImportRow r;
        r.date = QDate(2024, 1, 1);
        r.amount = money(qPrintable(a));
        r.from = a;
        st.rows.append(r);
    }
    const TImportPreview preview(st, TImportMatcher({}));
    TDataInfo holder;
    holder.Balance = money(qPrintable(balance));
    holder.Negative = negative;
    holder.WarnNegative = warn;
    std::optional<Currency> reached;
    QCOMPARE(TImportStore::negativeRule(holder, preview, &reached), outcome);
    QCOMPARE(reached ? reached->toFixed2() : QString(), after);
}

void TestImportStore::profiles()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0);
    const qint32 card = db.addHolder(QStringLiteral("Card"), 1);
    TCsvSettings other = bankCsvSettings();
    other.delimiter = u',';
    QCOMPARE(TImportProfiles::save(QStringLiteral("  MyBank "), bankCsvSettings(), bank), QStringLiteral("MyBank"));
    QCOMPARE(TImportProfiles::save(QStringLiteral("Card bank"), other, card), QStringLiteral("Card bank"));
    QCOMPARE(TImportProfiles::lastFor(bank), QStringLiteral("MyBank"));
    QCOMPARE(TImportProfiles::lastFor(card), QStringLiteral("Card bank"));
    QCOMPARE(TImportProfiles::lastFor(0), QString());
    QCOMPARE(TImportProfiles::names(), (QStringList{"Card bank", "MyBank"}));
    QCOMPARE(TImportProfiles::load(QStringLiteral("mybank")), std::optional<TCsvSettings>(bankCsvSettings()));

    // Another case of the same name replaces the settings and keeps the name; the holder's last
    // profile is the one saved or used last for it.
    QCOMPARE(TImportProfiles::save(QStringLiteral("MYBANK"), other, card), QStringLiteral("MyBank"));
    QCOMPARE(TImportProfiles::names().size(), 2);
    QCOMPARE(TImportProfiles::load(QStringLiteral("MyBank")), std::optional<TCsvSettings>(other));
    QCOMPARE(TImportProfiles::lastFor(card), QStringLiteral("MyBank"));
    QCOMPARE(TImportProfiles::lastFor(bank), QString());
    importFile(m_files.write(QStringLiteral("s"), StatementKind::Csv, between(FirstFrom, FirstFrom)), card,
               QStringLiteral("Card bank"));
    QCOMPARE(TImportProfiles::lastFor(card), QStringLiteral("Card bank"));

    QString error;
    QVERIFY(!TImportProfiles::load(QStringLiteral("Nobody"), &error));
    QCOMPARE(error, QStringLiteral("There is no import profile named \"Nobody\"."));
    db.dm().execute(QStringLiteral("update ImportProfile set Settings = '{' where Name = 'MyBank'"));
    QVERIFY(!TImportProfiles::load(QStringLiteral("MyBank"), &error));
    QCOMPARE(error, QStringLiteral("The import profile is damaged."));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, TImportProfiles::save(QStringLiteral(" "), other, bank));
}

// The preview's grid: lines that could not be read among the rows in the file's order, marked and
// not tickable; ticks follow the check boxes and the totals follow the ticks.
void TestImportStore::previewGrid()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0, money("5"));
    const QList<StatementEntry> entries = between(QDate(2024, 1, 1), QDate(2024, 1, 4));
    const QString file = m_files.write(QStringLiteral("broken.csv"), brokenBankCsv(entries));
    TImportPreviewModel model;
    model.setPreview(std::make_unique<TImportPreview>(previewFor(file, bank)));
    // The sum line at the end is listed, as a line of the statement's own, not as one not read.
    QCOMPARE(model.rowCount(), int(entries.size()) + 1);
    QCOMPARE(model.problemCount(), 3);
    QCOMPARE(model.index(model.rowCount() - 1, TImportPreviewModel::Status).data().toString(),
             QStringLiteral("Balance line"));
    QStringList status;
    for (int r = 0; r < model.rowCount(); ++r)
        status.append(QStringLiteral("%1 %2 %3: %4")
                          .arg(model.index(r, TImportPreviewModel::Line).data().toString(),
                               model.index(r, TImportPreviewModel::Status).data().toString())
                          .arg(bool(model.flags(model.index(r, 0)) & Qt::ItemIsUserCheckable))
                          .arg(model.index(r, TImportPreviewModel::From).data().toString()));
    QCOMPARE(status.mid(0, 7),
             (QStringList{"5 New 1: Arbeitgeber GmbH",
                          "6 Not read 0: A text in quotes is followed by other characters.", "7 New 1: Café Müller",
                          "8 Not read 0: The amount \"zwölf\" is not a number.", "9 New 1: Café Müller",
                          "10 Not read 0: \"32.13.2024\" is not a date in the order day, month, year.",
                          "11 New 1: Café Müller"}));
    // A line not read shows its text, and both in its tool tip.
    QVERIFY(model.index(1, TImportPreviewModel::For).data().toString().startsWith(QStringLiteral("\"01.01.2024\"x;")));
    QVERIFY(model.index(1, TImportPreviewModel::Date).data(Qt::ToolTipRole).toString().contains(u'\n'));
    QCOMPARE(model.totalsText(),
             QStringLiteral("4 of 4 rows ticked: deposits $2,345.67, debits $9.60, together $2,336.07."));

    QSignalSpy ticks(&model, &TImportPreviewModel::ticksChanged);
    QVERIFY(model.setData(model.index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(!model.setData(model.index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(ticks.size(), 1);
    QCOMPARE(model.index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QCOMPARE(model.totalsText(), QStringLiteral("3 of 4 rows ticked: deposits $0.00, debits $9.60, together ($9.60)."));
    QCOMPARE(model.balanceText(QStringLiteral("Girokonto"), db.balance(bank)),
             QStringLiteral("Balance of Girokonto: $5.00 now, ($4.60) after the import."));
    model.tickNewOnly();
    QCOMPARE(model.preview()->tickedCount(), 4);
    // One row is a row, not "1 rows"; counts are grouped as the locale groups them.
    QCOMPARE(TImportPreviewModel::rowsText(1), QStringLiteral("1 row"));
    QCOMPARE(TImportPreviewModel::rowsText(10000), QStringLiteral("10,000 rows"));
}

void TestImportStore::columnRoles_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<TCsvRole>("role");
    QTest::addColumn<QString>("roles"); // the role of columns 1 to 6 afterwards: D date, A amount, ...
    QTest::addColumn<QString>("check");
    QTest::newRow("as the bank's profile") << 5 << TCsvRole::None << "D.FTA."
                                           << "";
    QTest::newRow("a second From joins") << 1 << TCsvRole::From << "DFFTA."
                                         << "";
    QTest::newRow("the date moves") << 1 << TCsvRole::Date << ".DFTA."
                                    << "";
    QTest::newRow("the amount taken") << 4 << TCsvRole::Memo << "D.FTM."
                                      << "Choose the column of the amount.";
    QTest::newRow("paid out replaces the amount") << 5 << TCsvRole::PaidOut << "D.FT.O"
                                                  << "Choose the columns of money paid out and money received.";
    QTest::newRow("the bank's id") << 5 << TCsvRole::BankId << "D.FTAI"
                                   << "";
    QTest::newRow("a balance") << 5 << TCsvRole::Balance << "D.FTAB"
                               << "";
    QTest::newRow("a direction without its values") << 5 << TCsvRole::Direction << "D.FTAW"
                                                    << "Type the values of the direction column that mean money "
                                                       "paid out and money received.";
}

void TestImportStore::columnRoles()
{
    QFETCH(int, column);
    QFETCH(TCsvRole, role);
    QFETCH(QString, roles);
    QFETCH(QString, check);
    TCsvSettings s = bankCsvSettings();
    TCsvColumnRoles::assign(s, column, role);
    QString shown;
    for (int c = 0; c < 6; ++c) {
        const TCsvRole r = TCsvColumnRoles::roleOf(s, c);
        shown += QStringLiteral(".DAORWEBFTMIS").at(static_cast<int>(r));
    }
    QCOMPARE(shown, roles);
    QCOMPARE(s.check(), check);
    // Money received next to money paid out reads the file again.
    if (role == TCsvRole::PaidOut) {
        TCsvColumnRoles::assign(s, 4, TCsvRole::Received);
        QCOMPARE(s.check(), QString());
        QCOMPARE(TCsvColumnRoles::roleOf(s, 4), TCsvRole::Received);
    }
}

// Bookings typed by hand before the statement came (the salary, the rent, two coffees, a cash
// withdrawal as a transfer) are its rows: linked, not booked a second time, and kept when the
// import is taken back.
void TestImportStore::typedBefore()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0, {}, true);
    const qint32 purse = db.addHolder(QStringLiteral("Purse"), 2);
    QList<StatementEntry> entries = between(QDate(2024, 1, 1), QDate(2024, 1, 20));
    entries.append({QDate(2024, 1, 5), money("-100"), QStringLiteral("Geldautomat"), QStringLiteral("Bargeld"), {}});
    auto typeDetail = [&](int type, const QDate& day, const char* amount, const QString& from) {
        TBookingStore::saveDetail({0, type, bank, QDateTime(day, QTime(9, 0)), from, money(amount), {}, {}});
    };
    typeDetail(TDetailRow::Deposit, QDate(2024, 1, 3), "2345.67", QStringLiteral("Employer"));
    typeDetail(TDetailRow::Debit, QDate(2023, 12, 30), "1050", QStringLiteral("Landlord"));
    typeDetail(TDetailRow::Debit, QDate(2024, 1, 15), "3.20", QStringLiteral("Coffee"));
    typeDetail(TDetailRow::Debit, QDate(2024, 1, 15), "3.20", QStringLiteral("Coffee"));
    typeDetail(TDetailRow::Debit, QDate(2024, 1, 9), "50", QStringLiteral("Not on the statement"));
    TBookingStore::saveTransfer({0, bank, purse, QDateTime(QDate(2024, 1, 6), QTime(18, 0)), {}, money("100"), {}, {}});
    const QStringList typedBookings = bookingsOf(db, bank);

    const QString file = m_files.write(QStringLiteral("typed"), StatementKind::Csv, entries);
    auto preview = [&] {
        TImportPreview p = previewFor(file, bank);
        p.matchTyped(TImportStore::typedBookings(bank, QDate(2023, 12, 29), QDate(2024, 1, 23)));
        return p;
    };
    TImportPreview first = preview();
    QStringList typed;
    for (int i = 0; i < first.rowCount(); ++i) {
        if (const TTypedBooking* b = first.typed(i))
            typed.append(QStringLiteral("%1 %2 %3 %4")
                             .arg(first.row(i).date.toString(Qt::ISODate), first.row(i).amount.toFixed2(),
                                  b->date.toString(Qt::ISODate), b->counterparty));
    }
    QCOMPARE(typed, (QStringList{"2024-01-01 2345.67 2024-01-03 Employer", "2024-01-01 -1050.00 2023-12-30 Landlord",
                                 "2024-01-15 -3.20 2024-01-15 Coffee", "2024-01-15 -3.20 2024-01-15 Coffee",
                                 "2024-01-05 -100.00 2024-01-06 Purse"}));
    QCOMPARE(first.linkedRows().size(), 5);
    QCOMPARE(first.tickedCount(), first.rowCount() - 5);

    const Currency before = db.balance(bank);
    const qint32 id = book(first, bank);
    QCOMPARE(db.count(QStringLiteral("Detail")), 5 + int(entries.size()) - 5); // typed, and the rows not linked
    QCOMPARE(db.balance(bank), before + *first.net());
    QCOMPARE(drift(db), QStringList());
    // The linked rows are known now; their bookings are claimed, so a later statement offers none.
    const TImportPreview again = preview();
    QCOMPARE(again.count(TImportPreview::Status::Imported), again.rowCount());
    QCOMPARE(TImportStore::typedBookings(bank, QDate(2023, 12, 1), QDate(2024, 2, 1)).size(), 1);
    // Taking the import back keeps what was typed.
    QVERIFY(TImportStore::undo(id));
    QCOMPARE(bookingsOf(db, bank), typedBookings);
    QCOMPARE(db.balance(bank), before);
    QCOMPARE(TImportStore::typedBookings(bank, QDate(2023, 12, 1), QDate(2024, 2, 1)).size(), 6);
}

void TestImportStore::bookKeepsTheNegativeRule_data()
{
    QTest::addColumn<bool>("negative");
    QTest::addColumn<bool>("warn");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("booked");
    dataRow("may not go negative", false, false, true, false);
    dataRow("asked, no", true, true, false, false);
    dataRow("asked, yes", true, true, true, true);
}

// The import as a whole meets the holder's rule inside the store's transaction, without a dialog.
void TestImportStore::bookKeepsTheNegativeRule()
{
    QFETCH(bool, negative);
    QFETCH(bool, warn);
    QFETCH(bool, answer);
    QFETCH(bool, booked);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0, {}, negative, warn);
    const TImportPreview preview = previewFor(
        m_files.write(QStringLiteral("coffees"), StatementKind::Csv, between(QDate(2024, 1, 15), QDate(2024, 1, 15))),
        bank);
    QVERIFY(preview.net()->isNegative());
    const QString before = db.snapshot();
    std::optional<Currency> asked;
    try {
        TImportStore::book(preview, {bank, QStringLiteral("coffees"), {}}, {},
                           TNegativePolicy::asking([&](const TDataInfo&, Currency after) {
                               asked = after;
                               return answer;
                           }));
        QVERIFY(booked);
        QCOMPARE(db.balance(bank), *preview.net());
    } catch (const TNegativeRefusal& r) {
        QVERIFY(!booked);
        QCOMPARE(r.balanceAfter(), *preview.net());
        QCOMPARE(db.snapshot(), before);
    }
    QCOMPARE(asked, warn ? std::optional<Currency>(*preview.net()) : std::nullopt);
}

QTEST_MAIN(TestImportStore)
#include "tst_importstore.moc"
