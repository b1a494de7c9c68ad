#pragma once

#include "data/TLedgerQuery.h"

#include <QObject>

#include <functional>

class QComboBox;
class QDateTimeEdit;
class QPushButton;
class QWidget;
class TDBGridView;
class TLedgerSearch;

// The main window's list of the current holder's bookings and its summary strip: the filter bar
// (period, kind, quick periods, export), the booking grid with its "SUM" footer, and the one-row
// summary of the holder (its share of all money, this month's and today's deposits and debits).
class TBookingList final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TBookingList)

public:
    static constexpr int HelpContext = 1000;

    // Puts the filter bar into `pnl3`, the booking grid under it into `pnl2` and the summary grid
    // into `pnlTop`. `currentHolder` gives the id of the holder whose bookings the list shows.
    TBookingList(QWidget* pnlTop, QWidget* pnl2, QWidget* pnl3, std::function<qint32()> currentHolder, QWidget* owner);

    // The start state: the period from the first of this month to now, the kind and period lists
    // filled with their first entries chosen, an empty list and a summary of titles only.
    void PrepareStartState();
    // Lists the bookings of `holderId` in the chosen period and kind, oldest first; 0 (no holder)
    // gives an empty list. The list is empty until the rows arrive from the search runner, which
    // works on its own thread; a list asked for while another is still on its way replaces it. A
    // statement the engine rejects throws at once; a failure while reading is shown when it comes.
    void BuildList(qint32 holderId);
    // True while a list asked for has not arrived yet.
    bool isBuilding() const;
    // Shows the summary row of `holderId` as of now.
    void BuildSummary(qint32 holderId);
    // A click on a title button of the booking grid: sorts the fetched rows by that column.
    void SortByColumn(TDBGridView* grid, int column);
    // Gives every summary column the same width: the grid's width divided by 6, less 1.
    void ResizeSummaryColumns();

    // Handlers of the filter bar.
    void dtpRangeChange();
    void cbbTypeChange();
    void cbbDateChange();
    void btnExportClick();
    void dbgrdh1TitleBtnClick(int column);

signals:
    // The list asked for last has arrived (or failed, and stays empty).
    void listBuilt();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createFilterBar(QWidget* pnl3);
    void createListGrid(QWidget* pnl2);
    void createSummaryGrid(QWidget* pnlTop);
    int chosenKind() const;
    // A handler run inside the error report, so that a failure is shown and the program goes on.
    std::function<void()> guarded(void (TBookingList::*handler)());

    QWidget* m_owner;
    std::function<qint32()> m_currentHolder;
    TLedgerQuery qryList;
    TLedgerSearch* m_search = nullptr;
    QDateTimeEdit* dtpRange1 = nullptr;
    QDateTimeEdit* dtpRange2 = nullptr;
    QComboBox* cbbType = nullptr;
    QComboBox* cbbDate = nullptr;
    QPushButton* btnExport = nullptr;
    TDBGridView* dbgrdh1 = nullptr;
    TDBGridView* dbgrdhTotal = nullptr;
};
