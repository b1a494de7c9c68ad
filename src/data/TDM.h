#pragma once

#include "data/Currency.h"
#include "data/TDataInfo.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

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

    // Makes the data module for the file at `databasePath` and makes it the program's DM. Nothing is
    // opened until DataModuleCreate().
    explicit TDM(const QString& databasePath);
    ~TDM();
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    // "Data.mdb" in the directory of the executable.
    static QString defaultDatabasePath();

    // Opens the existing file read-write (never creating it), checks that Account can be read and
    // brings an older file up to the program's schema (upgradeSchema). Throws DbError with the
    // engine's text when that fails; the module then stays closed and every later statement throws
    // the same text.
    void DataModuleCreate();

    // The program's data module; throws DbError when there is none.
    static TDM& current();

    bool isOpen() const;
    // Throws the open error (the engine's text) when the database could not be opened.
    void ensureOpen() const;
    const QString& databasePath() const { return m_path; }
    QSqlDatabase conn() const;
    // The engine's own handle behind conn, for what reads through the SQLite C interface. Throws
    // the open error when the database could not be opened.
    sqlite3* handle() const;

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
        QSqlDatabase m_db;
        bool m_done = false;
    };

    // Dates as stored: local time, text "yyyy-MM-dd HH:mm:ss".
    static QString toDbDate(const QDateTime& dt);
    static QString toDbDay(const QDate& day);
    static QDateTime fromDbDate(const QString& text);

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
    // Upgrades a file of an older schema version in one transaction (TSchema::upgrade).
    void upgradeSchema();

    QString m_path;
    QString m_openError;
    bool m_open = false;
};

// The program's data module.
extern TDM* DM;
