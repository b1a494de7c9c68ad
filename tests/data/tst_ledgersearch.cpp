#include "TestDb.h"

#include "data/DbError.h"
#include "data/TLedgerSearch.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>

#include <mutex>

namespace {

using Stage = TLedgerSearch::Stage;

// Two holders with 300 bookings each: enough for every statement to run a few thousand engine
// instructions.
struct Books
{
    TestDb db;
    qint32 bank;
    qint32 cash;

    Books()
    {
        bank = db.addHolder(QStringLiteral("Bank"), 0);
        cash = db.addHolder(QStringLiteral("Cash"), 2);
        db.dm().execute(QStringLiteral("begin"));
        for (int i = 0; i < 300; ++i) {
            const QDateTime when(QDate(2026, 1, 1).addDays(i % 90), QTime(9, 0));
            db.addDetail(i % 2, bank, when, money("1"), QStringLiteral("Bäcker %1").arg(i));
            db.addDetail(i % 2, cash, when, money("2"), QStringLiteral("Markt %1").arg(i));
        }
        db.dm().execute(QStringLiteral("commit"));
    }

    static TLedgerQuery of(qint32 holder, int kind = -1)
    {
        TLedgerQuery q;
        q.addHolder(holder);
        if (kind >= 0)
            q.addKind(kind);
        return q;
    }
};

QList<qint64> ids(const TRowSet& rows)
{
    QList<qint64> out;
    for (int r = 0; r < rows.rowCount(); ++r)
        out << rows.number(r, TLedgerQuery::Id);
    return out;
}

// Holds the worker thread once, at the first time it reaches `stage` for request 1, until the test
// lets it go on; records every stage it reaches.
class Gate
{
public:
    explicit Gate(Stage stage)
        : m_stage(stage)
    {}

    void install(TLedgerSearch& search)
    {
        search.setStageHook([this](Stage stage, quint64 request) {
            {
                std::lock_guard lock(m_mutex);
                m_seen << std::pair(stage, request);
            }
            if (stage == m_stage && request == 1 && !m_held) {
                m_held = true;
                m_reached.release();
                m_goOn.acquire();
            }
        });
    }
    bool waitUntilHeld() { return m_reached.tryAcquire(1, 10000); }
    void goOn() { m_goOn.release(); }
    int count(Stage stage, quint64 request)
    {
        std::lock_guard lock(m_mutex);
        return int(m_seen.count(std::pair(stage, request)));
    }

private:
    Stage m_stage;
    bool m_held = false;
    QSemaphore m_reached;
    QSemaphore m_goOn;
    std::mutex m_mutex;
    QList<std::pair<Stage, quint64>> m_seen;
};

// A runner whose worker is held once at `stage` of request 1, with its answers counted.
struct HeldRunner
{
    Gate gate; // outlives the runner, whose thread calls it
    TLedgerSearch search;
    QSignalSpy finished{&search, &TLedgerSearch::finished};
    QSignalSpy failed{&search, &TLedgerSearch::failed};

    explicit HeldRunner(Stage stage)
        : gate(stage)
    {
        gate.install(search);
    }
};

} // namespace

class TestLedgerSearch : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("en_US"); }
    void deliversTheRowsOfTheQuery();
    void newerRequestSupersedes_data();
    void newerRequestSupersedes();
    void cancelDeliversNothing_data();
    void cancelDeliversNothing();
    void failureIsDelivered();
    void seesWhatTheDataModuleCommitted();
    void withoutADatabaseSubmitFailsAtOnce();
};

void TestLedgerSearch::deliversTheRowsOfTheQuery()
{
    Books b;
    TLedgerSearch search;
    QSignalSpy finished(&search, &TLedgerSearch::finished);
    TLedgerQuery q = Books::of(b.cash, 1);
    q.addText(QStringLiteral("MARKT 1"));
    QCOMPARE(search.submit(q), 1u);
    QVERIFY(search.isBusy());
    QVERIFY(finished.wait(10000));
    QVERIFY(!search.isBusy());
    const TRowSet rows = finished.at(0).at(0).value<TRowSet>();
    QCOMPARE(ids(rows), ids(q.open()));
    QCOMPARE(rows.rowCount(), 56); // 1, 11, 13, ..., 199 and 1xx of the debits
    QCOMPARE(search.submit(q), 2u);
}

void TestLedgerSearch::newerRequestSupersedes_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("stepsOfTheFirst"); // engine steps of request 1 seen in all
    QTest::newRow("taken, not started") << int(Stage::Taken) << 0;
    QTest::newRow("running in the engine") << int(Stage::Stepping) << 1;
    QTest::newRow("rows on their way") << int(Stage::Answered) << -1;
}

void TestLedgerSearch::newerRequestSupersedes()
{
    // Request 1 is held at a known point of the worker thread while requests 2 and 3 arrive; only
    // request 3 is answered, and request 2 is never even started.
    QFETCH(int, stage);
    QFETCH(int, stepsOfTheFirst);
    Books b;
    HeldRunner r{Stage(stage)};
    auto& [gate, search, finished, failed] = r;
    search.submit(Books::of(b.bank));
    QVERIFY(gate.waitUntilHeld());
    search.submit(Books::of(b.cash));
    const TLedgerQuery last = Books::of(b.cash, 0);
    search.submit(last);
    gate.goOn();
    QVERIFY(finished.wait(10000));
    QVERIFY(!search.isBusy());
    // An older answer already sent was queued before the newest one, so it has been seen by now.
    QCoreApplication::processEvents();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(failed.size(), 0);
    QCOMPARE(ids(finished.at(0).at(0).value<TRowSet>()), ids(last.open()));
    QCOMPARE(gate.count(Stage::Taken, 2), 0);
    QCOMPARE(gate.count(Stage::Taken, 3), 1);
    if (stepsOfTheFirst >= 0) {
        // Abandoned where it stood: not one more step of the engine, no answer sent.
        QCOMPARE(gate.count(Stage::Stepping, 1), stepsOfTheFirst);
        QCOMPARE(gate.count(Stage::Answered, 1), 0);
    }
}

void TestLedgerSearch::cancelDeliversNothing_data()
{
    QTest::addColumn<int>("stage");
    QTest::newRow("taken, not started") << int(Stage::Taken);
    QTest::newRow("running in the engine") << int(Stage::Stepping);
}

void TestLedgerSearch::cancelDeliversNothing()
{
    QFETCH(int, stage);
    Books b;
    HeldRunner r{Stage(stage)};
    auto& [gate, search, finished, failed] = r;
    search.submit(Books::of(b.bank));
    QVERIFY(gate.waitUntilHeld());
    search.cancel();
    QVERIFY(!search.isBusy());
    gate.goOn();
    // The next request is answered, and it is the only answer.
    search.submit(Books::of(b.cash));
    QVERIFY(finished.wait(10000));
    QCoreApplication::processEvents();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).value<TRowSet>().rowCount(), 300);
    QCOMPARE(gate.count(Stage::Stepping, 1), stage == int(Stage::Stepping) ? 1 : 0);
    QCOMPARE(gate.count(Stage::Answered, 1), 0);
}

void TestLedgerSearch::failureIsDelivered()
{
    Books b;
    b.db.dm().execute(QStringLiteral("drop table Transfer"));
    TLedgerSearch search;
    QSignalSpy finished(&search, &TLedgerSearch::finished);
    QSignalSpy failed(&search, &TLedgerSearch::failed);
    search.submit(Books::of(b.bank));
    QVERIFY(failed.wait(10000));
    QVERIFY2(failed.at(0).at(0).toString().contains(QStringLiteral("no such table")),
             qPrintable(failed.at(0).at(0).toString()));
    QCOMPARE(finished.size(), 0);
    QVERIFY(!search.isBusy());
}

void TestLedgerSearch::seesWhatTheDataModuleCommitted()
{
    Books b;
    TLedgerSearch search;
    QSignalSpy finished(&search, &TLedgerSearch::finished);
    search.submit(Books::of(b.bank));
    QVERIFY(finished.wait(10000));
    b.db.addDetail(0, b.bank, QDateTime(QDate(2026, 5, 1), QTime(8, 0)), money("5"), QStringLiteral("new"));
    search.submit(Books::of(b.bank));
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.at(1).at(0).value<TRowSet>().rowCount(), finished.at(0).at(0).value<TRowSet>().rowCount() + 1);
}

void TestLedgerSearch::withoutADatabaseSubmitFailsAtOnce()
{
    const MissingDb missing;
    TLedgerSearch search;
    try {
        search.submit(TLedgerQuery());
        QFAIL("a search ran without a database");
    } catch (const DbError& e) {
        QCOMPARE(e.text(), missing.openError);
    }
    QVERIFY(!search.isBusy());
}

QTEST_GUILESS_MAIN(TestLedgerSearch)
#include "tst_ledgersearch.moc"
