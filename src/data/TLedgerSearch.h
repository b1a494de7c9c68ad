#pragma once

#include "data/TLedgerQuery.h"
#include "data/TRowSet.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// Runs ledger queries away from the GUI thread, so that typing and clicking never wait for a list.
//
// Each runner has a worker thread with its own read-only connection to the data module's file
// (memory-mapped, with the program's LIKE). submit() hands it a query and returns at once; the rows
// arrive through finished() on the thread that owns the runner (the GUI thread), or the engine's
// text through failed(). Only the newest request is ever answered: a request submitted while an
// older one waits or runs supersedes it, the older one is abandoned (a running statement is
// interrupted), and nothing of it is delivered, not even when its rows were already on their way.
//
//     auto* search = new TLedgerSearch(this);
//     connect(search, &TLedgerSearch::finished, this, [this](const TRowSet& rows) { grid->setRows(rows); });
//     connect(search, &TLedgerSearch::failed, this, [this](const QString& text) { ... });
//     search->submit(query);   // at every keystroke
//
// The connection sees what the data module has committed; a search submitted after a save lists
// the saved booking.
class TLedgerSearch final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLedgerSearch)

public:
    explicit TLedgerSearch(QObject* parent = nullptr);
    ~TLedgerSearch() override;

    // Starts `query` on the file of the program's data module (TDM::current()). Returns the
    // request's number, which grows with every request.
    quint64 submit(const TLedgerQuery& query);
    // Abandons the current request, if any; nothing is delivered until the next submit().
    void cancel();
    // True from a submit() until its rows or its failure have been delivered (or it was cancelled).
    bool isBusy() const { return m_busy; }
    // While finished() is delivered: takes its rows without a copy (they are empty afterwards).
    TRowSet takeRows();

    // What the worker thread is doing, for tests that need to hold it at a known point: Taken when
    // it takes a request up, Stepping while the engine runs its statements (every thousand engine
    // instructions), Answered when it has sent the rows or the failure on their way to the owner's
    // thread. Called on the worker thread; set it before the first submit().
    enum class Stage
    {
        Taken,
        Stepping,
        Answered
    };
    void setStageHook(std::function<void(Stage, quint64 request)> hook);

signals:
    // The rows of the newest request.
    void finished(const TRowSet& rows);
    // The engine's text when the newest request failed.
    void failed(const QString& text);

private:
    struct Worker;
    void deliver(quint64 request, const std::shared_ptr<TRowSet>& rows, const QString& error);

    std::shared_ptr<Worker> m_worker;
    quint64 m_latest = 0;
    bool m_busy = false;
    std::shared_ptr<TRowSet> m_delivering;
};
