// Times the standing orders at start beside the bare engine on the same file in the same run.
// Built with the project, run by hand (in a Release build):
//
//   bench_orders
//
// A file of 20 holders and 200 standing orders of every rhythm (every 1 to 3 days, weeks, months
// and years, some shifted off weekends), none booked for ten years: the program was not started
// since. Ours is the due list as the due dialog shows it (every occurrence, the oldest first) and
// the count of the coming week as the status bar shows it; the engine's is a plain read of the
// orders' table through the sqlite3 shell. The open of the file is timed with and without the
// orders, and the upgrade of a version 5 file to the orders' version.

#include "BenchSupport.h"

#include "data/TDM.h"
#include "data/TSchema.h"
#include "orders/TOrderStore.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace Bench;

constexpr int Orders = 200;
const QDate Today(2026, 5, 20);

// A file of `version` with 20 holders, and `orders` standing orders when the version has them.
void makeFile(const QString& path, int version, int orders)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        db.open();
        TSchema::create(db, version);
        QSqlQuery q(db);
        db.transaction();
        for (int h = 1; h <= 20; ++h)
            q.exec(QStringLiteral("insert into Account (name, type, Balance) values ('Holder %1', %2, 0)")
                       .arg(h)
                       .arg(h % 3));
        q.prepare(QStringLiteral("insert into StandingOrder (Kind, HolderID, DestID, Amount, [For], Unit, Every,"
                                 " First, Weekend, Varying) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < orders; ++i) {
            const int kind = i % 3;
            q.addBindValue(kind);
            q.addBindValue(1 + i % 20);
            q.addBindValue(kind == 2 ? 1 + (i + 7) % 20 : 0);
            q.addBindValue(qint64(10000) * (1 + i));
            q.addBindValue(QStringLiteral("Order %1").arg(i));
            q.addBindValue(i % 4);     // days, weeks, months, years
            q.addBindValue(1 + i % 3); // every 1 to 3
            q.addBindValue(TDM::toDbDay(Today.addYears(-10).addDays(i)));
            q.addBindValue(i % 5 == 0 ? 1 : i % 5 == 1 ? 2 : 0);
            q.addBindValue(i % 7 == 0 ? 1 : 0);
            q.exec();
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
}

double openMs(const QString& path)
{
    QList<double> walls;
    for (int i = 0; i < Repeats + 1; ++i) {
        QElapsedTimer t;
        t.start();
        TDM dm(path, false);
        dm.DataModuleCreate();
        if (i > 0)
            walls << t.nsecsElapsed() / 1e6;
    }
    return median(walls);
}

} // namespace

int main(int argc, char** argv)
{
    prepareProcess();
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    const QString bare = dir.filePath(QStringLiteral("Bare.mdb"));
    const QString older = dir.filePath(QStringLiteral("Older.mdb"));
    makeFile(path, TSchema::Version, Orders);
    makeFile(bare, TSchema::Version, 0);

    std::printf("Opening the file (median of %d): %.2f ms with %d standing orders, %.2f ms without.\n", Repeats,
                openMs(path), Orders, openMs(bare));
    {
        makeFile(older, 5, 0);
        QElapsedTimer t;
        t.start();
        TDM dm(older, false);
        dm.DataModuleCreate();
        std::printf("Opening a version 5 file with its upgrade to version %d: %.2f ms.\n\n", TSchema::Version,
                    t.nsecsElapsed() / 1e6);
    }

    TDM dm(path, false);
    dm.DataModuleCreate();
    reportHeader();
    int due = 0;
    const Timing list = timeOurs([&] { due = static_cast<int>(TOrderStore::due(Today).size()); });
    const Timing shell = timeShell(path, QStringLiteral("select * from StandingOrder;"));
    report("due list: 200 orders, ten years unattended", due, list, shell, 1000, 50);
    int coming = 0;
    const Timing week = timeOurs([&] { coming = TOrderStore::dueWithin(Today); });
    report("due in the coming week (status bar)", coming, week, shell, 1000, 50);
    // After booking everything due, the next start's list: empty, from the records.
    {
        TDM::Transaction t(dm);
        QSqlQuery q = dm.select(QStringLiteral("select 1"));
        q.finish();
        for (const TOccurrence& o : TOrderStore::due(Today))
            dm.execute(
                QStringLiteral("insert into OrderOccurrence (OrderID, Scheduled, Date, State) values (?, ?, ?, 2)"),
                {o.order, TDM::toDbDay(o.scheduled), TDM::toDbDay(o.date)});
        t.commit();
    }
    int left = 0;
    const Timing after = timeOurs([&] { left = static_cast<int>(TOrderStore::due(Today).size()); });
    // The engine's part of it: each order with the newest of its records and their number.
    const Timing records = timeShell(
        path, QStringLiteral("select o.ID, (select max(Scheduled) from OrderOccurrence where OrderID = o.ID),"
                             " (select count(*) from OrderOccurrence where OrderID = o.ID) from StandingOrder o;"));
    report("due list of the next start (every occurrence recorded)", left, after, records, 1000, 50);
    return 0;
}
