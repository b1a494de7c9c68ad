#pragma once

class QSqlDatabase;

// The tables, indexes and version of a "Data.mdb" file.
//
// Money columns (Balance, Amount) hold INTEGER ten-thousandths; dates hold local time as text
// "yyyy-MM-dd HH:mm:ss"; ids are AUTOINCREMENT, so never 0 and never reused. The version lives in
// PRAGMA user_version.
//
// Versions, each built from the one before by one step:
//   1  the tables Account, Detail and Transfer and the indexes the booking lists read by;
//   2  trigram indexes of the texts of Detail and Transfer (Detail_Text, Transfer_Text), kept in
//      step with every insert, update and delete by triggers; the text search narrows its
//      candidates through them;
//   3  the statement import's tables: Import (one row per import: when, holder, file, rows, total,
//      profile), ImportRow (the fingerprint of each imported row with its holder and booking; it
//      stays when the booking is deleted, so the row is not offered again, and goes with its
//      import) and ImportProfile (saved settings of a bank's delimited files, by name);
//   4  ImportRow.Link: a row may name a booking typed by hand before its statement was imported
//      (a deposit or debit, or a transfer) rather than one its import made;
//   5  the reports' month totals, kept by triggers on Detail and Transfer: MonthTotal (per month,
//      holder and kind; transfers by source and destination), ReportText (the texts of "For" and
//      "From", numbered) and MonthText (per text field, kind, holder, month and text);
//   6  standing orders: StandingOrder (an order's booking and rhythm) and OrderOccurrence (each
//      occurrence booked, with its booking, or skipped; unique by order and day of the rhythm).
class TSchema
{
public:
    static constexpr int Version = 6;

    // Creates the tables and indexes of `version` (the newest unless a test asks for an older one)
    // in an empty database, in one transaction. Throws DbError on failure.
    static void create(QSqlDatabase& db, int version = Version);

    // Brings a file of an older version up to Version, step by step, in one transaction: on any
    // failure nothing is changed. A file of this version, of a newer one or without a version is
    // left as it is. Returns the version the file had. Throws DbError on failure.
    static int upgrade(QSqlDatabase& db);

    // The version recorded in the file.
    static int version(QSqlDatabase& db);
};
