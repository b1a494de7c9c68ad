#pragma once

#include "data/TLedgerQuery.h"
#include "history/THistorySearch.h"

#include <QDialog>
#include <QList>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QRadioButton;
class QToolBar;
class TDBGridView;
class TFrmHistoryQuery;

// The history window: searches the bookings by holder or family, kind, period and a text (at every
// change and keystroke), or by the query dialog's criteria, and acts on the rows the user selects:
// edit one in its booking dialog, delete them with their balance changes, copy them as text; the
// whole list can be sorted by any column, printed through a preview and exported.
//
// The window activates when it is first shown and each time one of the program's own windows that
// it opened over itself closes (the query dialog, a booking dialog, the print preview, the question
// after an export): the holder list is rebuilt with the preselected holder and the simple search
// runs. Message boxes and the file dialog do not count.
class TFrmAccountHistory final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmAccountHistory)

public:
    static constexpr int HelpContext = 1012;

    explicit TFrmAccountHistory(QWidget* parent = nullptr);
    ~TFrmAccountHistory() override;

    // The holder to preselect at every activation; 0 for none.
    void setHolderID(qint32 id) { FHolderID = id; }
    qint32 holderID() const { return FHolderID; }

    // Activation: the holder list rebuilt, the preselected holder chosen, the simple search run.
    void FormActivate();
    void LoadHolderList();
    // The simple search: the period, the holder list, the kind list and the search text.
    void RunSearch();
    // Runs the list's current search again.
    void Requery();

    // Handlers.
    void cbbAccWalChange();
    void cbbTypeChange();
    void rbMonthClick();
    void rbTodayClick();
    void edtSearchChange();
    void edtSearchDblClick();
    void dbgrdh1TitleBtnClick(int column);
    void btnQueryClick();
    void btnEditClick();
    void btnDeleteClick();
    void btnCopyClick();
    void btnExportClick();
    void btnPrintClick();
    void btnHelpClick();
    void btnToolExitClick();

    TFrmHistoryQuery* queryDialog() const { return m_Query; }
    const TLedgerQuery& currentSearch() const { return qryList; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A stored booking: its ledger kind and its id in its own table.
    struct Booking
    {
        int kind;
        qint32 id;
    };

    void createToolBar();
    void createFilterPanel();
    void createGrid();
    void FormCreate();
    QAction* makeAction(const char* name, const QString& caption, void (TFrmAccountHistory::*handler)());
    // The one place a search reaches the grid: runs `query` and shows its rows; on a failure the
    // list stays empty.
    void OpenList(const TLedgerQuery& query);
    // Shows one of the program's own windows modally over this one; this window activates again
    // when it closes. Returns the window's result.
    int showOver(QDialog* window);
    QList<Booking> selectedBookings() const;
    void popupMenu(QWidget* viewport, const QPoint& pos);

    qint32 FHolderID = 0;
    TLedgerQuery qryList;
    bool m_Shown = false;

    QToolBar* tlb1 = nullptr;
    QWidget* pnl1 = nullptr;
    QComboBox* cbbAccWal = nullptr;
    QComboBox* cbbType = nullptr;
    QRadioButton* rbMonth = nullptr;
    QRadioButton* rbToday = nullptr;
    QLineEdit* edtSearch = nullptr;
    TDBGridView* dbgrdh1 = nullptr;
    QMenu* pm1 = nullptr;
    TFrmHistoryQuery* m_Query = nullptr;
};
