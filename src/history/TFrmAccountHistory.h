#pragma once

#include "data/TBooksChange.h"
#include "data/TLedgerQuery.h"
#include "history/THistorySearch.h"
#include "reports/TReportFilter.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <optional>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QRadioButton;
class QToolBar;
class TDBGridView;
class TFrmHistoryQuery;
class TLedgerSearch;

// The history window: searches the bookings by holder or family, kind, period and a text (at every
// change and keystroke), or by the query dialog's criteria, and acts on the rows the user selects:
// edit one in its booking dialog, delete them with their balance changes, copy them as text; the
// whole list can be sorted by any column, printed through a preview and exported.
//
// The lists are read by a search runner on its own thread, so typing never waits for a list: a
// search asked for while another runs replaces it, and the rows on view stay until the new ones
// arrive. Edit, Delete and Copy act on the rows the user selected on view; Export and Print wait
// for the list asked for last. After a delete the list is empty until the re-query arrives, so no
// deleted booking can be chosen again.
//
// Every command has its key (Ctrl+F, Enter or F2, Delete, Ctrl+R, Ctrl+C, Ctrl+E, Ctrl+P, F1, Esc), shown
// in its tool tip; the menu key and Shift+F10 open the grid's pop-up menu.
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
    // Lists exactly the bookings of a report's figure (TReportBookings), at once and at every
    // activation and re-query, until the user searches for something else.
    void showFigure(const TReportFilter& filter);
    bool showsFigure() const { return m_figure.has_value(); }
    // Follows a change of the books made elsewhere (another window, an import, a booking made at
    // start): the holder list when holders changed, and the list.
    void booksChanged(const TBooksChange& change);
    // True while a list asked for has not arrived yet.
    bool isBuilding() const;

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
    // Asks for a standing order made of the selected booking (repeatRequested).
    void btnRepeatClick();
    void btnCopyClick();
    void btnExportClick();
    void btnPrintClick();
    void btnHelpClick();
    void btnToolExitClick();

    TFrmHistoryQuery* queryDialog() const { return m_Query; }
    const TLedgerQuery& currentSearch() const { return qryList; }

signals:
    // The list asked for last is on view (or failed, and the list is empty).
    void listBuilt();
    // "Repeat..." on `booking`: the one who opened the window makes a standing order of it. The
    // command shows only where someone listens.
    void repeatRequested(const TBooksChange::Booking& booking);

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
    void createRepeat();
    void createFilterPanel();
    void createGrid();
    // Every command's keys and their tool tips; the grid's pop-up menu keys.
    void createKeys();
    void FormCreate();
    QAction* makeAction(const char* name, const QString& caption, void (TFrmAccountHistory::*handler)());
    // The one place a search starts: checks `query` (a statement the engine rejects throws at once
    // and empties the list) and hands it to the search runner, whose rows reach the grid through
    // showList(), or its failure through listFailed().
    void OpenList(const TLedgerQuery& query);
    void showList();
    void listFailed(const QString& text);
    // Returns when the list asked for last is on view (at once when it is), without taking the
    // user's input meanwhile.
    void awaitList();
    // Shows one of the program's own windows modally over this one; this window activates again
    // when it closes. Returns the window's result.
    int showOver(QDialog* window);
    QList<Booking> selectedBookings() const;
    void popupMenu(QWidget* viewport, const QPoint& pos);

    // Lists the bookings of m_figure.
    void listFigure();

    qint32 FHolderID = 0;
    TLedgerQuery qryList;
    std::optional<TReportFilter> m_figure;
    // What the list on view shows, for the header of its print: its holder and period.
    QStringList m_printDetails;
    bool m_Shown = false;
    // The period button pressed last was marked already: its click searches again.
    bool m_periodWasMarked = false;

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
    TLedgerSearch* m_search = nullptr;
};
