#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "ForeignFile.h"
#include "ModalDriver.h"
#include "TestDb.h"

#include "app/TFrmMain.h"
#include "app/THolderEvent.h"
#include "app/TProgram.h"
#include "data/TDM.h"
#include "toolkit/TMessageService.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestStartFiles : public QObject
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(); }
    void foreignOrDamagedFileAtStart_data();
    void foreignOrDamagedFileAtStart();
};

void TestStartFiles::foreignOrDamagedFileAtStart_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("words");  // what the error box says in the user's words
    QTest::addColumn<QString>("engine"); // the engine's text after them, where it has one

    dataRow("missing", "", "was not found", "unable to open database file");
    dataRow("text file", "text", "is not a Tavrin Budget data file", "file is not a database");
    dataRow("Access file", "access", "is a Microsoft Access database", "");
    dataRow("zero bytes", "zero bytes", "is empty (0 bytes)", "");
    dataRow("SQLite without the tables", "no tables",
            "not a Tavrin Budget data file: it lacks the tables Account, Detail, Transfer", "");
    dataRow("newer version", "newer version", "written by a newer version of Tavrin Budget", "");
    dataRow("read-only", "read-only", "is read-only", "");
    dataRow("read-only folder", "read-only folder", "that holds the data file is read-only", "");
    dataRow("truncated", "truncated", "is damaged (it may have been cut short)", "malformed");
    dataRow("locked", "locked", "in use by another program", "database is locked");
    dataRow("locked, write-ahead log", "locked, wal", "in use by another program", "database is locked");
}

void TestStartFiles::foreignOrDamagedFileAtStart()
{
    QFETCH(QString, kind);
    QFETCH(QString, words);
    QFETCH(QString, engine);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    std::unique_ptr<ForeignFile> file;
    if (!kind.isEmpty())
        file = std::make_unique<ForeignFile>(kind, path);
    const QByteArray before = file ? file->bytes() : QByteArray();
    const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    {
        TProgram program(path);
        program.start();
        TFrmMain* w = program.window();

        // One clear box: the user's words first, the engine's text after them.
        const auto shown = TMessageService::takeShown();
        QVERIFY(!shown.isEmpty());
        const QString text = shown.first().text;
        QCOMPARE(shown.first().icon, QMessageBox::Critical);
        QVERIFY2(text.startsWith(QStringLiteral("The ")) && text.contains(QDir::toNativeSeparators(dir.path())),
                 qPrintable(text));
        QVERIFY2(text.contains(words), qPrintable(text));
        if (!engine.isEmpty())
            QVERIFY2(text.indexOf(engine) > text.indexOf(words), qPrintable(text));
        QVERIFY(!program.dm().isOpen());
        QVERIFY(w->isVisible());
        QVERIFY(program.dm().backup() == nullptr);

        // A later command reports the same and the program goes on: pressing a tile, and saving a
        // new account.
        THolderEvent select(THolderEvent::WM_HOLDERSELECT, 1, 0);
        QCoreApplication::sendEvent(w, &select);
        auto later = TMessageService::takeShown();
        QCOMPARE(later.size(), 1);
        QCOMPARE(later[0].text, text);
        ModalDriver driver([](QDialog* d) {
            d->findChild<QLineEdit*>(QStringLiteral("edtName"))->setText(QStringLiteral("Savings"));
            d->findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
        });
        w->findChild<QAction*>(QStringLiteral("mniMenu_NewAccount"))->trigger();
        QVERIFY(driver.dialogSeen());
        QVERIFY(driver.leftOpen()); // the failed save leaves the dialog open
        later = TMessageService::takeShown();
        QCOMPARE(later.size(), 1);
        QCOMPARE(later[0].text, text);
        QVERIFY(w->isVisible());
    }

    // Nothing wrote to the file, and nothing new lies beside it.
    if (file)
        QVERIFY(file->bytes() == before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entries);
}

QTEST_MAIN(TestStartFiles)
#include "tst_startfiles.moc"
