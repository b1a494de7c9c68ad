#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "TestDb.h"

#include "app/TFrmMain.h"
#include "app/TProgram.h"
#include "bookings/TBookingStore.h"
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
#include <sys/resource.h>

namespace {

const QDateTime Now(QDate(2026, 5, 20), QTime(10, 0));

// A backup file named after `day`, last changed at `changed`.
void fakeBackup(const QString& folder, const QString& name, const QDateTime& changed)
{
    QDir().mkpath(folder);
    QFile f(QDir(folder).filePath(name));
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(name));
    f.write("old");
    f.flush();
    f.setFileTime(changed, QFileDevice::FileModificationTime);
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
    void keepsTheNewestSeven();
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

void TestDailyBackup::keepsTheNewestSeven()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    TestDb::createFile(path);
    const QString folder = dir.filePath(QStringLiteral("backup"));
    for (int day = 1; day <= 9; ++day)
        fakeBackup(folder, TDailyBackup::fileNameFor(QDate(2026, 5, day)), QDateTime(QDate(2026, 5, day), QTime(8, 0)));
    fakeBackup(folder, QStringLiteral("my notes.txt"), Now);

    TDM dm(path);
    dm.DataModuleCreate();
    QVERIFY(dm.backup() != nullptr);
    dm.backup()->finishNow();
    QVERIFY(dm.backup()->isDone());
    QStringList kept{QStringLiteral("Data-2026-05-20.mdb")};
    for (int day = 9; day >= 4; --day)
        kept << TDailyBackup::fileNameFor(QDate(2026, 5, day));
    QCOMPARE(TDailyBackup::backups(folder), kept);
    QVERIFY(QFile::exists(QDir(folder).filePath(QStringLiteral("my notes.txt"))));
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
