#include "data/TLedgerSearch.h"

#include "data/DbError.h"
#include "data/TDM.h"
#include "data/TTextPattern.h"

#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// The reading connection never writes (query_only, besides the read-only open); it maps the file
// into memory (a list that visits rows all over the file then reads them in place rather than page
// by page through system calls), keeps a large page cache and sorts in memory.
const char* const ReaderSettings = "PRAGMA query_only = 1;"
                                   " PRAGMA mmap_size = 2147418112;"
                                   " PRAGMA cache_size = -65536;"
                                   " PRAGMA temp_store = MEMORY;";
// How many engine instructions run between two looks at whether the statement was superseded.
constexpr int CheckEvery = 1000;
// How long a read waits for a commit of the data module's connection to finish.
constexpr int BusyTimeoutMs = 5000;

} // namespace

struct TLedgerSearch::Worker
{
    struct Request
    {
        quint64 id = 0;
        TLedgerQuery query;
        QString path;
    };

    TLedgerSearch* owner = nullptr;
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<Request> pending;
    bool stop = false;
    // The newest request number; a statement running for any other number is abandoned.
    std::atomic<quint64> latest{0};
    std::atomic<quint64> running{0};
    std::function<void(Stage, quint64)> hook;
    std::thread thread;

    sqlite3* db = nullptr;
    QString dbPath;

    bool superseded(quint64 id) const { return id != latest.load(); }

    static int onProgress(void* self)
    {
        auto* w = static_cast<Worker*>(self);
        const quint64 id = w->running.load();
        if (w->hook)
            w->hook(Stage::Stepping, id);
        return w->superseded(id) ? 1 : 0;
    }

    void close()
    {
        if (db != nullptr)
            sqlite3_close_v2(db);
        db = nullptr;
        dbPath.clear();
    }

    void openReader(const QString& path)
    {
        if (db != nullptr && dbPath == path)
            return;
        close();
        QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        // Read-only: the engine then reads the mapped pages in place, about a third faster on long
        // lists than a connection that may write. The write-ahead log's files exist while the data
        // module has the file open, so a read-only connection can read the log too. Only the worker
        // thread uses the connection, so the engine need not lock it at every call.
        uri.setQuery(QStringLiteral("mode=ro"));
        const QByteArray name = uri.toString(QUrl::FullyEncoded).toUtf8();
        const int rc = sqlite3_open_v2(name.constData(), &db,
                                       SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
        QString error;
        if (rc != SQLITE_OK)
            error = QString::fromUtf8(db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        else if (sqlite3_exec(db, ReaderSettings, nullptr, nullptr, nullptr) != SQLITE_OK ||
                 TTextPattern::registerLike(db) != SQLITE_OK)
            error = QString::fromUtf8(sqlite3_errmsg(db));
        if (!error.isEmpty()) {
            close();
            throw DbError(error);
        }
        sqlite3_busy_timeout(db, BusyTimeoutMs);
        sqlite3_progress_handler(db, CheckEvery, &Worker::onProgress, this);
        dbPath = path;
    }

    void run()
    {
        for (;;) {
            Request request;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [this] { return stop || pending.has_value(); });
                if (stop)
                    break;
                request = std::move(*pending);
                pending.reset();
                running = request.id;
            }
            if (hook)
                hook(Stage::Taken, request.id);
            if (superseded(request.id))
                continue;
            try {
                openReader(request.path);
                auto rows = std::make_shared<TRowSet>(request.query.open(db));
                if (!superseded(request.id))
                    post(request.id, rows, QString());
            } catch (const DbError& e) {
                if (!superseded(request.id))
                    post(request.id, nullptr, e.text());
            }
        }
        close();
    }

    void post(quint64 id, const std::shared_ptr<TRowSet>& rows, const QString& error)
    {
        TLedgerSearch* target = owner;
        QMetaObject::invokeMethod(
            target, [target, id, rows, error] { target->deliver(id, rows, error); }, Qt::QueuedConnection);
        if (hook)
            hook(Stage::Answered, id);
    }
};

TLedgerSearch::TLedgerSearch(QObject* parent)
    : QObject(parent)
    , m_worker(std::make_shared<Worker>())
{
    m_worker->owner = this;
    m_worker->thread = std::thread([worker = m_worker.get()] { worker->run(); });
}

TLedgerSearch::~TLedgerSearch()
{
    {
        std::lock_guard lock(m_worker->mutex);
        m_worker->stop = true;
        m_worker->latest = ~quint64(0);
    }
    m_worker->wake.notify_one();
    m_worker->thread.join();
}

void TLedgerSearch::setStageHook(std::function<void(Stage, quint64)> hook)
{
    std::lock_guard lock(m_worker->mutex);
    m_worker->hook = std::move(hook);
}

quint64 TLedgerSearch::submit(const TLedgerQuery& query)
{
    const TDM& dm = TDM::current();
    // A database that could not be opened fails here, with its open error, as any statement does.
    dm.ensureOpen();
    const quint64 id = ++m_latest;
    {
        std::lock_guard lock(m_worker->mutex);
        m_worker->pending = Worker::Request{id, query, dm.databasePath()};
        m_worker->latest = id;
    }
    m_worker->wake.notify_one();
    m_busy = true;
    return id;
}

void TLedgerSearch::cancel()
{
    const quint64 id = ++m_latest;
    {
        std::lock_guard lock(m_worker->mutex);
        m_worker->pending.reset();
        m_worker->latest = id;
    }
    m_busy = false;
}

TRowSet TLedgerSearch::takeRows()
{
    return m_delivering ? std::move(*m_delivering) : TRowSet();
}

void TLedgerSearch::deliver(quint64 request, const std::shared_ptr<TRowSet>& rows, const QString& error)
{
    // Anything submitted since has made this answer stale, however far it had come.
    if (request != m_latest)
        return;
    m_busy = false;
    if (rows) {
        m_delivering = rows;
        emit finished(*rows);
        m_delivering.reset();
    } else
        emit failed(error);
}
