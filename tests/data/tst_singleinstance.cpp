#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "TestDb.h"

#include "app/TFrmMain.h"
#include "app/TProgram.h"
#include "data/TSingleInstance.h"

#include <QApplication>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// One program per data file. The second start is this test program started with
// "--claim PATH WAITMS [hold]": it claims PATH and ends with the claim's number (with "hold", a first
// claim keeps the file until the process is killed).
class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(); }
    void secondStart_data();
    void secondStart();
    void oneClaimPerFileInOneProcess();
};

namespace {

// The claim of a second start on `path` (-1 when it did not end by itself); `hold`: it stays.
int claimBy(QProcess& p, const QString& path, int waitMs, bool hold = false)
{
    QStringList args{QStringLiteral("--claim"), path, QString::number(waitMs)};
    if (hold)
        args << QStringLiteral("hold");
    p.start(QCoreApplication::applicationFilePath(), args);
    if (hold)
        return p.waitForStarted() ? 0 : -1;
    // This program answers from its event loop meanwhile.
    for (int waited = 0; p.state() != QProcess::NotRunning && waited < 10000; waited += 10)
        QTest::qWait(10);
    return p.state() == QProcess::NotRunning && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

void TestSingleInstance::secondStart_data()
{
    QTest::addColumn<QString>("first");  // what holds Data.mdb: "program", "lock", "crashed", "none"
    QTest::addColumn<QString>("second"); // the file the second start names, in the folder
    QTest::addColumn<int>("claim");
    const int first = int(TSingleInstance::Claim::First);
    const int handedOver = int(TSingleInstance::Claim::HandedOver);
    dataRow("the first answers: handed over", "program", "Data.mdb", handedOver);
    dataRow("the same file by another name", "program", "link/../Data.mdb", handedOver);
    dataRow("the same file through a link", "program", "Link.mdb", handedOver);
    dataRow("another data file", "program", "Other.mdb", first);
    dataRow("a lock but no answer", "lock", "Data.mdb", int(TSingleInstance::Claim::NoAnswer));
    dataRow("the first crashed: its lock is taken over", "crashed", "Data.mdb", first);
    dataRow("nobody", "none", "Data.mdb", first);
}

void TestSingleInstance::secondStart()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, claim);
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    TestDb::createFile(path);
    QVERIFY(dir.mkdir(QStringLiteral("link")) && QFile::link(path, dir.filePath(QStringLiteral("Link.mdb"))));

    // The first program, its window minimized: a hand-over brings it back.
    TSingleInstance instance(path);
    QSignalSpy asked(&instance, &TSingleInstance::activationRequested);
    TProgram program(path);
    QLockFile lock(TSingleInstance::lockFileFor(path));
    QProcess crashed;
    if (first == QLatin1String("program")) {
        QCOMPARE(instance.claim(), TSingleInstance::Claim::First);
        program.start();
        program.bringToFrontOnRequest(instance);
        program.window()->showMinimized();
    } else if (first == QLatin1String("lock")) {
        QVERIFY(lock.tryLock(0));
    } else if (first == QLatin1String("crashed")) {
        QCOMPARE(claimBy(crashed, path, 0, true), 0);
        QTRY_VERIFY(QFile::exists(TSingleInstance::lockFileFor(path)));
        crashed.kill();
        QVERIFY(crashed.waitForFinished());
    }

    QProcess start;
    QCOMPARE(claimBy(start, dir.filePath(second), 1000), claim);
    QCOMPARE(asked.size(), claim == int(TSingleInstance::Claim::HandedOver) ? 1 : 0);
    if (program.window() != nullptr)
        QTRY_COMPARE(program.window()->isMinimized(), claim != int(TSingleInstance::Claim::HandedOver));
}

void TestSingleInstance::oneClaimPerFileInOneProcess()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    auto first = std::make_unique<TSingleInstance>(path);
    QCOMPARE(first->claim(), TSingleInstance::Claim::First);
    // The first cannot answer while the second waits on the same thread: the lock alone keeps it out.
    TSingleInstance second(path);
    QCOMPARE(second.claim(200), TSingleInstance::Claim::NoAnswer);
    first.reset();
    TSingleInstance third(path);
    QCOMPARE(third.claim(200), TSingleInstance::Claim::First);
}

int main(int argc, char** argv)
{
    if (argc >= 4 && qstrcmp(argv[1], "--claim") == 0) {
        QCoreApplication app(argc, argv);
        TSingleInstance instance(QString::fromLocal8Bit(argv[2]));
        const TSingleInstance::Claim claim = instance.claim(QByteArray(argv[3]).toInt());
        if (claim == TSingleInstance::Claim::First && argc == 5)
            return app.exec(); // held until killed
        return int(claim);
    }
    QApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
