#include "app/TFrmMain.h"

#include "app/TAboutBox.h"
#include "app/TBookingList.h"
#include "app/TFrmRestoreBackup.h"
#include "app/THolderEvent.h"
#include "app/TImageCtrl.h"
#include "app/TPanelMgr.h"
#include "app/TStatusSection.h"
#include "app/TTileBox.h"
#include "bookings/TFrmDebit.h"
#include "bookings/TFrmDeposit.h"
#include "bookings/TFrmTransfer.h"
#include "data/TBackupRestore.h"
#include "data/TBooks.h"
#include "data/TClock.h"
#include "data/TDM.h"
#include "data/TDailyBackup.h"
#include "data/TDateText.h"
#include "help/THelpRouter.h"
#include "history/TFrmAccountHistory.h"
#include "holders/TFrmBankAccount.h"
#include "holders/TFrmWallet.h"
#include "import/TFrmImport.h"
#include "import/TFrmUndoImport.h"
#include "orders/TFrmDueBookings.h"
#include "orders/TFrmStandingOrder.h"
#include "orders/TFrmStandingOrders.h"
#include "orders/TOrderStore.h"
#include "reports/TFrmReports.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TFileDialogService.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TShell.h"
#include "toolkit/TSkin.h"
#include "toolkit/TToolBars.h"
#include "toolkit/TToolIcons.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QString WebSite = QStringLiteral("https://tavrin-budget.example.org/");
const QString SupportMail = QStringLiteral("support@tavrin-budget.example.org");

QWidget* panel(const char* name, QWidget* parent)
{
    auto* w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

TFrmMain::TFrmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(tr("Tavrin Budget V1.1"));
    setAttribute(Qt::WA_AlwaysShowToolTips);
    resize(DesignedSize);
    TSkin::applyTo(this);

    createLayout();
    createActions();
    createStatusBar();
    FormCreate();
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::createLayout()
{
    auto* central = panel("pnlMain", this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // The summary strip of the selected holder.
    pnlTop = panel("pnlTop", central);
    pnlTop->setFixedHeight(36);
    auto* topLayout = new QHBoxLayout(pnlTop);
    topLayout->setContentsMargins(0, 0, 0, 0);
    column->addWidget(pnlTop);

    spl1 = new QSplitter(Qt::Horizontal, central);
    spl1->setObjectName(QStringLiteral("spl1"));
    spl1->setOpaqueResize(false);
    spl1->setChildrenCollapsible(false);
    column->addWidget(spl1, 1);

    scrlbxLeft = new TTileBox(Qt::Vertical, spl1);
    scrlbxLeft->setObjectName(QStringLiteral("scrlbxLeft"));
    scrlbxLeft->setAccessibleName(tr("Accounts"));
    scrlbxLeft->setMinimumWidth(40);

    scrlbxMain = panel("scrlbxMain", spl1);
    auto* right = new QVBoxLayout(scrlbxMain);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    scrlbxWallet = new TTileBox(Qt::Horizontal, scrlbxMain);
    scrlbxWallet->setObjectName(QStringLiteral("scrlbxWallet"));
    scrlbxWallet->setAccessibleName(tr("Wallets"));
    scrlbxWallet->setFixedHeight(113);
    right->addWidget(scrlbxWallet);

    // The booking list of the selected holder, under its filter bar.
    pnl2 = panel("pnl2", scrlbxMain);
    auto* listLayout = new QVBoxLayout(pnl2);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(0);
    pnl3 = panel("pnl3", pnl2);
    // The filter bar is cut off rather than keep the window from shrinking.
    pnl3->setMinimumWidth(1);
    listLayout->addWidget(pnl3);
    right->addWidget(pnl2, 1);
    // The filter bar and the booking grid go into pnl3 and pnl2, the summary grid into pnlTop.
    m_BookingList = new TBookingList(
        pnlTop, pnl2, pnl3, [this] { return m_CurrentHolderID; }, this);

    spl1->addWidget(scrlbxLeft);
    spl1->addWidget(scrlbxMain);
    spl1->setStretchFactor(0, 0);
    spl1->setStretchFactor(1, 1);
    spl1->setSizes({161, 875 - 161});

    setCentralWidget(central);
}

QAction* TFrmMain::makeAction(const char* name, const QString& caption, void (TFrmMain::*handler)())
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    if (handler != nullptr)
        connect(action, &QAction::triggered, this, TErrorReport::guard(this, handler));
    return action;
}

void TFrmMain::createActions()
{
    // Main menu.
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mniFile"));
    file->addAction(makeAction("mniMenu_ImportStatement", tr("&Import Statement..."), &TFrmMain::ImportStatementClick));
    file->addAction(makeAction("mniMenu_UndoImport", tr("&Undo Import..."), &TFrmMain::UndoImportClick));
    file->addSeparator();
    file->addAction(makeAction("mniMenu_BackUpNow", tr("&Back Up Now..."), &TFrmMain::BackUpNowClick));
    file->addAction(makeAction("mniMenu_RestoreBackup", tr("&Restore Backup..."), &TFrmMain::RestoreBackupClick));
    file->addSeparator();
    file->addAction(makeAction("ExitX1", tr("&Exit"), &TFrmMain::ConfirmExit));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mniView"));
    for (auto [name, caption] :
         {std::pair{"mniMenu_Toolbar", QT_TR_NOOP("&Toolbar")}, {"mniMenu_Statusbar", QT_TR_NOOP("&Statusbar")}}) {
        QAction* a = makeAction(name, tr(caption), nullptr);
        a->setCheckable(true);
        a->setChecked(true);
        // They carry their mark and nothing else: clicking leaves it set.
        connect(a, &QAction::triggered, a, [a] { a->setChecked(true); });
        view->addAction(a);
    }
    view->addSeparator();
    QAction* property = makeAction("mniMenu_Property", tr("&Properties"), &TFrmMain::PropertyClick);
    property->setShortcut(Qt::Key_F4);
    view->addAction(property);
    QAction* reports = makeAction("mniMenu_Reports", tr("&Reports..."), &TFrmMain::btnToolReportsClick);
    reports->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    view->addAction(reports);

    QMenu* accounts = menuBar()->addMenu(tr("&Accounts"));
    accounts->setObjectName(QStringLiteral("mniAccounts"));
    accounts->addAction(makeAction("mniMenu_NewAccount", tr("&New Account..."), &TFrmMain::NewAccountClick));
    accounts->addAction(makeAction("mniMenu_DeleteAccount", tr("&Delete Account"), &TFrmMain::DeleteAccountClick));
    accounts->addSeparator();
    accounts->addAction(makeAction("mniMenu_AccountInfo", tr("Account &Info..."), &TFrmMain::AccountInfoClick));
    accounts->addAction(
        makeAction("mniMenu_AccountHistory", tr("Account &History..."), &TFrmMain::btnToolAccHistoryClick));
    QAction* accountUrl = makeAction("mniMenu_AccountURL", tr("Account &URL..."), &TFrmMain::AccountURLClick);
    accountUrl->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    accounts->addAction(accountUrl);

    QMenu* wallets = menuBar()->addMenu(tr("&Wallets"));
    wallets->setObjectName(QStringLiteral("mniWallets"));
    wallets->addAction(makeAction("mniMenu_NewWallet", tr("&New Wallet..."), &TFrmMain::NewWalletClick));
    wallets->addAction(makeAction("mniMenu_DeleteWallet", tr("&Delete Wallet"), &TFrmMain::DeleteWalletClick));
    wallets->addSeparator();
    wallets->addAction(makeAction("mniMenu_WalletInfo", tr("Wallet &Info..."), &TFrmMain::WalletInfoClick));
    wallets->addAction(
        makeAction("mniMenu_WalletHistory", tr("Wallet &History..."), &TFrmMain::btnToolWalHistoryClick));
    wallets->addAction(makeAction("mniMenu_WalletURL", tr("Wallet &URL..."), &TFrmMain::WalletURLClick));

    QMenu* transactions = menuBar()->addMenu(tr("T&ransactions"));
    transactions->setObjectName(QStringLiteral("mniTransactions"));
    transactions->addAction(makeAction("mniMenu_Debit", tr("&Debit..."), &TFrmMain::DebitClick));
    transactions->addAction(makeAction("mniMenu_Deposit", tr("D&eposit..."), &TFrmMain::DepositClick));
    transactions->addSeparator();
    QAction* transfer = makeAction("mniMenu_Transfer", tr("&Transfer..."), &TFrmMain::TransferClick);
    transfer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    transactions->addAction(transfer);
    transactions->addSeparator();
    QAction* orders = makeAction("mniMenu_StandingOrders", tr("&Standing Orders..."), &TFrmMain::StandingOrdersClick);
    orders->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    transactions->addAction(orders);

    QMenu* tools = menuBar()->addMenu(tr("T&ools"));
    tools->setObjectName(QStringLiteral("mniTools"));
    tools->addAction(makeAction("mniMenu_Calclator", tr("&Calclator"), &TFrmMain::CalculatorClick));
    tools->addAction(makeAction("mniMenu_Notepad", tr("Note&pad"), &TFrmMain::NotepadClick));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mniHelp"));
    QAction* topics = makeAction("mniMenu_HelpTopics", tr("&Help Topics"), &TFrmMain::HelpTopicsClick);
    topics->setShortcut(Qt::Key_F1);
    help->addAction(topics);
    help->addAction(makeAction("mniMenu_OnlineTutorial", tr("Online T&utorial..."), &TFrmMain::FeaturesClick));
    help->addSeparator();
    help->addAction(makeAction("mniMenu_Homepage", tr("&Product Homepage..."), &TFrmMain::HomepageClick));
    help->addAction(makeAction("mniMenu_Whatsnew", tr("&What's new..."), &TFrmMain::FeaturesClick));
    help->addAction(makeAction("mniMenu_Support", tr("Technical Support..."), &TFrmMain::SupportClick));
    help->addAction(makeAction("mniMenu_Checkupdates", tr("Check for &updates..."), &TFrmMain::FeaturesClick));
    help->addAction(makeAction("mniMenu_SendFeedback", tr("&Send Feedback"), &TFrmMain::SendFeedbackClick));
    help->addSeparator();
    help->addAction(makeAction("mniMenu_About", tr("&About..."), &TFrmMain::AboutClick));

    // Toolbar: flat buttons 63 x 52, 32 x 32 pictures with their captions below.
    tlb1 = TToolBars::make("tlb1", this);
    addToolBar(Qt::TopToolBarArea, tlb1);
    struct Tool
    {
        const char* name;
        const char* caption;
        const char* icon;
        const char* tip;
        void (TFrmMain::*handler)();
    };
    const Tool toolButtons[] = {
        {"btnToolDeposite", QT_TR_NOOP("Deposit"), "deposit",
         QT_TR_NOOP("Deposit your money into your account or wallet"), &TFrmMain::DepositClick},
        {"btnToolDebit", QT_TR_NOOP("Debit"), "debit", QT_TR_NOOP("Debit an account or a wallet to spend some money"),
         &TFrmMain::DebitClick},
        {"btnToolTransfer", QT_TR_NOOP("Transfer"), "transfer",
         QT_TR_NOOP("transfer money from one account to another or from one wallet to another"),
         &TFrmMain::TransferClick},
        {nullptr, nullptr, nullptr, nullptr, nullptr},
        {"btnToolProperty", QT_TR_NOOP("Property"), "property",
         QT_TR_NOOP("Show detail information of a specified account or wallet"), &TFrmMain::PropertyClick},
        {"btnToolAccHistory", QT_TR_NOOP("Acc History"), "acchistory",
         QT_TR_NOOP("Show a historic list for a specified account"), &TFrmMain::btnToolAccHistoryClick},
        {"btnToolWalHistory", QT_TR_NOOP("Wall History"), "walhistory",
         QT_TR_NOOP("Show a historic list for a specified wallet"), &TFrmMain::btnToolWalHistoryClick},
        {"btnToolReports", QT_TR_NOOP("Reports"), "reports",
         QT_TR_NOOP("Show where the money goes and how the balances moved"), &TFrmMain::btnToolReportsClick},
        {nullptr, nullptr, nullptr, nullptr, nullptr},
        {"btnToolHelp", QT_TR_NOOP("Help"), "help", QT_TR_NOOP("Show the help file"), &TFrmMain::HelpTopicsClick},
        {"btnToolWeb", QT_TR_NOOP("WebPage"), "web", QT_TR_NOOP("Go to the author's webpage"),
         &TFrmMain::HomepageClick},
        {"btnExit", QT_TR_NOOP("Exit"), "exit", QT_TR_NOOP("Exit the program"), &TFrmMain::ConfirmExit},
    };
    for (const Tool& tool : toolButtons) {
        if (tool.name == nullptr) {
            tlb1->addSeparator();
            continue;
        }
        QAction* a = makeAction(tool.name, tr(tool.caption), tool.handler);
        a->setIcon(TToolIcons::icon(QString::fromLatin1(tool.icon)));
        a->setToolTip(tr(tool.tip));
        TToolBars::addButton(tlb1, a, 63, 52);
    }

    // Pop-up menus of the two boxes and of the tiles.
    pmAccountPanel = new QMenu(this);
    pmAccountPanel->setObjectName(QStringLiteral("pmAccountPanel"));
    pmAccountPanel->addAction(makeAction("mniPop_Acc_New", tr("&New Account..."), &TFrmMain::NewAccountClick));
    pmWalletPanel = new QMenu(this);
    pmWalletPanel->setObjectName(QStringLiteral("pmWalletPanel"));
    pmWalletPanel->addAction(makeAction("mniPop_Wal_New", tr("&New Wallet..."), &TFrmMain::NewWalletClick));

    pmWallet = new QMenu(this);
    pmWallet->setObjectName(QStringLiteral("pmWallet"));
    pmWallet->addAction(makeAction("mniWalletInfo2", tr("Wallet &Info..."), &TFrmMain::WalletInfoClick));
    pmWallet->addSeparator();
    pmWallet->addAction(makeAction("mniPop_Wal_Deposit", tr("De&posit..."), &TFrmMain::PopWalDepositClick));
    pmWallet->addAction(makeAction("mniPop_Wal_Debit", tr("De&bit..."), &TFrmMain::PopWalDebitClick));
    pmWallet->addAction(makeAction("mniPop_Wal_Transfer", tr("&Transfer..."), &TFrmMain::PopWalTransferClick));
    pmWallet->addSeparator();
    pmWallet->addAction(makeAction("mniHistory1", tr("&History..."), &TFrmMain::btnToolWalHistoryClick));
    pmWallet->addAction(makeAction("mniPop_Wal_Import", tr("I&mport Statement..."), &TFrmMain::PopWalImportClick));
    pmWallet->addAction(makeAction("mniLunchURL1", tr("&Lunch URL"), &TFrmMain::WalletURLClick));
    pmWallet->addSeparator();
    pmWallet->addAction(makeAction("mniDelete1", tr("&Delete"), &TFrmMain::DeleteWalletClick));

    pmAccount = new QMenu(this);
    pmAccount->setObjectName(QStringLiteral("pmAccount"));
    pmAccount->addAction(makeAction("mniPop_Acc_Info", tr("Account &Info..."), &TFrmMain::AccountInfoClick));
    pmAccount->addSeparator();
    pmAccount->addAction(makeAction("mniPop_Acc_DEposit", tr("De&posit..."), &TFrmMain::PopAccDepositClick));
    pmAccount->addAction(makeAction("mniPop_Acc_Debit", tr("De&bit..."), &TFrmMain::PopAccDebitClick));
    pmAccount->addAction(makeAction("mniPop_Acc_Transfer", tr("&Transfer..."), &TFrmMain::PopAccTransferClick));
    pmAccount->addSeparator();
    pmAccount->addAction(makeAction("mni7", tr("&History..."), &TFrmMain::btnToolAccHistoryClick));
    pmAccount->addAction(makeAction("mniPop_Acc_Import", tr("I&mport Statement..."), &TFrmMain::PopAccImportClick));
    pmAccount->addAction(makeAction("mni8", tr("&Lunch URL"), &TFrmMain::AccountURLClick));
    pmAccount->addSeparator();
    pmAccount->addAction(makeAction("mni10", tr("&Delete"), &TFrmMain::DeleteAccountClick));

    scrlbxLeft->setPopupMenu(pmAccountPanel);
    scrlbxWallet->setPopupMenu(pmWalletPanel);
}

void TFrmMain::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("status"));
    bar->setSizeGripEnabled(true);
    // The sections keep their designed widths (200, 259) unless this platform's fonts need more room
    // for their texts; none of them keeps the window from shrinking.
    m_StatusWelcome = new TStatusSection(tr("Welcome to use Tavrin Bugget V1.1"), 200, bar);
    m_StatusWelcome->setObjectName(QStringLiteral("statusWelcome"));
    m_StatusTotals = new TStatusSection(tr("account Info"), TotalsWidth, bar);
    m_StatusTotals->setObjectName(QStringLiteral("statusTotals"));
    m_StatusClock = new TStatusSection(tr("Time"), 0, bar);
    m_StatusClock->setObjectName(QStringLiteral("statusClock"));
    m_StatusClock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Shown, between the totals and the clock, only when the daily backup failed: it then takes the
    // room the clock leaves (cut off where too long; its tool tip has the whole text).
    m_StatusBackup = new TStatusSection(QString(), 0, bar);
    m_StatusBackup->setObjectName(QStringLiteral("statusBackup"));
    m_StatusBackup->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_StatusBackup->hide();
    // The standing orders: how many bookings fall due within a week, and what they booked by
    // themselves (the whole list in its tool tip). Each shows only when it has something to say.
    m_StatusDue = new TStatusSection(QString(), 0, bar);
    m_StatusDue->setObjectName(QStringLiteral("statusDue"));
    m_StatusDue->hide();
    m_StatusAutoBooked = new TStatusSection(QString(), 0, bar);
    m_StatusAutoBooked->setObjectName(QStringLiteral("statusAutoBooked"));
    m_StatusAutoBooked->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_StatusAutoBooked->hide();
    bar->addWidget(m_StatusWelcome);
    bar->addWidget(m_StatusTotals);
    bar->addWidget(m_StatusDue);
    bar->addWidget(m_StatusAutoBooked, 1);
    bar->addWidget(m_StatusBackup, 1);
    bar->addWidget(m_StatusClock, 1);
    if (DM != nullptr && DM->backup() != nullptr) {
        TDailyBackup* backup = DM->backup();
        if (!backup->error().isEmpty())
            ShowBackupFailure(backup->error());
        connect(backup, &TDailyBackup::failed, this, &TFrmMain::ShowBackupFailure);
    }

    tmr1 = new QTimer(this);
    tmr1->setObjectName(QStringLiteral("tmr1"));
    tmr1->setInterval(1000);
    connect(tmr1, &QTimer::timeout, this, &TFrmMain::tmr1Timer);
    tmr1->start();
}

void TFrmMain::FormCreate()
{
    m_PanelMgr = new TPanelMgr(scrlbxLeft, scrlbxWallet, this, this);
    m_PanelMgr->setTileMenus(pmAccount, pmWallet);
    // The first failing step (with no database: loading the account tiles) is reported and the
    // remaining steps are skipped; the window opens all the same.
    TErrorReport::run(this, [this] {
        m_PanelMgr->LoadAccountTiles();
        m_PanelMgr->LoadWalletTiles();
        m_BookingList->PrepareStartState();
    });
    // Every view follows the books once the command that changed them is done.
    connect(&TBooks::instance(), &TBooks::changed, this, &TFrmMain::booksChanged, Qt::QueuedConnection);
}

void TFrmMain::booksChanged(const TBooksChange& change)
{
    TErrorReport::run(this, [&] {
        if (!change.orders.isEmpty())
            ShowDueSoon();
        if (change.changesHolders()) {
            m_PanelMgr->LoadAccountTiles();
            m_PanelMgr->LoadWalletTiles();
        } else {
            for (qint32 id : change.balances + change.holdersEdited)
                m_PanelMgr->RefreshTile(id);
        }
        // Until a tile was first selected the list, the summary and the totals show nothing.
        if (m_CurrentHolderID == 0)
            return;
        if (change.holdersRemoved.contains(m_CurrentHolderID))
            m_CurrentHolderID = 0;
        if (m_CurrentHolderID == 0 || change.holders().contains(m_CurrentHolderID))
            m_BookingList->BuildList(m_CurrentHolderID);
        // The summary holds the holder's share of all money, which any balance moves.
        m_BookingList->BuildSummary(m_CurrentHolderID);
        ShowTotals();
    });
}

void TFrmMain::ShowTotals()
{
    const Currency accounts = TDM::AccountsTotal();
    const Currency wallets = TDM::WalletsTotal();
    m_StatusTotals->setText(
        tr("Total: %1  Account: %2  Wallet: %3")
            .arg((accounts + wallets).toMoneyString(), accounts.toMoneyString(), wallets.toMoneyString()));
}

void TFrmMain::ShowBackupFailure(const QString& text)
{
    m_StatusBackup->setText(tr("Backup failed: %1").arg(text));
    m_StatusBackup->setToolTip(m_StatusBackup->text());
    m_StatusBackup->show();
    // The clock keeps its own width at the right.
    statusBar()->removeWidget(m_StatusClock);
    statusBar()->addWidget(m_StatusClock);
    m_StatusClock->show();
}

void TFrmMain::ShowDataFileMade(const QString& path)
{
    ShowDataNote(tr("A new, empty data file was made: %1").arg(QDir::toNativeSeparators(path)));
}

void TFrmMain::ShowDataNote(const QString& text)
{
    m_StatusWelcome->setText(text);
    m_StatusWelcome->setToolTip(text);
}

void TFrmMain::tmr1Timer()
{
    const QDateTime now = TClock::now();
    m_StatusClock->setText(TDateText::dateTime(now));
    // Midnight passed while the program ran: what fell due today is asked for now.
    if (m_DueDay.isValid() && now.date() != m_DueDay)
        TErrorReport::run(this, [this] { CheckDueBookings(); });
}

bool TFrmMain::event(QEvent* event)
{
    switch (static_cast<int>(event->type())) {
    case THolderEvent::WM_HOLDERSELECT: {
        const auto* m = static_cast<THolderEvent*>(event);
        TErrorReport::run(this, [&] { WMHolderSelect(m->wParam(), m->lParam() != 0); });
        return true;
    }
    case THolderEvent::WM_HOLDERTRANSFER: {
        const auto* m = static_cast<THolderEvent*>(event);
        TErrorReport::run(this, [&] { WMHolderTransfer(m->wParam(), m->lParam()); });
        return true;
    }
    case THolderEvent::WM_HOLDERPROPERTIES: {
        const auto* m = static_cast<THolderEvent*>(event);
        TErrorReport::run(this, [&] { WMHolderProperties(m->wParam()); });
        return true;
    }
    default:
        return QMainWindow::event(event);
    }
}

void TFrmMain::closeEvent(QCloseEvent* event)
{
    // Closing through the frame asks nothing; only the Exit commands confirm.
    event->accept();
}

void TFrmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_BookingList->ResizeSummaryColumns();
    fitStatusSections();
}

void TFrmMain::fitStatusSections()
{
    // The totals section grows pixel for pixel with a window wider than designed, up to its limit.
    m_StatusTotals->setSectionWidth(
        qBound(TotalsWidth, TotalsWidth + frameGeometry().width() - DesignedSize.width(), TotalsMaxWidth));
}

void TFrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_Placed)
        return;
    m_Placed = true;
    placeOnScreen();
    // The due bookings once the window is up with its tiles: the start does not wait for them.
    QTimer::singleShot(0, this, TErrorReport::guard(this, &TFrmMain::CheckDueBookings));
    // The window manager may add its frame only once the window is up: place it again then.
    QTimer::singleShot(0, this, &TFrmMain::placeOnScreen);
}

void TFrmMain::placeOnScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr || isMaximized() || isFullScreen())
        return;
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    const QSize client(DesignedSize.width() - frame.left() - frame.right(),
                       DesignedSize.height() - frame.top() - frame.bottom());
    if (size() != client)
        resize(client);
    // Centred; on a screen smaller than the window its title bar stays in reach.
    const QRect area = screen->availableGeometry();
    move(area.x() + qMax(0, (area.width() - DesignedSize.width()) / 2),
         area.y() + qMax(0, (area.height() - DesignedSize.height()) / 2));
}

// ---- Program commands -----------------------------------------------------------------------

void TFrmMain::ConfirmExit()
{
    if (TMessageService::ask(this, tr("Are you sure to exit?"), QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes))
        close();
}

void TFrmMain::CalculatorClick()
{
    if (!TShell::startTool(TDesktopTools::Tool::Calculator))
        TMessageService::show(this, windowTitle(),
                              tr("No calculator was found. Install one, such as GNOME Calculator or KCalc."),
                              QMessageBox::Information, QMessageBox::Ok);
}

void TFrmMain::NotepadClick()
{
    if (!TShell::startTool(TDesktopTools::Tool::TextEditor))
        TMessageService::show(this, windowTitle(),
                              tr("No text editor was found. Install one, such as GNOME Text Editor or Kate."),
                              QMessageBox::Information, QMessageBox::Ok);
}

void TFrmMain::HelpTopicsClick()
{
    THelpRouter::showContents(HelpContext);
}

QString TFrmMain::webAddress(const QString& page)
{
    return WebSite + page;
}

QString TFrmMain::supportMail()
{
    return SupportMail;
}

void TFrmMain::FeaturesClick()
{
    TShell::openUrl(QUrl(webAddress(QStringLiteral("features.htm"))));
}

void TFrmMain::HomepageClick()
{
    TShell::openUrl(QUrl(webAddress()));
}

void TFrmMain::SupportClick()
{
    TShell::openUrl(QUrl(webAddress(QStringLiteral("support.htm"))));
}

void TFrmMain::SendFeedbackClick()
{
    TShell::openUrl(QUrl(QStringLiteral("mailto:") + SupportMail));
}

void TFrmMain::AboutClick()
{
    TAboutBox box(this);
    box.exec();
}

// ---- Holder commands ------------------------------------------------------------------------

void TFrmMain::NewAccountClick()
{
    TFrmBankAccount dialog(this);
    if (dialog.exec() == TDialog::mrOk)
        m_PanelMgr->LoadAccountTiles();
}

void TFrmMain::NewWalletClick()
{
    TFrmWallet dialog(this);
    if (dialog.exec() == TDialog::mrOk)
        m_PanelMgr->LoadWalletTiles();
}

bool TFrmMain::editHolder(TDataInfo* info, bool wallet)
{
    // The wallet dialog reads the totals for its share before it is shown; a failure there means
    // the dialog is not shown at all.
    std::unique_ptr<TFrmHolderBase> dialog;
    if (wallet)
        dialog = std::make_unique<TFrmWallet>(this);
    else
        dialog = std::make_unique<TFrmBankAccount>(this);
    dialog->ShowHolder(info);
    return dialog->exec() == TDialog::mrOk;
}

void TFrmMain::deleteHolder(bool wallet)
{
    TImageCtrl* tile = wallet ? m_PanelMgr->SelectedWalletTile() : m_PanelMgr->SelectedAccountTile();
    if (tile == nullptr)
        return;
    const qint32 id = tile->GetID();
    if (!TDM::CanDeleteHolder(id)) {
        TMessageService::ShowErrorBox(wallet ? tr("The wallet is using now, please delete its history first!")
                                             : tr("The account is using now, please delete its history first!"),
                                      this);
        return;
    }
    if (!TMessageService::ask(this, tr("Are you sure to delete this information?"),
                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok))
        return;
    if (!TDM::DeleteHolder(id)) {
        TMessageService::ShowErrorBox(wallet ? tr("Deleting Wallet error") : tr("Deleting Account error"), this);
        return;
    }
    if (wallet)
        m_PanelMgr->LoadWalletTiles();
    else
        m_PanelMgr->LoadAccountTiles();
}

void TFrmMain::DeleteAccountClick()
{
    deleteHolder(false);
}

void TFrmMain::DeleteWalletClick()
{
    deleteHolder(true);
}

void TFrmMain::showHolder(TImageCtrl* tile)
{
    if (tile != nullptr && editHolder(tile->dataInfo(), tile->isWallet()))
        tile->Reload();
}

void TFrmMain::AccountInfoClick()
{
    showHolder(m_PanelMgr->SelectedAccountTile());
}

void TFrmMain::WalletInfoClick()
{
    showHolder(m_PanelMgr->SelectedWalletTile());
}

void TFrmMain::PropertyClick()
{
    TImageCtrl* tile = m_PanelMgr->SelectedWalletTile();
    showHolder(tile != nullptr ? tile : m_PanelMgr->SelectedAccountTile());
}

void TFrmMain::AccountURLClick()
{
    if (TImageCtrl* tile = m_PanelMgr->SelectedAccountTile())
        TShell::openUrl(QUrl::fromUserInput(tile->dataInfo()->URL));
}

void TFrmMain::WalletURLClick()
{
    if (TImageCtrl* tile = m_PanelMgr->SelectedWalletTile())
        TShell::openUrl(QUrl::fromUserInput(tile->dataInfo()->URL));
}

void TFrmMain::WMHolderSelect(qint32 id, bool)
{
    m_BookingList->BuildList(id);
    m_BookingList->BuildSummary(id);
    m_CurrentHolderID = id;
    ShowTotals();
}

void TFrmMain::WMHolderProperties(qint32 id)
{
    TDataInfo info = TDM::LoadHolder(id);
    if (info.ID == 0)
        return; // the holder is gone
    if (editHolder(&info, info.Type > 1))
        m_PanelMgr->RefreshTile(id);
}

// ---- Booking commands -----------------------------------------------------------------------

void TFrmMain::openDeposit(TImageCtrl* tile, bool debit)
{
    if (tile == nullptr)
        return;
    QPointer<TImageCtrl> target = tile;
    const qint32 targetId = tile->GetID();
    std::unique_ptr<TFrmDetailBase> dialog;
    if (debit)
        dialog = std::make_unique<TFrmDebit>(this);
    else
        dialog = std::make_unique<TFrmDeposit>(this);
    dialog->PresetHolder(targetId);
    if (dialog->exec() != TDialog::mrOk)
        return;
    if (target)
        target->Reload();
    // The user may have booked to another holder than the one the dialog opened with.
    if (dialog->currentHolder().ID != targetId)
        m_PanelMgr->RefreshTile(dialog->currentHolder().ID);
}

void TFrmMain::DepositClick()
{
    TImageCtrl* tile = m_PanelMgr->SelectedWalletTile();
    openDeposit(tile != nullptr ? tile : m_PanelMgr->SelectedAccountTile(), false);
}

void TFrmMain::DebitClick()
{
    TImageCtrl* tile = m_PanelMgr->SelectedWalletTile();
    openDeposit(tile != nullptr ? tile : m_PanelMgr->SelectedAccountTile(), true);
}

void TFrmMain::PopWalDepositClick()
{
    openDeposit(m_PanelMgr->SelectedWalletTile(), false);
}

void TFrmMain::PopWalDebitClick()
{
    openDeposit(m_PanelMgr->SelectedWalletTile(), true);
}

void TFrmMain::PopAccDepositClick()
{
    openDeposit(m_PanelMgr->SelectedAccountTile(), false);
}

void TFrmMain::PopAccDebitClick()
{
    openDeposit(m_PanelMgr->SelectedAccountTile(), true);
}

void TFrmMain::openTransfer(qint32 sourceId, qint32 destId)
{
    TFrmTransfer dialog(this);
    dialog.PresetHolders(sourceId, destId);
    if (dialog.exec() != TDialog::mrOk)
        return;
    // Every tile the transfer touched shows its new balance: the presets' tiles, and the holders
    // the user chose instead of them.
    for (qint32 id : {sourceId, destId, dialog.sourceHolder().ID, dialog.destHolder().ID}) {
        if (id != 0)
            m_PanelMgr->RefreshTile(id);
    }
}

void TFrmMain::TransferClick()
{
    TImageCtrl* wallet = m_PanelMgr->SelectedWalletTile();
    TImageCtrl* account = m_PanelMgr->SelectedAccountTile();
    openTransfer(wallet != nullptr ? wallet->GetID() : 0, account != nullptr ? account->GetID() : 0);
}

void TFrmMain::PopWalTransferClick()
{
    TImageCtrl* tile = m_PanelMgr->SelectedWalletTile();
    openTransfer(tile != nullptr ? tile->GetID() : 0, 0);
}

void TFrmMain::PopAccTransferClick()
{
    TImageCtrl* tile = m_PanelMgr->SelectedAccountTile();
    openTransfer(tile != nullptr ? tile->GetID() : 0, 0);
}

void TFrmMain::WMHolderTransfer(qint32 sourceId, qint32 destId)
{
    openTransfer(sourceId, destId);
}

// ---- History commands -----------------------------------------------------------------------

void TFrmMain::openHistory(TImageCtrl* tile)
{
    {
        TFrmAccountHistory history(this);
        history.setHolderID(tile != nullptr ? tile->GetID() : 0);
        connect(&history, &TFrmAccountHistory::repeatRequested, this,
                [this, &history](const TBooksChange::Booking& booking) {
                    TErrorReport::run(&history, [&] { RepeatBooking(&history, booking.transfer, booking.id); });
                });
        history.exec();
    }
    // Bookings may have been edited or deleted: both rows of tiles show the balances anew.
    m_PanelMgr->LoadAccountTiles();
    m_PanelMgr->LoadWalletTiles();
}

void TFrmMain::btnToolAccHistoryClick()
{
    openHistory(m_PanelMgr->SelectedAccountTile());
}

void TFrmMain::btnToolWalHistoryClick()
{
    openHistory(m_PanelMgr->SelectedWalletTile());
}

void TFrmMain::btnToolReportsClick()
{
    // One window, non-modal; a second command brings it forward on the holder selected now.
    if (m_Reports == nullptr) {
        m_Reports = new TFrmReports(this);
        m_Reports->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_Reports, &QObject::destroyed, this, [this] { m_Reports = nullptr; });
    }
    m_Reports->setHolderID(m_CurrentHolderID);
    m_Reports->show();
    m_Reports->raise();
    m_Reports->activateWindow();
}

// ---- Standing orders --------------------------------------------------------------------------

void TFrmMain::StandingOrdersClick()
{
    // One window, non-modal; a second command brings it forward.
    if (m_Orders == nullptr) {
        m_Orders = new TFrmStandingOrders(this);
        m_Orders->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_Orders, &QObject::destroyed, this, [this] { m_Orders = nullptr; });
    }
    m_Orders->show();
    m_Orders->raise();
    m_Orders->activateWindow();
}

void TFrmMain::CheckDueBookings()
{
    // Without a data file the start has said so already; there is nothing to ask.
    if (m_DueOpen || DM == nullptr || !DM->isOpen())
        return;
    const QDate today = TClock::now().date();
    m_DueDay = today;
    const QList<TOrderStore::Booked> booked = TOrderStore::bookAutomatic(today);
    if (!booked.isEmpty()) {
        QStringList labels;
        for (const TOrderStore::Booked& b : booked)
            labels << b.label;
        m_StatusAutoBooked->setText(tr("Booked by standing order: %1").arg(labels.join(QStringLiteral("; "))));
        m_StatusAutoBooked->setToolTip(labels.join(u'\n'));
        m_StatusAutoBooked->show();
    }
    const QList<TOccurrence> due = TOrderStore::due(today);
    if (!due.isEmpty()) {
        TFrmDueBookings dialog(this);
        dialog.setOccurrences(due);
        m_DueOpen = true;
        dialog.exec();
        m_DueOpen = false;
    }
    ShowDueSoon();
}

void TFrmMain::ShowDueSoon()
{
    if (DM == nullptr || !DM->isOpen())
        return;
    const int soon = TOrderStore::dueWithin(TClock::now().date(), 7);
    m_StatusDue->setText(tr("Due in the next 7 days: %n", nullptr, soon));
    m_StatusDue->setVisible(soon > 0);
}

void TFrmMain::RepeatBooking(QWidget* over, bool transfer, qint32 id)
{
    const std::optional<TStandingOrder> order = TOrderStore::fromBooking(TBooksChange::Booking{transfer, id});
    if (!order)
        return;
    TFrmStandingOrder dialog(over);
    dialog.setOrder(*order);
    dialog.exec();
}

// ---- Import commands ------------------------------------------------------------------------

void TFrmMain::openImport(TImageCtrl* tile)
{
    TFrmImport dialog(this);
    dialog.PresetHolder(tile != nullptr ? tile->GetID() : 0);
    if (dialog.exec() != TFrmImport::mrOk)
        return;
    m_PanelMgr->RefreshTile(dialog.importedHolder());
    // The list, the summary and the totals show the new bookings when they are the listed holder's.
    if (dialog.importedHolder() == m_CurrentHolderID)
        WMHolderSelect(m_CurrentHolderID, false);
}

void TFrmMain::ImportStatementClick()
{
    TImageCtrl* tile = m_PanelMgr->SelectedWalletTile();
    openImport(tile != nullptr ? tile : m_PanelMgr->SelectedAccountTile());
}

void TFrmMain::PopAccImportClick()
{
    openImport(m_PanelMgr->SelectedAccountTile());
}

void TFrmMain::PopWalImportClick()
{
    openImport(m_PanelMgr->SelectedWalletTile());
}

void TFrmMain::UndoImportClick()
{
    TFrmUndoImport dialog(this);
    dialog.exec();
    for (qint32 id : dialog.changedHolders())
        m_PanelMgr->RefreshTile(id);
    if (dialog.changedHolders().contains(m_CurrentHolderID))
        WMHolderSelect(m_CurrentHolderID, false);
}

void TFrmMain::BackUpNowClick()
{
    DM->ensureOpen();
    const QString name = QStringLiteral("Data-%1.mdb").arg(TClock::now().toString(QStringLiteral("yyyy-MM-dd")));
    const auto choice =
        TFileDialogService::getSaveFileName(this, QDir::home().filePath(name), {tr("Tavrin Budget data (*.mdb)")});
    if (!choice)
        return;
    TBackupRestore::backUpTo(DM->databasePath(), choice->fileName);
    ShowDataNote(tr("Backed up to %1").arg(QDir::toNativeSeparators(choice->fileName)));
}

void TFrmMain::RestoreBackupClick()
{
    TFrmRestoreBackup dialog(DM != nullptr ? DM->databasePath() : QString(), this);
    if (dialog.exec() == TDialog::mrOk)
        emit restoreRequested(dialog.chosen());
}
