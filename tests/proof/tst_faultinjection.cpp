#include "BookingListWait.h"
#include "BookingTestHelpers.h"
#include "ImportBooks.h"
#include "TestDb.h"

#include "app/TFrmMain.h"
#include "app/TImageCtrl.h"
#include "bookings/TBookingStore.h"
#include "bookings/TFrmDebit.h"
#include "bookings/TFrmDeposit.h"
#include "bookings/TFrmTransfer.h"
#include "data/DbError.h"
#include "data/TBooks.h"
#include "data/TClock.h"
#include "history/TFrmAccountHistory.h"
#include "holders/TFrmBankAccount.h"
#include "holders/TFrmWallet.h"
#include "import/TFrmImport.h"
#include "import/TFrmUndoImport.h"
#include "import/TImportProfiles.h"
#include "orders/TOrderPayments.h"
#include "orders/TOrderStore.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TFileDialogService.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TShell.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

// The world one write path runs in: a database, and the window or dialog the user writes through.
struct Scene
{
    TestDb db;
    qint32 a = 0; // an account
    qint32 b = 0; // a wallet
    qint32 deposit = 0;
    qint32 debit = 0;
    qint32 transfer = 0;
    TDataInfo info;
    std::unique_ptr<QWidget> ui;
    // Errors of paths without a window of their own, as the command would report them.
    QStringList thrown;
    // Bank statements to import.
    StatementDir files;
    // A standing order of the bank's, monthly since two months ago.
    qint32 order = 0;

    Scene()
    {
        // Balances come from bookings only, so every balance can be checked against them.
        a = db.addHolder(QStringLiteral("Bank"), 0, {}, true);
        b = db.addHolder(QStringLiteral("Purse"), 2, {}, true);
        // Today, so that every list of the program shows them.
        const QDateTime when = TClock::now().addSecs(-3600);
        deposit = TBookingStore::saveDetail({0, 0, a, when, QStringLiteral("Pay"), money("10"), {}, {}});
        debit = TBookingStore::saveDetail({0, 1, b, when, QStringLiteral("Shop"), money("4.5"), {}, {}});
        transfer = TBookingStore::saveTransfer({0, a, b, when, QStringLiteral("Me"), money("20"), {}, {}});
    }

    template <class T>
    T* find(const char* name) const
    {
        T* found = ui->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            qFatal("no %s", name);
        return found;
    }
    void type(const char* name, const QString& text) const
    {
        if (auto* combo = ui->findChild<QComboBox*>(QString::fromLatin1(name)))
            combo->setEditText(text);
        else
            find<QLineEdit>(name)->setText(text);
    }
    void click(const char* name) const { find<QPushButton>(name)->click(); }
    void trigger(const char* name) const { find<QAction>(name)->trigger(); }
    template <class Dialog>
    Dialog* open()
    {
        auto* d = new Dialog(nullptr);
        ui.reset(d);
        return d;
    }
};

// A write path: how the user gets to the moment before the write, the action that writes, and the
// message the user must see when a statement of it fails.
struct WritePath
{
    const char* name;
    std::function<void(Scene&)> prepare;
    std::function<void(Scene&)> write;
    const char* failureText;
    // The dialog stays open with the input after a failure; closed after success.
    bool dialog;
    // The write changes holders or bookings (else only standing orders).
    bool holders = true;
};

// The rent: a debit of the bank's every month since two months ago (today is pinned).
TStandingOrder rentOrder(qint32 bank)
{
    TStandingOrder o;
    o.kind = TStandingOrder::Kind::Debit;
    o.holder = bank;
    o.amount = money("30");
    o.forText = QStringLiteral("Rent");
    o.first = TClock::now().date().addMonths(-2);
    return o;
}

// The import dialog on the account, with `entries` read as the bank's CSV statement.
void openStatement(Scene& s, const QList<StatementEntry>& entries)
{
    auto* d = s.open<TFrmImport>();
    d->PresetHolder(s.a);
    s.ui->show();
    d->openFile(s.files.write(QStringLiteral("statement"), StatementKind::Csv, entries));
    if (!QTest::qWaitFor([d] { return !d->isBusy(); }))
        qFatal("the statement was not read");
}

// The order's first occurrence due.
TOccurrence firstDue(const Scene& s)
{
    for (const TOccurrence& o : TOrderStore::due(TClock::now().date())) {
        if (o.order == s.order)
            return o;
    }
    qFatal("nothing due");
}

const char* const BookingFailed = "Error occured!";
const char* const EngineText = TDM::InjectedFault;

void bookingStoreCall(Scene& s, const std::function<void()>& call)
{
    try {
        call();
    } catch (const DbError& e) {
        s.thrown << e.text();
    }
}

const std::vector<WritePath>& writePaths()
{
    static const std::vector<WritePath> paths{
        {"new deposit",
         [](Scene& s) {
             s.open<TFrmDeposit>()->PresetHolder(s.a);
             s.ui->show();
             s.type("cbbFrom", QStringLiteral("Salary"));
             s.type("edtAmmount", QStringLiteral("12.5"));
         },
         [](Scene& s) { s.click("btnOK"); }, BookingFailed, true},
        {"new debit",
         [](Scene& s) {
             s.open<TFrmDebit>()->PresetHolder(s.b);
             s.ui->show();
             s.type("cbbTo", QStringLiteral("Baker"));
             s.type("edtAmmount", QStringLiteral("3.25"));
         },
         [](Scene& s) { s.click("btnOK"); }, BookingFailed, true},
        {"edited deposit",
         [](Scene& s) {
             s.open<TFrmDeposit>()->LoadForEdit(s.deposit);
             s.ui->show();
             s.type("edtAmmount", QStringLiteral("11"));
         },
         [](Scene& s) { s.click("btnOK"); }, BookingFailed, true},
        {"edited debit",
         [](Scene& s) {
             s.open<TFrmDebit>()->LoadForEdit(s.debit);
             s.ui->show();
             s.type("edtAmmount", QStringLiteral("7"));
         },
         [](Scene& s) { s.click("btnOK"); }, BookingFailed, true},
        {"new transfer",
         [](Scene& s) {
             s.open<TFrmTransfer>()->PresetHolders(s.b, s.a);
             s.ui->show();
             s.type("cbbFrom", QStringLiteral("Me"));
             s.type("edtAmmount", QStringLiteral("5"));
         },
         [](Scene& s) { s.click("btnSave"); }, BookingFailed, true},
        {"edited transfer",
         [](Scene& s) {
             s.open<TFrmTransfer>()->LoadForEdit(s.transfer);
             s.ui->show();
             s.type("edtAmmount", QStringLiteral("25"));
         },
         [](Scene& s) { s.click("btnSave"); }, BookingFailed, true},
        {"history window: deleted booking",
         [](Scene& s) {
             s.open<TFrmAccountHistory>()->setHolderID(s.a);
             s.ui->show();
         },
         [](Scene& s) {
             // The first row of the holder's list (the window deletes each selected booking in a
             // transaction of its own).
             waitForBookingList(s.ui.get());
             clickRow(s.find<TDBGridView>("dbgrdh1"), 0);
             s.trigger("btnDelete");
         },
         EngineText, false},
        // The store as other callers use it.
        {"deleted deposit", [](Scene&) {},
         [](Scene& s) { bookingStoreCall(s, [&s] { TBookingStore::deleteBooking(0, s.deposit); }); }, EngineText,
         false},
        {"deleted transfer", [](Scene&) {},
         [](Scene& s) { bookingStoreCall(s, [&s] { TBookingStore::deleteBooking(3, s.transfer); }); }, EngineText,
         false},
        {"imported statement",
         [](Scene& s) {
             TImportProfiles::save(QStringLiteral("MyBank"), bankCsvSettings(), s.a);
             openStatement(s, bankLedger(QDate(2026, 5, 13), QDate(2026, 5, 14)));
         },
         [](Scene& s) { s.click("btnImport"); }, EngineText, true},
        {"imported statement linking a booking typed before",
         [](Scene& s) {
             const QList<StatementEntry> entries = bankLedger(QDate(2026, 5, 13), QDate(2026, 5, 14));
             TBookingStore::saveDetail({0,
                                        TDetailRow::Debit,
                                        s.a,
                                        QDateTime(entries.back().date, QTime(8, 0)),
                                        entries.back().payee,
                                        -entries.back().amount,
                                        {},
                                        {}});
             openStatement(s, entries);
         },
         [](Scene& s) { s.click("btnImport"); }, EngineText, true},
        {"import taken back",
         [](Scene& s) {
             importFile(s.files.write(QStringLiteral("statement"), StatementKind::Csv,
                                      bankLedger(QDate(2026, 5, 13), QDate(2026, 5, 14))),
                        s.a);
             s.open<TFrmUndoImport>();
             s.ui->show();
         },
         [](Scene& s) { s.click("btnUndo"); }, EngineText, false},
        {"imported statement booking a standing order's payment",
         [](Scene& s) {
             const QList<StatementEntry> entries = bankLedger(QDate(2026, 5, 13), QDate(2026, 5, 14));
             TStandingOrder o = rentOrder(s.a);
             o.first = entries.back().date;
             o.kind = entries.back().amount.isNegative() ? TStandingOrder::Kind::Debit : TStandingOrder::Kind::Deposit;
             o.amount = entries.back().amount.isNegative() ? -entries.back().amount : entries.back().amount;
             s.order = TOrderStore::save(o);
             openStatement(s, entries);
         },
         [](Scene& s) { s.click("btnImport"); }, EngineText, true},
        // The standing orders' store as the orders' windows and the start use it.
        {"new standing order", [](Scene&) {},
         [](Scene& s) { bookingStoreCall(s, [&s] { TOrderStore::save(rentOrder(s.a)); }); }, EngineText, false, false},
        {"edited standing order",
         [](Scene& s) {
             s.order = TOrderStore::save(rentOrder(s.a));
             TOrderStore::skip(firstDue(s));
         },
         [](Scene& s) {
             bookingStoreCall(s, [&s] {
                 TStandingOrder o = *TOrderStore::load(s.order);
                 o.every = 2;
                 TOrderStore::save(o);
             });
         },
         EngineText, false, false},
        {"deleted standing order",
         [](Scene& s) {
             s.order = TOrderStore::save(rentOrder(s.a));
             TOrderStore::skip(firstDue(s));
         },
         [](Scene& s) { bookingStoreCall(s, [&s] { TOrderStore::remove(s.order); }); }, EngineText, false, false},
        {"paused standing order", [](Scene& s) { s.order = TOrderStore::save(rentOrder(s.a)); },
         [](Scene& s) { bookingStoreCall(s, [&s] { TOrderStore::setPaused(s.order, true, TClock::now().date()); }); },
         EngineText, false, false},
        {"skipped occurrence", [](Scene& s) { s.order = TOrderStore::save(rentOrder(s.a)); },
         [](Scene& s) { bookingStoreCall(s, [&s] { TOrderStore::skip(firstDue(s)); }); }, EngineText, false, false},
        {"booked occurrence", [](Scene& s) { s.order = TOrderStore::save(rentOrder(s.a)); },
         [](Scene& s) { bookingStoreCall(s, [&s] { TOrderStore::book(firstDue(s), money("31.5")); }); }, EngineText,
         false},
        {"booked transfer occurrence",
         [](Scene& s) {
             TStandingOrder o = rentOrder(s.a);
             o.kind = TStandingOrder::Kind::Transfer;
             o.destination = s.b;
             s.order = TOrderStore::save(o);
         },
         [](Scene& s) { bookingStoreCall(s, [&s] { TOrderStore::book(firstDue(s), money("30")); }); }, EngineText,
         false},
        {"occurrences booked by themselves",
         [](Scene& s) {
             TStandingOrder o = rentOrder(s.a);
             o.automatic = true;
             o.first = TClock::now().date();
             s.order = TOrderStore::save(o);
         },
         [](Scene& s) {
             // A failure leaves the occurrence due and is not shown: it is seen by what was booked.
             bookingStoreCall(s, [&s] {
                 if (TOrderStore::bookAutomatic(TClock::now().date()).isEmpty())
                     s.thrown << QString::fromLatin1(EngineText);
             });
         },
         EngineText, false},
        {"new account",
         [](Scene& s) {
             s.open<TFrmBankAccount>();
             s.ui->show();
             s.type("edtName", QStringLiteral("Savings"));
             s.type("edtURL", QStringLiteral("https://bank.example"));
         },
         [](Scene& s) { s.click("btnSave"); }, EngineText, true},
        {"edited account",
         [](Scene& s) {
             s.info = TDM::LoadHolder(s.a);
             s.open<TFrmBankAccount>()->ShowHolder(&s.info);
             s.ui->show();
             s.type("edtName", QStringLiteral("Main bank"));
         },
         [](Scene& s) { s.click("btnSave"); }, EngineText, true},
        {"new wallet",
         [](Scene& s) {
             s.open<TFrmWallet>();
             s.ui->show();
             s.type("edtName", QStringLiteral("Coins"));
         },
         [](Scene& s) { s.click("btnOK"); }, EngineText, true},
        {"edited wallet",
         [](Scene& s) {
             s.info = TDM::LoadHolder(s.b);
             s.open<TFrmWallet>()->ShowHolder(&s.info);
             s.ui->show();
             s.type("edtName", QStringLiteral("Pocket"));
         },
         [](Scene& s) { s.click("btnOK"); }, EngineText, true},
        {"deleted account",
         [](Scene& s) {
             const qint32 idle = s.db.addHolder(QStringLiteral("Idle"), 1);
             s.open<TFrmMain>();
             s.ui->show();
             QTest::mouseClick(s.find<TImageCtrl>(qPrintable(QStringLiteral("tile%1").arg(idle))), Qt::LeftButton,
                               Qt::NoModifier, QPoint(5, 5));
         },
         [](Scene& s) { s.trigger("mniMenu_DeleteAccount"); }, EngineText, false},
        {"deleted wallet",
         [](Scene& s) {
             const qint32 idle = s.db.addHolder(QStringLiteral("Idle"), 2);
             s.open<TFrmMain>();
             s.ui->show();
             QTest::mouseClick(s.find<TImageCtrl>(qPrintable(QStringLiteral("tile%1").arg(idle))), Qt::LeftButton,
                               Qt::NoModifier, QPoint(5, 5));
         },
         [](Scene& s) { s.trigger("mniMenu_DeleteWallet"); }, EngineText, false},
    };
    return paths;
}

const WritePath& pathNamed(const QString& name)
{
    for (const WritePath& p : writePaths()) {
        if (QLatin1String(p.name) == name)
            return p;
    }
    qFatal("no write path %s", qPrintable(name));
}

QStringList shownTexts(Scene& s)
{
    QStringList texts = s.thrown;
    s.thrown.clear();
    // Errors only: the delete's confirmation is answered by the handler.
    for (const TMessageService::Shown& box : TMessageService::takeShown()) {
        if (box.icon != QMessageBox::Question)
            texts << box.text;
    }
    return texts;
}

// The export of the main window's list, and its file.
struct ExportScene
{
    TestDb db;
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("report.txt"));
    TFrmMain* window = nullptr;
    std::unique_ptr<TFrmMain> owned;

    ExportScene()
    {
        const qint32 a = db.addHolder(QStringLiteral("Bank"), 0, money("100"));
        {
            // Enough rows for several blocks of the writer.
            TDM::Transaction t(db.dm());
            for (int i = 0; i < 16000; ++i)
                db.addDetail(i % 2, a, QDateTime(QDate(2026, 5, 1 + i % 19), QTime(9, 0)), money("1.25"),
                             QStringLiteral("party %1").arg(i), QStringLiteral("for"),
                             QStringLiteral("a memo long enough to fill the blocks"));
            t.commit();
        }
        owned = std::make_unique<TFrmMain>();
        window = owned.get();
        window->show();
        QTest::mouseClick(window->findChild<TImageCtrl*>(QStringLiteral("tile%1").arg(a)), Qt::LeftButton,
                          Qt::NoModifier, QPoint(5, 5));
        waitForBookingList(window);
    }
    void exportNow()
    {
        TFileDialogService::setNextChoice(TFileDialogService::Choice{path, 2});
        window->findChild<QPushButton*>(QStringLiteral("btnExport"))->click();
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }
};

// Each holder with its row and its bookings, to tell which holders a write changed.
QMap<qint32, QString> holderStates(TestDb& db)
{
    QMap<qint32, QString> states;
    for (const QString& row : db.rows(QStringLiteral("select ID, name, type, Balance, negative, WarnNegative, URL, Memo"
                                                     " from Account")))
        states[row.section(u'|', 0, 0).toInt()] += row;
    for (const QString& row : db.rows(QStringLiteral("select DestID, ID, type, Date, [From], Amount, [For], Memo"
                                                     " from Detail")))
        states[row.section(u'|', 0, 0).toInt()] += u'\n' + row;
    for (const QString& row : db.rows(QStringLiteral("select SourceID, DestID, ID, Date, [From], Amount, [For], Memo"
                                                     " from Transfer"))) {
        states[row.section(u'|', 0, 0).toInt()] += u'\n' + row;
        states[row.section(u'|', 1, 1).toInt()] += u'\n' + row;
    }
    return states;
}

// Runs `action` with writes past `limit` bytes refused by the system (root included).
void withFileSizeLimit(rlim_t limit, const std::function<void()>& action)
{
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &small);
    action();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}

} // namespace

class TestFaultInjection : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyStatementOfAWritePathFails_data();
    void everyStatementOfAWritePathFails();
    void everyWriteOfAnExportFails();
    void everyWritePathTellsTheViews_data() { everyStatementOfAWritePathFails_data(); }
    void everyWritePathTellsTheViews();

private:
    int m_faults = 0;
};

void TestFaultInjection::init()
{
    // The import expects the standing orders' payments, as the program's start arranges.
    static TOrderPayments payments;
    TExpectedPayments::install(&payments);
    pinLocale("en_US");
    TClock::setFixed(QDateTime(QDate(2026, 5, 20), QTime(10, 0)));
    TMessageService::setTestMode(true);
    // Yes to every question (the delete confirmation), OK to every error.
    TMessageService::setHandler([](const TMessageService::Shown& box) {
        return box.buttons & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok;
    });
    TFileDialogService::setTestMode(true);
    TShell::setTestMode(true);
}

void TestFaultInjection::cleanup()
{
    TMessageService::takeShown();
    TShell::takeRequests();
}

void TestFaultInjection::everyStatementOfAWritePathFails_data()
{
    QTest::addColumn<QString>("path");
    for (const WritePath& p : writePaths())
        QTest::newRow(p.name) << QString::fromLatin1(p.name);
}

void TestFaultInjection::everyStatementOfAWritePathFails()
{
    QFETCH(QString, path);
    const WritePath& p = pathNamed(path);

    // Without a fault: how many statements the write runs, and what it leaves.
    QString before;
    QString after;
    int statements = 0;
    {
        Scene s;
        p.prepare(s);
        before = snapshot(s.db);
        s.db.dm().failStatementAt(0);
        p.write(s);
        statements = s.db.dm().statementsRun();
        after = snapshot(s.db);
        const QStringList reference = shownTexts(s);
        QVERIFY2(reference.isEmpty(), qPrintable(path + QStringLiteral(": ") + reference.join(u'|')));
        QVERIFY(after != before);
        if (p.dialog)
            QVERIFY(!s.ui->isVisible());
    }
    QVERIFY(statements > 0);

    for (int n = 1; n <= statements; ++n) {
        const QByteArray where = QStringLiteral("%1, statement %2 of %3").arg(path).arg(n).arg(statements).toUtf8();
        Scene s;
        p.prepare(s);
        s.db.dm().failStatementAt(n);
        p.write(s);
        QVERIFY2(s.db.dm().statementsRun() >= n, where.constData());
        ++m_faults;
        const QString state = snapshot(s.db);
        const QStringList shown = shownTexts(s);
        QVERIFY2(drift(s.db).isEmpty(), where.constData());
        if (state == after) {
            // The fault hit a statement after the write (a refresh): the write stands whole and the
            // failure was reported.
            QVERIFY2(shown.join(u'|').contains(QLatin1String(EngineText)), where.constData());
            continue;
        }
        // Nothing partial: the file is as it was, and the user was told.
        QVERIFY2(state == before, where.constData());
        QVERIFY2(shown.join(u'|').contains(QLatin1String(p.failureText)),
                 (where + ": " + shown.join(u'|').toUtf8()).constData());
        if (p.dialog)
            QVERIFY2(s.ui->isVisible(), where.constData());
        // The program goes on: the same action without the fault succeeds.
        s.db.dm().failStatementAt(0);
        p.write(s);
        QVERIFY2(shownTexts(s).isEmpty(), where.constData());
        QCOMPARE(snapshot(s.db), after);
        if (p.dialog)
            QVERIFY2(!s.ui->isVisible(), where.constData());
    }
    qInfo("%s: %d statements, each made to fail in turn", qPrintable(path), statements);
}

void TestFaultInjection::everyWriteOfAnExportFails()
{
    // Without a fault: the file's size gives the writer's blocks.
    qint64 size = 0;
    QByteArray whole;
    {
        ExportScene s;
        s.exportNow();
        QFile file(s.path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        whole = file.readAll();
        size = whole.size();
        const auto shown = TMessageService::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Do you want to lunch the file?"));
    }
    constexpr qint64 Block = 256 * 1024;
    QVERIFY2(size > 3 * Block, "the export must take several writes");

    // A folder in the file's place makes the first step, creating the file, fail; a limit in the
    // middle of each block makes that block's write fail.
    QList<qint64> limits{-1};
    for (qint64 start = 0; start < size; start += Block)
        limits << start + std::min(Block, size - start) / 2;
    for (qint64 limit : limits) {
        const QByteArray where = QStringLiteral("export failing at byte %1 of %2").arg(limit).arg(size).toUtf8();
        ExportScene s;
        {
            // An earlier export in the way must survive a failed one.
            QFile old(s.path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("the previous export");
        }
        if (limit < 0) {
            QFile::remove(s.path);
            QVERIFY(QDir(s.dir.path()).mkpath(s.path + QStringLiteral("/in the way")));
            s.exportNow();
        } else {
            withFileSizeLimit(rlim_t(limit), [&s] { s.exportNow(); });
        }
        ++m_faults;
        const auto shown = TMessageService::takeShown();
        QCOMPARE(shown.size(), 1); // the error, and no question
        QCOMPARE(shown[0].icon, QMessageBox::Critical);
        QVERIFY2(shown[0].text.contains(limit < 0 ? QStringLiteral("Cannot create") : QStringLiteral("Cannot write")),
                 (where + shown[0].text.toUtf8()).constData());
        QCOMPARE(s.files(), QStringList{QStringLiteral("report.txt")}); // no partial file beside it
        if (limit >= 0) {
            QFile old(s.path);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("the previous export"));
        } else {
            QDir(s.path).removeRecursively();
        }
        // Again without the fault: the whole file.
        s.exportNow();
        QFile file(s.path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll() == whole, where.constData());
        QCOMPARE(TMessageService::takeShown().size(), 1);
    }
    qInfo("export: %lld bytes, %lld faults", size, qlonglong(limits.size()));
    qInfo("%d faults injected in all", m_faults);
}

// Whatever a write path changes, the model of the books tells every view: each holder whose row,
// balance or bookings changed is named by a change.
void TestFaultInjection::everyWritePathTellsTheViews()
{
    QFETCH(QString, path);
    const WritePath& p = pathNamed(path);
    Scene s;
    p.prepare(s);
    const QMap<qint32, QString> before = holderStates(s.db);
    QSignalSpy told(&TBooks::instance(), &TBooks::changed);
    p.write(s);
    QVERIFY(QTest::qWaitFor([&] { return !told.isEmpty(); }, 5000));
    TBooksChange change;
    for (const QList<QVariant>& signal : told)
        change += signal.at(0).value<TBooksChange>();
    if (!p.holders) {
        QVERIFY(!change.orders.isEmpty());
        return;
    }
    const QMap<qint32, QString> after = holderStates(s.db);
    QSet<qint32> changed;
    for (qint32 id : before.keys() + after.keys()) {
        if (before.value(id) != after.value(id))
            changed.insert(id);
    }
    QVERIFY(!changed.isEmpty());
    QCOMPARE(changed - change.holders(), QSet<qint32>());
}

QTEST_MAIN(TestFaultInjection)
#include "tst_faultinjection.moc"
