#pragma once

#include <QDate>
#include <QMainWindow>
#include <QSize>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QSplitter;
class QTimer;
class QToolBar;
class TFrmReports;
class TFrmStandingOrders;
class TBookingList;
class TImageCtrl;
struct TDataInfo;
class TPanelMgr;
class TStatusSection;
class TTileBox;
struct TBooksChange;

// The main window: toolbar, summary strip, the account column and the wallet row of tiles, the
// booking list, the status bar with the totals and the clock; every command of the program starts
// here. The tiles speak to it through the holder messages (1125 to 1127).
class TFrmMain final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmMain)

public:
    static constexpr int HelpContext = 1000;
    // The window's outer size when it opens.
    static constexpr QSize DesignedSize{875, 605};
    // The totals section of the status bar: its width at the designed window width, and how far
    // it grows with a wider window.
    static constexpr int TotalsWidth = 259;
    static constexpr int TotalsMaxWidth = 300;

    explicit TFrmMain(QWidget* parent = nullptr);
    ~TFrmMain() override;

    TPanelMgr* panelMgr() const { return m_PanelMgr; }
    // The id of the holder whose bookings the list shows; 0 before the first tile is pressed.
    qint32 currentHolderId() const { return m_CurrentHolderID; }

    // Writes "Total: %m  Account: %m  Wallet: %m" into the status bar.
    void ShowTotals();
    // Reports a failed daily backup in the status bar (the program goes on without it).
    void ShowBackupFailure(const QString& text);
    // Says in the status bar that the program made the empty data file `path` (the first start).
    void ShowDataFileMade(const QString& path);
    // Says in the status bar what a backup or restore did.
    void ShowDataNote(const QString& text);
    // The clock's tick: the current date and time into the status bar.
    void tmr1Timer();
    // Follows a change of the books, whoever made it: the tiles of the holders it touched (both
    // rows rebuilt, keeping their selection, when holders came or went), the current holder's
    // list and summary, and the totals.
    void booksChanged(const TBooksChange& change);

    // Commands.
    void ConfirmExit();
    void NewAccountClick();
    void NewWalletClick();
    void DeleteAccountClick();
    void DeleteWalletClick();
    void AccountInfoClick();
    void WalletInfoClick();
    void PropertyClick();
    void btnToolAccHistoryClick();
    void btnToolWalHistoryClick();
    // Opens the Reports window on the selected holder, or on all holders when none is selected.
    void btnToolReportsClick();
    TFrmReports* reportsWindow() const { return m_Reports; }
    // Opens the Standing Orders window (one, non-modal).
    void StandingOrdersClick();
    TFrmStandingOrders* standingOrdersWindow() const { return m_Orders; }
    // At start and when the date changes: books what the standing orders set to book by themselves
    // have due (listed in the status bar), then shows the Due Bookings dialog when more is due, and
    // the number of bookings due in the next seven days.
    void CheckDueBookings();
    // Writes into the status bar how many bookings the standing orders have due in the next 7 days.
    void ShowDueSoon();
    // Opens the order dialog over `over`, filled in from the deposit, debit or transfer `booking`
    // (the history window's "Repeat...").
    void RepeatBooking(QWidget* over, bool transfer, qint32 id);
    void DepositClick();
    void DebitClick();
    void PopWalDepositClick();
    void PopWalDebitClick();
    void PopAccDepositClick();
    void PopAccDebitClick();
    void TransferClick();
    void PopWalTransferClick();
    void PopAccTransferClick();
    void ImportStatementClick();
    void PopAccImportClick();
    void PopWalImportClick();
    void UndoImportClick();
    // Writes a copy of the data file where the user chooses.
    void BackUpNowClick();
    // Lists the backups; a chosen one is handed to the program through restoreRequested.
    void RestoreBackupClick();
    void AccountURLClick();
    void WalletURLClick();
    void CalculatorClick();
    void NotepadClick();
    void HelpTopicsClick();
    void FeaturesClick();
    void HomepageClick();
    void SupportClick();
    void SendFeedbackClick();
    void AboutClick();

    // The holder messages.
    void WMHolderSelect(qint32 id, bool isWallet);
    void WMHolderTransfer(qint32 sourceId, qint32 destId);
    void WMHolderProperties(qint32 id);

    // The product's web site and support mail.
    static QString webAddress(const QString& page = QString());
    static QString supportMail();

signals:
    // The user chose `backup` to replace the data file: the program closes this window and the data
    // file, restores, reopens and opens a new main window.
    void restoreRequested(const QString& backup);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void createLayout();
    void createActions();
    void createStatusBar();
    // Gives the window its designed outer size, centred on its screen.
    void placeOnScreen();
    void fitStatusSections();
    QAction* makeAction(const char* name, const QString& caption, void (TFrmMain::*handler)());
    void deleteHolder(bool wallet);
    void showHolder(TImageCtrl* tile);
    // Opens the wallet or the account dialog on `info`; true when it saved.
    bool editHolder(TDataInfo* info, bool wallet);
    void openDeposit(TImageCtrl* tile, bool debit);
    // Opens the transfer dialog with the two presets; after a save, refreshes the tiles involved.
    void openTransfer(qint32 sourceId, qint32 destId);
    // Opens the history window with the holder of `tile` preselected (none without a tile); when it
    // closes, both rows of tiles are rebuilt.
    void openHistory(TImageCtrl* tile);
    // Opens the import dialog for the holder of `tile` (the user chooses one without a tile); after
    // an import, refreshes the tile of the holder it went to, and the list when it shows that holder.
    void openImport(TImageCtrl* tile);

    TPanelMgr* m_PanelMgr = nullptr;
    TBookingList* m_BookingList = nullptr;
    qint32 m_CurrentHolderID = 0;
    TFrmReports* m_Reports = nullptr;       // while it is open
    TFrmStandingOrders* m_Orders = nullptr; // while it is open
    // The day the standing orders were last checked for due bookings; invalid before the first.
    QDate m_DueDay;
    bool m_DueOpen = false; // the Due Bookings dialog is on view

    QToolBar* tlb1 = nullptr;
    QWidget* pnlTop = nullptr;
    QSplitter* spl1 = nullptr;
    TTileBox* scrlbxLeft = nullptr;
    QWidget* scrlbxMain = nullptr;
    TTileBox* scrlbxWallet = nullptr;
    QWidget* pnl2 = nullptr;
    QWidget* pnl3 = nullptr;
    TStatusSection* m_StatusWelcome = nullptr;
    TStatusSection* m_StatusTotals = nullptr;
    TStatusSection* m_StatusClock = nullptr;
    TStatusSection* m_StatusBackup = nullptr;
    TStatusSection* m_StatusDue = nullptr;
    TStatusSection* m_StatusAutoBooked = nullptr;
    bool m_Placed = false;
    QTimer* tmr1 = nullptr;
    QMenu* pmAccountPanel = nullptr;
    QMenu* pmWalletPanel = nullptr;
    QMenu* pmAccount = nullptr;
    QMenu* pmWallet = nullptr;
};
