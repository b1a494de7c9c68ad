// Times the Due Bookings dialog over the due list of a program not started for ten years. Built
// with the project, run by hand (in a Release build):
//
//   bench_duedialog
//
// A file of 20 holders and 200 standing orders of every rhythm (every 1 to 3 days, weeks, months
// and years, some shifted off weekends), none booked for ten years. Timed: the due list as the main
// window reads it at start, the dialog filled with it, and from the dialog's show until its rows are
// painted (offscreen), each the median of five runs.

#include "BenchSupport.h"

#include "data/TDM.h"
#include "data/TSchema.h"
#include "orders/TFrmDueBookings.h"
#include "orders/TOrderStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Orders = 200;
const QDate Today(2026, 5, 20);

void makeFile(const QString& path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        db.open();
        TSchema::create(db, TSchema::Version);
        QSqlQuery q(db);
        for (int h = 1; h <= 20; ++h)
            q.exec(QStringLiteral("insert into Account (name, type, Balance, negative) values ('Holder %1', %2, 0, 1)")
                       .arg(h)
                       .arg(h % 3));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
}

double medianMs(const std::function<void()>& run)
{
    QList<double> ms;
    for (int i = 0; i < Bench::Repeats; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        ms << t.nsecsElapsed() / 1e6;
    }
    return Bench::median(ms);
}

} // namespace

int main(int argc, char** argv)
{
    Bench::prepareProcess();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    makeFile(path);
    TDM dm(path, false);
    dm.DataModuleCreate();
    for (int i = 0; i < Orders; ++i) {
        TStandingOrder o;
        o.kind = TStandingOrder::Kind(i % 3);
        o.holder = 1 + i % 20;
        o.destination = o.kind == TStandingOrder::Kind::Transfer ? 1 + (i + 7) % 20 : 0;
        o.amount = Currency::fromUnits(1 + i);
        o.counterparty = QStringLiteral("Payee %1").arg(i);
        o.forText = QStringLiteral("Order %1").arg(i);
        o.unit = TStandingOrder::Unit(i % 4);
        o.every = 1 + i % 3;
        o.first = Today.addYears(-10).addDays(i);
        o.weekend = TStandingOrder::Weekend(i % 5 == 0 ? 1 : i % 5 == 1 ? 2 : 0);
        TOrderStore::save(o);
    }

    QList<TOccurrence> due;
    const double list = medianMs([&] { due = TOrderStore::due(Today); });
    const double fill = medianMs([&] {
        TFrmDueBookings dialog;
        dialog.setOccurrences(due);
    });
    const double shown = medianMs([&] {
        TFrmDueBookings dialog;
        dialog.setOccurrences(due);
        dialog.show();
        QApplication::processEvents();
        dialog.repaint();
    });
    std::printf("Due Bookings, %d orders ten years unattended, %lld occurrences (median of %d):\n", Orders,
                static_cast<long long>(due.size()), Bench::Repeats);
    std::printf("  due list read: %.2f ms\n  dialog made and filled: %.2f ms\n"
                "  dialog made, filled, shown and painted: %.2f ms\n",
                list, fill, shown);
    return 0;
}
