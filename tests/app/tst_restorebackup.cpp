#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "ModalDriver.h"
#include "TestDb.h"

#include "app/TFrmMain.h"
#include "app/TImageCtrl.h"
#include "app/TProgram.h"
#include "data/TSchema.h"
#include "toolkit/TFileDialogService.h"
#include "toolkit/TMessageService.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

const QDateTime Now(QDate(2026, 5, 20), QTime(10, 0));

// A closed data file with one account per name.
void dataFile(const QString& path, const QStringList& holders, int version = TSchema::Version)
{
    TestDb::createFile(path);
    TDM dm(path, false);
    dm.DataModuleCreate();
    for (const QString& name : holders)
        dm.execute(QStringLiteral("insert into Account (name, type) values (?, 0)"), {name});
    dm.execute(QStringLiteral("PRAGMA user_version = %1").arg(version));
}

QStringList tileNames(const TFrmMain* w)
{
    QStringList names;
    for (const TImageCtrl* tile : w->findChildren<TImageCtrl*>())
        names << tile->accessibleName().section(QLatin1Char(','), 0, 0);
    names.sort();
    return names;
}

QString welcome(const TFrmMain* w)
{
    return w->findChild<QLabel*>(QStringLiteral("statusWelcome"))->text();
}

} // namespace

class TestRestoreBackup : public QObject
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(Now); }
    void fromTheFileMenu_data();
    void fromTheFileMenu();
};

void TestRestoreBackup::fromTheFileMenu_data()
{
    QTest::addColumn<int>("backupVersion");
    QTest::addColumn<bool>("restored");
    dataRow("a backup of this version", TSchema::Version, true);
    dataRow("a backup of a newer version", TSchema::Version + 1, false);
}

void TestRestoreBackup::fromTheFileMenu()
{
    QFETCH(int, backupVersion);
    QFETCH(bool, restored);
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("Data.mdb"));
    // Today's backup is there already, so the start takes none.
    const QString backup = dir.filePath(QStringLiteral("backup/Data-2026-05-20.mdb"));
    QDir().mkpath(dir.filePath(QStringLiteral("backup")));
    dataFile(backup, {QStringLiteral("Old Bank")}, backupVersion);
    dataFile(data, {QStringLiteral("Bank"), QStringLiteral("Card"), QStringLiteral("Savings")});

    TProgram program(data);
    program.start();
    QPointer<TFrmMain> first = program.window();
    const QStringList before = tileNames(first);
    QCOMPARE(before.size(), 3);

    // Back Up Now: a copy where the user chose, while the file is open.
    const QString mine = dir.filePath(QStringLiteral("Mine.mdb"));
    TFileDialogService::setNextChoice(TFileDialogService::Choice{mine, 1});
    first->findChild<QAction*>(QStringLiteral("mniMenu_BackUpNow"))->trigger();
    QVERIFY(QFileInfo(mine).size() > 0);
    QVERIFY2(welcome(first).contains(QDir::toNativeSeparators(mine)), qPrintable(welcome(first)));

    QStringList listed;
    ModalDriver driver([&](QDialog* dialog) {
        auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("lstBackups"));
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            listed << list->topLevelItem(i)->text(4) + u' ' + list->topLevelItem(i)->text(2);
        TMessageService::setNextAnswer(QMessageBox::Ok);
        dialog->findChild<QPushButton*>(QStringLiteral("btnRestore"))->click();
    });
    first->findChild<QAction*>(QStringLiteral("mniMenu_RestoreBackup"))->trigger();
    QVERIFY(driver.dialogSeen());
    QCOMPARE(listed, QStringList{"Data-2026-05-20.mdb 1"});

    if (restored) {
        // The old window goes with the old file; a new one shows the backup's holders.
        QTRY_VERIFY(first.isNull());
        QCOMPARE(tileNames(program.window()), QStringList{"Old Bank"});
        QVERIFY(program.dm().isOpen());
        QVERIFY2(welcome(program.window()).contains(QStringLiteral("Data-before-restore-2026-05-20-100000.mdb")),
                 qPrintable(welcome(program.window())));
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("backup/Data-before-restore-2026-05-20-100000.mdb"))));
        // The program writes to the restored file.
        program.dm().execute(QStringLiteral("insert into Account (name, type) values ('New', 0)"));
    } else {
        QTRY_COMPARE(TMessageService::shown().size(), 2); // the question, then the refusal
        QVERIFY2(TMessageService::shown().last().text.contains(QStringLiteral("newer version")),
                 qPrintable(TMessageService::shown().last().text));
        QVERIFY(!first.isNull());
        QCOMPARE(tileNames(first), before);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("backup/Data-before-restore-2026-05-20-100000.mdb"))));
    }
}

QTEST_MAIN(TestRestoreBackup)
#include "tst_restorebackup.moc"
