#pragma once

#include "data/Currency.h"
#include "data/TDataInfo.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <memory>

class TDailyBackup;
struct sqlite3;

// The data module: owns the program's one connection to "Data.mdb" and runs every statement on it.
// Exactly one instance exists while the program runs, reachable as DM. Every statement binds its
// values as parameters; a failed statement throws DbError with the engine's text.
class TDM
{
public:
    static constexpr const char* ConnectionName = "conn";
    static constexpr const char* DateFormat = "yyyy-MM-dd HH:mm:ss";
    static constexpr const char* DayFormat = "yyyy-MM-dd";

    // How long a statement waits for a lock that another program holds before it fails.
    static constexpr int BusyTimeoutMs = 2000;

    // Makes the data module for the file at `databasePath` and makes it the program's DM. Nothing is
    // opened until DataModuleCreate(). Without `dailyBackup` the open takes no backup (tools, tests).
    explicit TDM(const QString& databasePath, bool dailyBackup = true);
    ~TDM();

    // A data module of a worker thread's own: a connection of its own to the program's file, opened
    // with the same checks (never a backup), which does not become the program's DM. Made, used and
    // destroyed on that thread; a ThreadScope makes it current() there. Throws DbError when the file
    // cannot be opened.
    static std::unique_ptr<TDM> openForThread(const QString& databasePath);

    // While it lives, current() on this thread is `dm`.
    class ThreadScope
    {
    public:
        explicit ThreadScope(TDM& dm);
        ~ThreadScope();
        ThreadScope(const ThreadScope&) = delete;
        ThreadScope& operator=(const ThreadScope&) = delete;

    private:
        TDM* m_before;
    };
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    // Opens the file, in this order: open it read-write (never creating it); check that it is an
    // SQLite file with the program's tables, of a version this program knows, that may be written;
    // set the durability settings (write-ahead log, full sync); start the daily backup; put in the
    // program's LIKE and bring an older file up to the program's schema (upgradeSchema). When a step
    // fails, the connection is closed before anything was written and DbError is thrown with a text
    // in the user's words (the engine's text follows); every later statement throws the same text.
    void DataModuleCreate();
    // Closes the file (an unfinished daily backup is abandoned) so that it may be replaced; every
    // statement then fails until DataModuleCreate() opens it again.
    void close();

    // The data module of this thread (a ThreadScope's), else the program's; throws DbError when there
    // is none.
    static TDM& current();

    bool isOpen() const;
    // Throws the open error (the engine's text) when the database could not be opened.
    void ensureOpen() const;
    const QString& databasePath() const { return m_path; }
    QSqlDatabase conn() const;
    // The engine's handle behind the connection, for reads through the C interface.
    sqlite3* handle() const;
    // The daily backup started by the open; null when none was due or backups are off.
    TDailyBackup* backup() const { return m_backup.get(); }

    // Runs a SELECT with positional values and returns the query placed before its first row.
    QSqlQuery select(const QString& sql, const QVariantList& values = {}) const;
    // Runs a statement that changes data; returns the number of rows affected.
    int execute(const QString& sql, const QVariantList& values = {}) const;

    // A transaction on the connection: rolled back on destruction unless committed.
    class Transaction
    {
    public:
        explicit Transaction(const TDM& dm);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        void commit();

    private:
        const TDM& m_dm;
        QSqlDatabase m_db;
        bool m_done = false;
    };

    // One statement prepared once and run many times (the rows of an import), inside a
    // transaction of the caller's. Each run counts as one statement, as select() does.
    class Prepared
    {
    public:
        Prepared(const TDM& dm, const QString& sql);
        // Runs the statement with `values` in the order of its placeholders; returns the rowid of
        // the row it inserted (0 for other statements).
        qint64 run(const QVariantList& values);

    private:
        const TDM& m_dm;
        QSqlQuery m_query;
    };

    // Test hook: every statement (begin and commit included) of every data module (a worker's
    // too) is counted, and the one numbered `n` from now (1 = the next) fails as if the engine had
    // refused it; 0 switches the hook off.
    void failStatementAt(int n);
    // The statements run since the last failStatementAt().
    int statementsRun() const;
    static constexpr const char* InjectedFault = "injected fault";

    // Dates as stored: local time, text "yyyy-MM-dd HH:mm:ss".
    static QString toDbDate(const QDateTime& dt);
    static QString toDbDay(const QDate& day);
    static QDateTime fromDbDate(const QString& text);
    // Money as stored: the raw ten-thousandths.
    static QVariant toDbMoney(Currency value);
    // Texts as stored: without blanks (and line ends) at both ends; an empty text is NULL.
    static QVariant toDbText(const QString& value);
    // The id of the row the last insert on this connection made.
    qint64 lastInsertId() const;

    // Holder lookups and totals, on the program's instance.
    static Currency AccountsTotal();
    static Currency WalletsTotal();
    static TDataInfo LoadHolder(qint32 id);
    static TDataInfo FindHolder(const QString& name, bool isWallet);
    static bool DeleteHolder(qint32 id);
    static bool CanDeleteHolder(qint32 id);

    // Copies the holder columns of the query's current row (ID, name, type, Balance, negative,
    // WarnNegative, URL, Memo) into a record.
    static TDataInfo readHolder(const QSqlQuery& query);
    // The holder columns, in the order readHolder expects them.
    static const char* const HolderColumns;

private:
    // Counts one statement; throws the injected fault when it is the one that must fail.
    void countStatement() const;
    // Upgrades a file of an older schema version in one transaction (TSchema::upgrade).
    void upgradeSchema();
    void openChecked();
    [[noreturn]] void failOpen(const QString& text);

    TDM(const QString& databasePath, const QString& connectionName);

    QString m_path;
    QString m_connection; // the name of the connection; "conn" for the program's
    QString m_openError;
    bool m_open = false;
    bool m_dailyBackup = true;
    std::unique_ptr<TDailyBackup> m_backup;
};

// The program's data module.
extern TDM* DM;
