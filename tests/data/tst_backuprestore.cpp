#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "TestDb.h"

#include "bookings/TBookingStore.h"
#include "data/DbError.h"
#include "data/TBackupRestore.h"
#include "data/TPaths.h"
#include "data/TSchema.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

using Step = TBackupRestore::Step;

namespace {

const QDateTime Now(QDate(2026, 5, 20), QTime(10, 0));

void exec(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK ||
        sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        qFatal("cannot write %s: %s", qPrintable(path), sqlite3_errmsg(db));
    sqlite3_close(db);
}

// A data file at `path` with `holders` holders and `bookings` deposits into the first, closed.
void dataFile(const QString& path, int holders, int bookings)
{
    TestDb::createFile(path);
    TDM dm(path, false);
    dm.DataModuleCreate();
    for (int h = 0; h < holders; ++h)
        dm.execute(QStringLiteral("insert into Account (name, type) values ('Holder %1', 0)").arg(h));
    for (int i = 0; i < bookings; ++i)
        TBookingStore::saveDetail({0, 0, 1, Now, QStringLiteral("Pay %1").arg(i), money("1"), {}, {}});
}

// "integrity holders bookings" of a file (with its log), read without the program's classes from a
// copy, so that the reading leaves nothing beside the file.
QString contents(const QString& path)
{
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("copy.mdb"));
    if (QFileInfo::exists(path) && !QFile::copy(path, copy))
        qFatal("cannot copy %s", qPrintable(path));
    if (QFileInfo::exists(path + QStringLiteral("-wal")) &&
        !QFile::copy(path + QStringLiteral("-wal"), copy + QStringLiteral("-wal")))
        qFatal("cannot copy the log of %s", qPrintable(path));
    sqlite3* db = nullptr;
    QStringList out;
    if (QFileInfo::exists(copy) &&
        sqlite3_open_v2(QFile::encodeName(copy).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        for (const char* sql : {"PRAGMA integrity_check", "select count(*) from Account",
                                "select (select count(*) from Detail) + (select count(*) from Transfer)"}) {
            sqlite3_stmt* q = nullptr;
            if (sqlite3_prepare_v2(db, sql, -1, &q, nullptr) == SQLITE_OK && sqlite3_step(q) == SQLITE_ROW)
                out << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(q, 0)));
            sqlite3_finalize(q);
        }
    }
    sqlite3_close(db);
    return out.join(QLatin1Char(' '));
}

QString wholeWith(int holders, int bookings)
{
    return QStringLiteral("ok %1 %2").arg(holders).arg(bookings);
}

// Files a failed step may have left behind: temporary copies.
QStringList leftovers(const QString& folder)
{
    QStringList found;
    for (const QString& dir : {folder, folder + QStringLiteral("/backup")})
        found += QDir(dir).entryList({QStringLiteral("*.part*")}, QDir::Files);
    return found;
}

// A backup of each kind the restore meets: `kind` names it.
QString makeBackup(const QString& folder, const QString& kind)
{
    const QString path = QDir(folder).filePath(QStringLiteral("backup/Data-2026-05-19.mdb"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (kind == QLatin1String("missing"))
        return path;
    if (kind == QLatin1String("foreign")) {
        exec(path, "create table Recipe (Name text); insert into Recipe values ('Soup')");
        return path;
    }
    dataFile(path, 1, 40);
    if (kind == QLatin1String("newer")) {
        exec(path, QStringLiteral("PRAGMA user_version = %1").arg(TSchema::Version + 1).toLatin1().constData());
    } else if (kind == QLatin1String("damaged")) {
        // Pages in the middle overwritten, as a failing disk leaves them.
        QFile f(path);
        if (!f.open(QIODevice::ReadWrite) || !f.seek(f.size() / 2) || f.write(QByteArray(8192, '\xa5')) != 8192)
            qFatal("cannot damage %s", qPrintable(path));
    }
    return path;
}

} // namespace

class TestBackupRestore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { startWindowTest(Now); }
    void restoresOnlyAWholeBackupOfAKnownVersion_data();
    void restoresOnlyAWholeBackupOfAKnownVersion();
    void aFailureAtAnyStepLeavesTheOldFileWhole_data();
    void aFailureAtAnyStepLeavesTheOldFileWhole();
    void backUpNowWritesAWholeCopyOrNothing_data();
    void backUpNowWritesAWholeCopyOrNothing();
    void listsEachBackupWithItsHoldersAndBookings();
    void choosesTheDataFile_data();
    void choosesTheDataFile();
};

void TestBackupRestore::restoresOnlyAWholeBackupOfAKnownVersion_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("crashLog");
    QTest::addColumn<bool>("restored");
    dataRow("a good backup", "good", false, true);
    dataRow("a good backup over a file a crash left with its log", "good", true, true);
    dataRow("a damaged backup", "damaged", false, false);
    dataRow("a newer version's backup", "newer", false, false);
    dataRow("another program's database", "foreign", false, false);
    dataRow("a backup that is gone", "missing", false, false);
}

void TestBackupRestore::restoresOnlyAWholeBackupOfAKnownVersion()
{
    QFETCH(QString, kind);
    QFETCH(bool, crashLog);
    QFETCH(bool, restored);
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("Data.mdb"));
    const QString backup = makeBackup(dir.path(), kind);
    if (crashLog) {
        // The file and its log as a crash leaves them: three bookings only in the log.
        QTemporaryDir running;
        const QString live = running.filePath(QStringLiteral("Data.mdb"));
        dataFile(live, 2, 3);
        TDM dm(live, false);
        dm.DataModuleCreate();
        dm.execute(QStringLiteral("PRAGMA wal_autocheckpoint = 0"));
        for (int i = 0; i < 3; ++i)
            TBookingStore::saveDetail({0, 0, 2, Now, QStringLiteral("Late"), money("1"), {}, {}});
        QVERIFY(QFile::copy(live + QStringLiteral("-wal"), data + QStringLiteral("-wal")));
        QVERIFY(QFile::copy(live, data));
    } else {
        dataFile(data, 2, 3);
    }
    const QString before = contents(data);
    QCOMPARE(QStringList(before.split(QLatin1Char(' ')).mid(1)), QStringList({"2", crashLog ? "6" : "3"}));

    QString kept;
    QString error;
    try {
        kept = TBackupRestore::restore(data, backup, Now);
    } catch (const DbError& e) {
        error = e.text();
    }
    QCOMPARE(error.isEmpty(), restored);
    // A log left beside the restored file would be read into it at the next open.
    QCOMPARE(QFileInfo::exists(data + QStringLiteral("-wal")), crashLog && !restored);
    QCOMPARE(contents(data), restored ? wholeWith(1, 40) : before);
    QCOMPARE(leftovers(dir.path()).join(", "), QString());
    if (restored) {
        QCOMPARE(QFileInfo(kept).fileName(), QStringLiteral("Data-before-restore-2026-05-20-100000.mdb"));
        QCOMPARE(contents(kept), before);
    } else {
        QVERIFY2(error.contains(QDir::toNativeSeparators(backup)) && error.contains(QStringLiteral("not changed")),
                 qPrintable(error));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("backup"))).entryList({"Data-before-restore*"}), QStringList());
    }
}

void TestBackupRestore::aFailureAtAnyStepLeavesTheOldFileWhole_data()
{
    QTest::addColumn<Step>("step");
    dataRow("vetting the backup", Step::Vet);
    dataRow("keeping the current file", Step::KeepCurrent);
    dataRow("copying the backup in", Step::CopyIn);
    dataRow("checking the copy", Step::CheckCopy);
    dataRow("folding the log in", Step::ReleaseLog);
    dataRow("the rename", Step::Swap);
}

void TestBackupRestore::aFailureAtAnyStepLeavesTheOldFileWhole()
{
    QFETCH(Step, step);
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("Data.mdb"));
    const QString backup = makeBackup(dir.path(), QStringLiteral("good"));
    dataFile(data, 2, 3);
    TBackupRestore::failAt(step);
    QVERIFY_THROWS_EXCEPTION(DbError, TBackupRestore::restore(data, backup, Now));
    QCOMPARE(contents(data), wholeWith(2, 3));
    QCOMPARE(leftovers(dir.path()), QStringList());
    QCOMPARE(contents(backup), wholeWith(1, 40));
    // The fault was spent: the same restore now goes through.
    TBackupRestore::restore(data, backup, Now);
    QCOMPARE(contents(data), wholeWith(1, 40));
}

void TestBackupRestore::backUpNowWritesAWholeCopyOrNothing_data()
{
    QTest::addColumn<std::optional<Step>>("fault");
    dataRow("the copy written", std::optional<Step>());
    dataRow("a failure while writing", std::optional<Step>(Step::WriteCopy));
    dataRow("a failure before the rename", std::optional<Step>(Step::PlaceCopy));
}

void TestBackupRestore::backUpNowWritesAWholeCopyOrNothing()
{
    QFETCH(std::optional<Step>, fault);
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("Data.mdb"));
    const QString target = dir.filePath(QStringLiteral("copies/Mine.mdb"));
    QDir().mkpath(dir.filePath(QStringLiteral("copies")));
    dataFile(target, 1, 1); // an older copy of the same name
    dataFile(data, 2, 3);
    // The program runs meanwhile: bookings still only in its log are copied too.
    TDM dm(data, false);
    dm.DataModuleCreate();
    dm.execute(QStringLiteral("PRAGMA wal_autocheckpoint = 0"));
    TBookingStore::saveDetail({0, 0, 2, Now, QStringLiteral("Late"), money("1"), {}, {}});
    if (fault)
        TBackupRestore::failAt(*fault);
    bool failed = false;
    try {
        TBackupRestore::backUpTo(data, target);
    } catch (const DbError&) {
        failed = true;
    }
    QCOMPARE(failed, fault.has_value());
    QCOMPARE(contents(target), fault ? wholeWith(1, 1) : wholeWith(2, 4));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("copies"))).entryList(QDir::Files).join(", "),
             QStringLiteral("Mine.mdb"));
    // Never over the data file itself.
    QVERIFY_THROWS_EXCEPTION(DbError, TBackupRestore::backUpTo(data, data));
    QCOMPARE(dm.select(QStringLiteral("select count(*) from Detail")).next(), true);
}

void TestBackupRestore::listsEachBackupWithItsHoldersAndBookings()
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("Data.mdb"));
    const QString folder = dir.filePath(QStringLiteral("backup"));
    QDir().mkpath(folder);
    const QString older = QDir(folder).filePath(QStringLiteral("Data-2026-05-18.mdb"));
    const QString newer = QDir(folder).filePath(QStringLiteral("Data-2026-05-19.mdb"));
    const QString broken = QDir(folder).filePath(QStringLiteral("Data-2026-05-01.mdb"));
    dataFile(older, 1, 2);
    dataFile(newer, 3, 5);
    {
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("not a database at all") > 0);
    }
    for (auto [path, days] : {std::pair{older, -2}, {newer, -1}, {broken, -19}}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(Now.addDays(days), QFileDevice::FileModificationTime));
    }

    QStringList seen;
    for (const TBackupRestore::Entry& e : TBackupRestore::list(data))
        seen << QStringLiteral("%1 %2 %3 %4")
                    .arg(QFileInfo(e.path).fileName())
                    .arg(e.size > 0)
                    .arg(e.holders)
                    .arg(e.bookings);
    QCOMPARE(seen,
             QStringList({"Data-2026-05-19.mdb 1 3 5", "Data-2026-05-18.mdb 1 1 2", "Data-2026-05-01.mdb 1 -1 -1"}));
}

void TestBackupRestore::choosesTheDataFile_data()
{
    QTest::addColumn<QString>("named");
    QTest::addColumn<bool>("userFileThere");
    QTest::addColumn<bool>("usedBefore");
    QTest::addColumn<TPaths::Source>("source");
    QTest::addColumn<bool>("create");
    dataRow("named on the command line", "Other.mdb", false, false, TPaths::Source::Named, false);
    dataRow("the very first start", "", false, false, TPaths::Source::User, true);
    dataRow("the user's file", "", true, true, TPaths::Source::User, false);
    dataRow("the user's file gone missing", "", false, true, TPaths::Source::User, false);
}

void TestBackupRestore::choosesTheDataFile()
{
    QFETCH(QString, named);
    QFETCH(bool, userFileThere);
    QFETCH(bool, usedBefore);
    QFETCH(TPaths::Source, source);
    QFETCH(bool, create);
    if (QFileInfo::exists(TPaths::portableDataFile()))
        QSKIP("a portable Data.mdb lies beside the test programs");
    // The test mode's folders, never the user's.
    const QString user = TPaths::userDataFile();
    QVERIFY(user.contains(QStringLiteral("qttest")));
    QDir(QFileInfo(user).absolutePath()).removeRecursively();
    QSettings(QStringLiteral("Tavrin"), QStringLiteral("Budget")).clear();
    if (userFileThere) {
        QDir().mkpath(QFileInfo(user).absolutePath());
        dataFile(user, 0, 0);
    }
    if (usedBefore)
        TPaths::rememberUserDataFile();

    const TPaths::DataChoice choice = TPaths::chooseDataFile(named);
    QCOMPARE(choice.path, named.isEmpty() ? user : QFileInfo(named).absoluteFilePath());
    QCOMPARE(choice.source, source);
    QCOMPARE(choice.create, create);
    QCOMPARE(TPaths::userDataFileWasUsed(), usedBefore);
    QDir(QFileInfo(user).absolutePath()).removeRecursively();
}

QTEST_MAIN(TestBackupRestore)
#include "tst_backuprestore.moc"
