#include "reports/TReportRunner.h"

#include "data/DbError.h"
#include "data/TDM.h"

#include <sqlite3.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

struct TReportRunner::Worker
{
    struct Job
    {
        quint64 id = 0;
        TReportRequest request;
        QString path;
    };

    TReportRunner* owner = nullptr;
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<Job> pending;
    bool stop = false;
    std::atomic<quint64> latest{0};
    std::thread thread;

    // The worker's own data module, made and closed on the worker thread.
    std::unique_ptr<TDM> dm;

    void openReader(const QString& path)
    {
        if (dm && dm->databasePath() == path)
            return;
        dm.reset();
        dm = TDM::openForThread(path);
        // The reports only read: the engine refuses any write on this connection.
        if (sqlite3_exec(dm->handle(), "PRAGMA query_only = 1", nullptr, nullptr, nullptr) != SQLITE_OK) {
            const QString error = QString::fromUtf8(sqlite3_errmsg(dm->handle()));
            dm.reset();
            throw DbError(error);
        }
    }

    static std::shared_ptr<TReportAnswer> compute(const TReportRequest& request)
    {
        auto answer = std::make_shared<TReportAnswer>();
        answer->request = request;
        switch (request.report) {
        case TReportRequest::Report::IncomeSpending:
            answer->months = TIncomeSpending::compute(request.holders, request.period);
            break;
        case TReportRequest::Report::WhereMoneyGoes:
            answer->groups = TWhereMoneyGoes::compute(request.holders, request.period, request.flow, request.by);
            break;
        case TReportRequest::Report::BalanceOverTime:
            answer->balances = TBalanceOverTime::compute(request.holders, request.period);
            break;
        }
        return answer;
    }

    void run()
    {
        for (;;) {
            Job job;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [this] { return stop || pending.has_value(); });
                if (stop)
                    break;
                job = std::move(*pending);
                pending.reset();
            }
            if (job.id != latest.load())
                continue;
            try {
                openReader(job.path);
                const TDM::ThreadScope scope(*dm);
                const std::shared_ptr<TReportAnswer> answer = compute(job.request);
                if (job.id == latest.load())
                    post(job.id, answer, QString());
            } catch (const DbError& e) {
                if (job.id == latest.load())
                    post(job.id, nullptr, e.text());
            }
        }
        dm.reset();
    }

    void post(quint64 id, const std::shared_ptr<TReportAnswer>& answer, const QString& error)
    {
        TReportRunner* target = owner;
        QMetaObject::invokeMethod(
            target, [target, id, answer, error] { target->deliver(id, answer, error); }, Qt::QueuedConnection);
    }
};

TReportRunner::TReportRunner(QObject* parent)
    : QObject(parent)
    , m_worker(std::make_shared<Worker>())
{
    m_worker->owner = this;
    m_worker->thread = std::thread([worker = m_worker.get()] { worker->run(); });
}

TReportRunner::~TReportRunner()
{
    {
        std::lock_guard lock(m_worker->mutex);
        m_worker->stop = true;
        m_worker->latest = ~quint64(0);
    }
    m_worker->wake.notify_one();
    m_worker->thread.join();
}

quint64 TReportRunner::submit(const TReportRequest& request)
{
    const TDM& dm = TDM::current();
    // A database that could not be opened fails here, with its open error, as any statement does.
    dm.ensureOpen();
    const quint64 id = ++m_latest;
    {
        std::lock_guard lock(m_worker->mutex);
        m_worker->pending = Worker::Job{id, request, dm.databasePath()};
        m_worker->latest = id;
    }
    m_worker->wake.notify_one();
    m_busy = true;
    return id;
}

void TReportRunner::deliver(quint64 request, const std::shared_ptr<TReportAnswer>& answer, const QString& error)
{
    // A newer request has made this answer stale, however far it had come.
    if (request != m_latest)
        return;
    m_busy = false;
    if (answer)
        emit finished(*answer);
    else
        emit failed(error);
}
