#pragma once

#include "reports/TBalanceOverTime.h"
#include "reports/TIncomeSpending.h"
#include "reports/TReportFilter.h"
#include "reports/TReportHolders.h"
#include "reports/TReportPeriod.h"
#include "reports/TReportRunner.h"
#include "reports/TWhereMoneyGoes.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QRadioButton;
class QTabWidget;
class QToolBar;
class TChartView;
class TDBGridView;
class TFrmAccountHistory;
struct TBooksChange;

// The window "Reports": three reports over the holders and the period the user chooses, each a
// chart with its table below it. "Income and Spending" (per month), "Where the Money Goes" (spending
// or income by purpose or payee) and "Balance over Time" (each holder at the end of every month).
// The figures are computed by a TReportRunner on its worker thread, from the month totals the data
// file keeps; until the answer to the newest choice arrives the window shows the figures it had. The
// window follows every change of the books. A click on a bar, or Enter or a double click on a cell of a table, opens
// the history window with exactly the bookings of that figure. The table goes out through the export command and the
// print preview, the chart as a PNG picture or a PDF page.
class TFrmReports final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmReports)

public:
    static constexpr int HelpContext = 1014;

    enum class Report
    {
        IncomeSpending,
        WhereMoneyGoes,
        BalanceOverTime
    };
    enum class PeriodChoice
    {
        ThisYear,
        Last12Months,
        AllYears,
        Months
    };

    explicit TFrmReports(QWidget* parent = nullptr);
    ~TFrmReports() override;

    // The holder chosen when the window opens (0: all holders).
    void setHolderID(qint32 id);

    TReportHolders holders() const;
    TReportPeriod period() const;
    // Computes the report on view again, on the runner's thread.
    void refresh();
    // True from a refresh() until its figures are shown.
    bool isCalculating() const { return m_runner->isBusy(); }
    // The bookings of a figure: of `category` (a month, a group) and `series` (a column of figures,
    // a holder) of `report`.
    TReportFilter figureFilter(Report report, int series, int category) const;
    // Opens the history window on the bookings of `filter`.
    void openBookings(const TReportFilter& filter);
    TFrmAccountHistory* historyWindow() const { return m_history; }

    void btnExportClick();
    void btnPrintClick();
    void btnSaveChartClick();
    void btnHelpClick();
    void btnToolExitClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void createToolBar();
    QWidget* createChoices();
    QWidget* createPage(Report report, const QString& name, const QString& title);
    void chooseHolder();
    void booksChanged(const TBooksChange& change);
    void periodChanged();
    void showAnswer(const TReportAnswer& answer);
    void showIncomeSpending();
    void showWhereMoneyGoes();
    void showBalanceOverTime();
    Report currentReport() const;
    void gridActivated(Report report);

    qint32 m_holderId = 0;
    bool m_shown = false;
    QList<TIncomeSpending::Month> m_months;
    TWhereMoneyGoes::Result m_groups;
    TBalanceOverTime::Result m_balances;
    // The choice the figures shown were computed for.
    TReportHolders m_shownHolders;
    TReportPeriod m_period;
    TWhereMoneyGoes::Flow m_flow = TWhereMoneyGoes::Flow::Spending;
    TWhereMoneyGoes::GroupBy m_by = TWhereMoneyGoes::GroupBy::Purpose;
    TReportRunner* m_runner = nullptr;

    QToolBar* tlb1 = nullptr;
    QComboBox* cbbHolder = nullptr;
    QComboBox* cbbPeriod = nullptr;
    QDateEdit* dtpFrom = nullptr;
    QDateEdit* dtpTo = nullptr;
    QTabWidget* tabReports = nullptr;
    QRadioButton* rbSpending = nullptr;
    QRadioButton* rbIncome = nullptr;
    QRadioButton* rbPurpose = nullptr;
    QRadioButton* rbPayee = nullptr;
    TChartView* m_charts[3] = {};
    TDBGridView* m_grids[3] = {};
    TFrmAccountHistory* m_history = nullptr; // while it is open
};
