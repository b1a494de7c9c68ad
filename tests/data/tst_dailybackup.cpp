#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "TestDb.h"

#include "app/TFrmMain.h"
#include "app/TProgram.h"
#include "bookings/TBookingStore.h"
#include "data/TBackupCheck.h"
#include "data/TBackupRotation.h"
#include "data/TClock.h"
#include "data/TDailyBackup.h"
#include "toolkit/TMessageService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <latch>
#include <sqlite3.h>
#include <sys/resource.h>
#include <thread>

namespace {

const QDateTime Now(QDate(2026, 5, 20), QTime(10, 0));

// A backup `name` in `folder`, last changed at `changed`: a whole database with the booking tables
// and `bookings` bookings (no log beside it, as a backup is left), or with `bookings` < 0 a few
// bytes that are no database.
void fakeBackup(const QString& folder, const QString& name, const QDateTime& changed, int bookings = 1)
{
    const QString path = QDir(folder).filePath(name);
    QDir().mkpath(folder);
    QFile::remove(path);
    sqlite3* db = nullptr;
    const QByteArray sql = "create table Detail (ID integer primary key); create table Transfer (ID integer);" +
                           QByteArray("insert into Detail default values;").repeated(bookings);
    if (bookings >= 0 && (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK ||
                          sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK))
        qFatal("cannot write %s", qPrintable(path));
    sqlite3_close(db);
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite) || (bookings < 0 && f.write("old") != 3) ||
        !f.setFileTime(changed, QFileDevice::FileModificationTime))
        qFatal("cannot write %s", qPrintable(path));
}

// A data file at `path` with `bookings` deposits into one holder, closed (its log folded in).
void dataFileWith(const QString& path, int bookings)
{
    TestDb::createFile(path);
    TDM dm(path, false);
    dm.DataModuleCreate();
    dm.select(QStringLiteral("PRAGMA synchronous = OFF")); // speed only
    dm.execute(QStringLiteral("insert into Account (name, type) values ('Bank', 0)"));
    for (int i = 0; i < bookings; ++i)
        TBookingStore::saveDetail({0, 0, 1, Now, QStringLiteral("Pay %1").arg(i), money("1"), {}, {}});
}

// The bookings in a copy of the file, read without the data module.
QStringList bookingsIn(const QString& path)
{
    QStringList out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copy"));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA integrity_check"));
        q.next();
        out << q.value(0).toString();
        q.exec(QStringLiteral("select ID, [From], Amount from Detail order by ID"));
        while (q.next())
            out << QStringLiteral("%1 %2 %3")
                       .arg(q.value(0).toInt())
                       .arg(q.value(1).toString())
                       .arg(q.value(2).toLongLong());
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("copy"));
    return out;
}

} // namespace

class TestDailyBackup : public QObject
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(Now); }
    void dueWhenTheNewestIsADayOld_data();
    void dueWhenTheNewestIsADayOld();
    void copiesTheFileAsItWasAtTheStart();
    void rotationKeepsDaysWeeksAndMonths_data();
    void rotationKeepsDaysWeeksAndMonths();
    void rotatesOnlyWholeCopies();
    void copiesAtOnceLeaveOneWholeBackup_data();
    void copiesAtOnceLeaveOneWholeBackup();
    void theDaysFileIsWholeOrNone_data();
    void theDaysFileIsWholeOrNone();
    void takenOncePerDay();
    void abandonedCopyLeavesNothing();
    void failureIsReportedOnceInTheStatusBar_data();
    void failureIsReportedOnceInTheStatusBar();
};

void TestDailyBackup::dueWhenTheNewestIsADayOld_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("ageMinutes");
    QTest::addColumn<bool>("due");
    dataRow("no backup yet", QStringList{}, QList<int>{}, true);
    dataRow("newest a minute short of a day", QStringList{"Data-2026-05-19.mdb"}, QList<int>{24 * 60 - 1}, false);
    dataRow("newest exactly a day old", QStringList{"Data-2026-05-19.mdb"}, QList<int>{24 * 60}, true);
    dataRow("newest by name decides", QStringList{"Data-2026-05-19.mdb", "Data-2026-05-10.mdb"}, QList<int>{60, 10},
            false);
    dataRow("newest three days old", QStringList{"Data-2026-05-17.mdb", "Data-2026-05-16.mdb"},
            QList<int>{3 * 24 * 60, 4 * 24 * 60}, true);
    dataRow("clock set back: newest in the future", QStringList{"Data-2026-06-01.mdb"}, QList<int>{-60}, false);
    dataRow("only unfinished and foreign names",
            QStringList{"Data-2026-05-20.mdb.part", "Data-copy.mdb", "Data-2026-13-40.mdb"}, QList<int>{1, 1, 1}, true);
}

void TestDailyBackup::dueWhenTheNewestIsADayOld()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, ageMinutes);
    QFETCH(bool, due);
    QTemporaryDir dir;
    for (qsizetype i = 0; i < names.size(); ++i)
        fakeBackup(dir.path(), names[i], Now.addSecs(-60LL * ageMinutes[i]));
    QCOMPARE(TDailyBackup::isDue(dir.path(), Now), due);
}

void TestDailyBackup::copiesTheFileAsItWasAtTheStart()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    TestDb::createFile(path);
    qint32 holder = 0;
    {
        TDM dm(path, false);
        dm.DataModuleCreate();
        dm.execute(QStringLiteral("insert into Account (name, type) values ('Bank', 0)"));
        holder = 1;
        TBookingStore::saveDetail({0, 0, holder, Now, QStringLiteral("Before"), money("2.5"), {}, {}});
    }

    TDM dm(path);
    dm.DataModuleCreate();
    TDailyBackup* backup = dm.backup();
    QVERIFY(backup != nullptr);
    QVERIFY(backup->isRunning());
    // The copy's slices wait until the window has painted: the events of the start run none.
    QCoreApplication::processEvents();
    QCOMPARE(backup->slices(), 0);
    // The program writes while the copy runs; the copy keeps the state of the start.
    TBookingStore::saveDetail({0, 0, holder, Now, QStringLiteral("During"), money("1"), {}, {}});
    QTRY_VERIFY(backup->isDone());
    QVERIFY(backup->error().isEmpty());

    const QString copy = dir.filePath(QStringLiteral("backup/Data-2026-05-20.mdb"));
    QCOMPARE(backup->file(), copy);
    QCOMPARE(bookingsIn(copy), (QStringList{QStringLiteral("ok"), QStringLiteral("1 Before 25000")}));
    QCOMPARE(QFileInfo(copy).lastModified(), Now);
    QCOMPARE(QDir(dir.filePath(QStringLiteral("backup"))).entryList(QDir::Files),
             QStringList{QStringLiteral("Data-2026-05-20.mdb")});
    QVERIFY(backup->slices() >= 1);
    QCOMPARE(TDM::LoadHolder(holder).Balance, money("3.5"));
}

void TestDailyBackup::rotationKeepsDaysWeeksAndMonths_data()
{
    // A simulated year of starts up to Wednesday 2026-05-20, each of which makes the day's copy and
    // rotates: the copies left at the end.
    QTest::addColumn<QString>("starts");    // "daily", "weekdays", or "away": daily but February to mid-May
    QTest::addColumn<QDate>("damagedFrom"); // the copies from this day on are damaged
    QTest::addColumn<QStringList>("kept");
    const QStringList months{"2025-12-31", "2026-01-31", "2026-02-28", "2026-03-31", "2026-04-30"};
    dataRow("every day: seven days, four weeks' Sundays, six months' last days", "daily", QDate(),
            months + QStringList{"2026-05-03", "2026-05-10", "2026-05-14", "2026-05-15", "2026-05-16", "2026-05-17",
                                 "2026-05-18", "2026-05-19", "2026-05-20"});
    dataRow("weekdays only: the week's and the month's last weekday", "weekdays", QDate(),
            QStringList{"2025-12-31", "2026-01-30", "2026-02-27", "2026-03-31", "2026-04-30", "2026-05-01",
                        "2026-05-08", "2026-05-12", "2026-05-13", "2026-05-14", "2026-05-15", "2026-05-18",
                        "2026-05-19", "2026-05-20"});
    dataRow("a damaged week: only whole copies, last month's among them", "daily", QDate(2026, 5, 14),
            months + QStringList{"2026-05-03", "2026-05-07", "2026-05-08", "2026-05-09", "2026-05-10", "2026-05-11",
                                 "2026-05-12", "2026-05-13"});
    dataRow("away from February to mid-May", "away", QDate(),
            QStringList{"2025-12-31", "2026-01-28", "2026-01-29", "2026-01-30", "2026-01-31", "2026-05-18",
                        "2026-05-19", "2026-05-20"});
    dataRow("damaged since the first day: the one whole copy stays", "daily", QDate(2025, 5, 21),
            QStringList{"2025-05-20"});
}

void TestDailyBackup::rotationKeepsDaysWeeksAndMonths()
{
    QFETCH(QString, starts);
    QFETCH(QDate, damagedFrom);
    QFETCH(QStringList, kept);
    const QDate last(2026, 5, 20);
    QList<TBackupRotation::Copy> copies;
    for (QDate day = last.addYears(-1); day <= last; day = day.addDays(1)) {
        if ((starts == QLatin1String("weekdays") && day.dayOfWeek() > 5) ||
            (starts == QLatin1String("away") && day > QDate(2026, 1, 31) && day < QDate(2026, 5, 18)))
            continue;
        const bool damaged = damagedFrom.isValid() && day >= damagedFrom;
        copies << TBackupRotation::Copy{day, damaged ? TBackupRotation::State::Damaged : TBackupRotation::State::Whole};
        const QList<QDate> gone = TBackupRotation::toDelete(copies, day);
        copies.removeIf([&](const TBackupRotation::Copy& c) { return gone.contains(c.day); });
    }
    QStringList left;
    for (const TBackupRotation::Copy& c : std::as_const(copies))
        left << c.day.toString(Qt::ISODate);
    QCOMPARE(left, kept);
    // A copy that could not be read is left alone.
    copies << TBackupRotation::Copy{last.addDays(1), TBackupRotation::State::Unknown};
    QVERIFY(!TBackupRotation::toDelete(copies, last.addDays(1)).contains(last.addDays(1)));
}

void TestDailyBackup::rotatesOnlyWholeCopies()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    TestDb::createFile(path);
    const QString folder = dir.filePath(QStringLiteral("backup"));
    for (int day = 1; day <= 9; ++day)
        fakeBackup(folder, TDailyBackup::fileNameFor(QDate(2026, 5, day)), QDateTime(QDate(2026, 5, day), QTime(8, 0)));
    // Today's, broken by an earlier version's race: it is no day's copy, and goes.
    fakeBackup(folder, TDailyBackup::fileNameFor(Now.date()), Now.addSecs(-3600), -1);
    fakeBackup(folder, QStringLiteral("my notes.txt"), Now);

    TDM dm(path);
    dm.DataModuleCreate();
    QVERIFY(dm.backup() != nullptr);
    dm.backup()->finishNow();
    QVERIFY(dm.backup()->isDone());
    // The newest seven whole copies, and the newest of the week of 3 May.
    QStringList kept{QStringLiteral("Data-2026-05-20.mdb")};
    for (int day = 9; day >= 3; --day)
        kept << TDailyBackup::fileNameFor(QDate(2026, 5, day));
    QCOMPARE(TDailyBackup::backups(folder), kept);
    QVERIFY(QFile::exists(QDir(folder).filePath(QStringLiteral("my notes.txt"))));
}

void TestDailyBackup::copiesAtOnceLeaveOneWholeBackup_data()
{
    // Two copies of the program (two TDailyBackups) write the same day's backup of one file.
    QTest::addColumn<QString>("order"); // a, b: start; A, B: finish; "threads": both on threads
    dataRow("started together, finished in turn", "abAB");
    dataRow("started together, the second finishes first", "abBA");
    dataRow("one after the other", "aAbB");
    dataRow("on two threads at once", "threads");
}

void TestDailyBackup::copiesAtOnceLeaveOneWholeBackup()
{
    QFETCH(QString, order);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    dataFileWith(path, 300);
    QStringList errors{QString(), QString()};
    auto finish = [&](TDailyBackup& backup, int i) {
        backup.finishNow();
        errors[i] = backup.isDone() ? backup.error() : QStringLiteral("not done: ") + backup.error();
    };
    if (order == QLatin1String("threads")) {
        std::latch started(2);
        auto run = [&](int i) {
            TDailyBackup backup(path);
            backup.start();
            started.arrive_and_wait();
            finish(backup, i);
        };
        std::thread first(run, 0);
        std::thread second(run, 1);
        first.join();
        second.join();
    } else {
        TDailyBackup backups[2]{TDailyBackup(path), TDailyBackup(path)};
        for (QChar step : order) {
            const int i = step.toLower() == u'a' ? 0 : 1;
            if (step.isLower())
                backups[i].start();
            else
                finish(backups[i], i);
        }
    }
    QCOMPARE(errors, (QStringList{QString(), QString()}));
    const QString folder = dir.filePath(QStringLiteral("backup"));
    QCOMPARE(TDailyBackup::backups(folder), QStringList{TDailyBackup::fileNameFor(Now.date())});
    const TBackupCheck::Result copy = TBackupCheck::check(QDir(folder).filePath(TDailyBackup::fileNameFor(Now.date())));
    QCOMPARE(copy.verdict, TBackupCheck::Verdict::Whole);
    QCOMPARE(copy.bookings, 300);
    QCOMPARE(QDir(folder).entryList({QStringLiteral("*.part")}, QDir::Files), QStringList{});
}

void TestDailyBackup::theDaysFileIsWholeOrNone_data()
{
    // The day's file that another copy of the program put in place while this one copied.
    QTest::addColumn<bool>("damagedSource");
    QTest::addColumn<int>("existing"); // bookings of a whole one; -1 junk; -2 none
    QTest::addColumn<int>("result");   // bookings in the day's file at the end; -2 none
    dataRow("no day's file yet: the copy", false, -2, 20);
    dataRow("a broken day's file: replaced by the copy", false, -1, 20);
    dataRow("a whole day's file: kept", false, 7, 7);
    dataRow("a damaged data file: nothing", true, -2, -2);
    dataRow("a damaged data file: the whole day's file kept", true, 7, 7);
}

void TestDailyBackup::theDaysFileIsWholeOrNone()
{
    QFETCH(bool, damagedSource);
    QFETCH(int, existing);
    QFETCH(int, result);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    dataFileWith(path, 20);
    if (damagedSource) {
        // The holders' table (the schema's first, on page 2) spoilt: the bookings still count.
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(4096) && f.write("\x00\xff", 2) == 2);
    }
    const QString folder = dir.filePath(QStringLiteral("backup"));
    const QString day = QDir(folder).filePath(TDailyBackup::fileNameFor(Now.date()));
    fakeBackup(folder, TDailyBackup::fileNameFor(Now.date().addDays(-3)), Now.addDays(-3), 5);

    TDailyBackup backup(path);
    QSignalSpy failures(&backup, &TDailyBackup::failed);
    backup.start();
    if (existing > -2)
        fakeBackup(folder, TDailyBackup::fileNameFor(Now.date()), Now, existing);
    backup.finishNow();

    QCOMPARE(failures.size(), damagedSource ? 1 : 0);
    QCOMPARE(backup.isDone(), !damagedSource);
    QVERIFY2(!damagedSource || backup.error().contains(QStringLiteral("is not whole")), qPrintable(backup.error()));
    QCOMPARE(TBackupCheck::check(day).bookings, qint64(std::max(result, -1)));
    QCOMPARE(TBackupCheck::check(QDir(folder).filePath(TDailyBackup::fileNameFor(Now.date().addDays(-3)))).bookings, 5);
    QCOMPARE(QDir(folder).entryList({QStringLiteral("*.part")}, QDir::Files), QStringList{});
}

void TestDailyBackup::takenOncePerDay()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    TestDb::createFile(path);
    const QString folder = dir.filePath(QStringLiteral("backup"));
    for (const auto& [moment, expectBackup] : {std::pair{Now, true},
                                               {Now.addSecs(23 * 3600), false},
                                               {Now.addDays(1), true},
                                               {Now.addDays(1).addSecs(60), false}}) {
        TClock::setFixed(moment);
        TDM dm(path);
        dm.DataModuleCreate();
        QCOMPARE(dm.backup() != nullptr, expectBackup);
        if (dm.backup() != nullptr)
            dm.backup()->finishNow();
    }
    QCOMPARE(TDailyBackup::backups(folder),
             (QStringList{QStringLiteral("Data-2026-05-21.mdb"), QStringLiteral("Data-2026-05-20.mdb")}));
}

void TestDailyBackup::abandonedCopyLeavesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    TestDb::createFile(path);
    {
        TDM dm(path);
        dm.DataModuleCreate();
        QVERIFY(dm.backup() != nullptr && dm.backup()->isRunning());
        // The program ends before the first slice.
    }
    QCOMPARE(QDir(dir.filePath(QStringLiteral("backup"))).entryList(QDir::Files), QStringList{});
    QCoreApplication::processEvents();
}

void TestDailyBackup::failureIsReportedOnceInTheStatusBar_data()
{
    QTest::addColumn<bool>("folderBlocked");
    dataRow("a file where the folder belongs", true);
    dataRow("the disk refuses the copy part way", false);
}

void TestDailyBackup::failureIsReportedOnceInTheStatusBar()
{
    QFETCH(bool, folderBlocked);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    TestDb::createFile(path);
    if (folderBlocked) {
        QFile blocker(dir.filePath(QStringLiteral("backup")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("mine");
    }

    TProgram program(path);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    program.start();
    QVERIFY(program.dm().isOpen());
    TDailyBackup* backup = program.dm().backup();
    QVERIFY(backup != nullptr);
    QSignalSpy failures(backup, &TDailyBackup::failed);
    if (!folderBlocked) {
        // Writes past 8 KB are refused (root included) while the copy runs.
        rlimit small = saved;
        small.rlim_cur = 8192;
        setrlimit(RLIMIT_FSIZE, &small);
        QTRY_VERIFY(!backup->isRunning());
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(failures.size(), 1);
    }
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!backup->error().isEmpty());
    QVERIFY(!backup->isDone());

    // Only the status bar tells; no box, and the program works on.
    QVERIFY(TMessageService::takeShown().isEmpty());
    auto* status = program.window()->findChild<QLabel*>(QStringLiteral("statusBackup"));
    QVERIFY(status->isVisibleTo(program.window()));
    QCOMPARE(status->text(), QStringLiteral("Backup failed: ") + backup->error());
    QVERIFY(program.window()->findChild<QLabel*>(QStringLiteral("statusClock"))->isVisibleTo(program.window()));
    QCOMPARE(program.dm().execute(QStringLiteral("insert into Account (name, type) values ('Bank', 0)")), 1);
    if (folderBlocked) {
        QFile blocker(dir.filePath(QStringLiteral("backup")));
        QVERIFY(blocker.open(QIODevice::ReadOnly));
        QCOMPARE(blocker.readAll(), QByteArray("mine"));
    } else {
        QCOMPARE(QDir(dir.filePath(QStringLiteral("backup"))).entryList(QDir::Files), QStringList{});
    }
}

QTEST_MAIN(TestDailyBackup)
#include "tst_dailybackup.moc"
