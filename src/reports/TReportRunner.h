#pragma once

#include "reports/TBalanceOverTime.h"
#include "reports/TIncomeSpending.h"
#include "reports/TReportHolders.h"
#include "reports/TReportPeriod.h"
#include "reports/TWhereMoneyGoes.h"

#include <QMetaType>
#include <QObject>
#include <QString>

#include <memory>

// One report asked of the runner: which, over which holders and months, and for "Where the Money
// Goes" the flow and the grouping.
struct TReportRequest
{
    enum class Report
    {
        IncomeSpending,
        WhereMoneyGoes,
        BalanceOverTime
    };
    Report report = Report::IncomeSpending;
    TReportHolders holders;
    TReportPeriod period;
    TWhereMoneyGoes::Flow flow = TWhereMoneyGoes::Flow::Spending;
    TWhereMoneyGoes::GroupBy by = TWhereMoneyGoes::GroupBy::Purpose;
};

// The figures of a request: those of its report are set, the others stay empty.
struct TReportAnswer
{
    TReportRequest request;
    QList<TIncomeSpending::Month> months;
    TWhereMoneyGoes::Result groups;
    TBalanceOverTime::Result balances;
};
Q_DECLARE_METATYPE(TReportAnswer)

// Computes reports away from the GUI thread, as the search runner runs lists: a worker thread with a
// data module of its own on the program's file (its connection set to read only), submit() returning
// at once, the figures arriving through finished() on the thread that owns the runner, or the
// engine's text through failed(). Only the newest request is answered: one that waits is replaced by
// a newer one, and the answer of one that ran is dropped once a newer one was submitted.
class TReportRunner final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TReportRunner)

public:
    explicit TReportRunner(QObject* parent = nullptr);
    ~TReportRunner() override;

    // Starts `request` on the file of the program's data module (TDM::current()). Returns the
    // request's number, which grows with every request.
    quint64 submit(const TReportRequest& request);
    // True from a submit() until its answer or its failure has been delivered.
    bool isBusy() const { return m_busy; }

signals:
    void finished(const TReportAnswer& answer);
    void failed(const QString& text);

private:
    struct Worker;
    void deliver(quint64 request, const std::shared_ptr<TReportAnswer>& answer, const QString& error);

    std::shared_ptr<Worker> m_worker;
    quint64 m_latest = 0;
    bool m_busy = false;
};
