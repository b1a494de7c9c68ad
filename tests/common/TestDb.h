#pragma once

#include "data/Currency.h"
#include "data/TDM.h"

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A fresh "Data.mdb" with the program's schema in a temporary folder, opened as the program's DM.
class TestDb
{
public:
    TestDb();
    ~TestDb();

    const QString& path() const { return m_path; }
    TDM& dm() { return *m_dm; }

    qint32 addHolder(const QString& name, int type, Currency balance = {}, bool negative = false,
                     bool warnNegative = false, const QString& url = {}, const QString& memo = {});
    qint32 addDetail(int type, qint32 holder, const QDateTime& date, Currency amount, const QString& from = {},
                     const QString& forText = {}, const QString& memo = {});
    qint32 addTransfer(qint32 source, qint32 dest, const QDateTime& date, Currency amount, const QString& from = {},
                       const QString& forText = {}, const QString& memo = {});
    Currency balance(qint32 holder);
    int count(const QString& table);
    // Everything in Account, Detail, Transfer, the import's and the standing orders' tables, to compare
    // before and after.
    QString snapshot();
    // The rows of a select statement, each as its values joined by "|", a missing value as "<null>".
    QStringList rows(const QString& sql, const QVariantList& values = {});

    enum class TriggerEffect
    {
        Skip, // the row is left alone without an error: the statement changes no row
        Fail, // the statement fails with the engine's error
    };
    // A temporary trigger before every `event` ("INSERT", "UPDATE" or "DELETE") on `table`, until
    // dropTrigger() with the same table and event.
    void addTrigger(const QString& table, const QString& event, TriggerEffect effect);
    void dropTrigger(const QString& table, const QString& event);

    // Creates a database file with the schema at `path` (no DM attached), in the write-ahead log.
    static void createFile(const QString& path);

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<TDM> m_dm;
};

// A data module for a file that is not there: opening it failed with `openError`, the engine's
// text, which every later statement repeats.
struct MissingDb
{
    QTemporaryDir dir;
    TDM dm{dir.filePath(QStringLiteral("Data.mdb"))};
    QString openError;

    MissingDb();
};

// Money from text with a point: "12.5" -> 12.5000.
Currency money(const char* text);

// Pins the default locale for the rest of the test.
void pinLocale(const char* name);
