#pragma once

class QSqlDatabase;

// The tables, indexes and version of a "Data.mdb" file.
//
// Money columns (Balance, Amount) hold INTEGER ten-thousandths; dates hold local time as text
// "yyyy-MM-dd HH:mm:ss"; ids are AUTOINCREMENT, so never 0 and never reused. The version lives in
// PRAGMA user_version.
class TSchema
{
public:
    static constexpr int Version = 1;

    // Creates the three tables and their indexes in an empty database, in one transaction.
    // Throws DbError on failure.
    static void create(QSqlDatabase& db);

    // The version recorded in the file.
    static int version(QSqlDatabase& db);
};
