#include "data/TSchema.h"

#include "data/DbError.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <iterator>

namespace {

// Version 1: the tables and the indexes the booking lists read by.
const char* const Tables[] = {
    "CREATE TABLE Account ("
    " ID INTEGER PRIMARY KEY AUTOINCREMENT,"
    " name TEXT NOT NULL DEFAULT '',"
    " type INTEGER NOT NULL DEFAULT 0,"
    " Balance INTEGER NOT NULL DEFAULT 0,"
    " negative INTEGER NOT NULL DEFAULT 0,"
    " WarnNegative INTEGER NOT NULL DEFAULT 0,"
    " URL TEXT,"
    " Memo TEXT)",
    "CREATE TABLE Detail ("
    " ID INTEGER PRIMARY KEY AUTOINCREMENT,"
    " type INTEGER NOT NULL,"
    " DestID INTEGER NOT NULL,"
    " Date TEXT NOT NULL,"
    " [From] TEXT,"
    " Amount INTEGER NOT NULL,"
    " [For] TEXT,"
    " Memo TEXT)",
    "CREATE TABLE Transfer ("
    " ID INTEGER PRIMARY KEY AUTOINCREMENT,"
    " SourceID INTEGER NOT NULL,"
    " DestID INTEGER NOT NULL,"
    " Date TEXT NOT NULL,"
    " [From] TEXT,"
    " Amount INTEGER NOT NULL,"
    " [For] TEXT,"
    " Memo TEXT)",
    // The booking lists read by date, and by holder and date.
    "CREATE INDEX Detail_Date ON Detail (Date)",
    "CREATE INDEX Detail_DestID_Date ON Detail (DestID, Date)",
    "CREATE INDEX Transfer_Date ON Transfer (Date)",
    "CREATE INDEX Transfer_SourceID_Date ON Transfer (SourceID, Date)",
    "CREATE INDEX Transfer_DestID_Date ON Transfer (DestID, Date)",
};

QStringList version1()
{
    QStringList statements;
    for (const char* statement : Tables)
        statements << QString::fromLatin1(statement);
    return statements;
}

// Version 2: the trigram index of each table's texts. It holds exact text (no folding), so that a
// search can ask for exactly the spellings that fold alike; it keeps no copy of the texts (it
// reads them from its table when it is rebuilt), and the triggers keep it in step with every
// insert, update and delete of a row, whichever connection makes it.
QStringList version2()
{
    QStringList statements;
    for (const char* name : {"Detail", "Transfer"}) {
        const QString table = QString::fromLatin1(name);
        const QString columns = QStringLiteral("\"From\", \"For\", Memo");
        const QString remove = QStringLiteral("INSERT INTO %1_Text (%1_Text, rowid, %2)"
                                              " VALUES ('delete', old.ID, old.\"From\", old.\"For\", old.Memo);")
                                   .arg(table, columns);
        const QString add = QStringLiteral("INSERT INTO %1_Text (rowid, %2)"
                                           " VALUES (new.ID, new.\"From\", new.\"For\", new.Memo);")
                                .arg(table, columns);
        statements << QStringLiteral("CREATE VIRTUAL TABLE %1_Text USING fts5(%2, content='%1', content_rowid='ID',"
                                     " tokenize='trigram case_sensitive 1')")
                          .arg(table, columns)
                   << QStringLiteral("CREATE TRIGGER %1_Text_Insert AFTER INSERT ON %1 BEGIN %2 END").arg(table, add)
                   << QStringLiteral("CREATE TRIGGER %1_Text_Delete AFTER DELETE ON %1 BEGIN %2 END").arg(table, remove)
                   << QStringLiteral("CREATE TRIGGER %1_Text_Update AFTER UPDATE OF ID, %2 ON %1 BEGIN %3 %4 END")
                          .arg(table, columns, remove, add)
                   << QStringLiteral("INSERT INTO %1_Text (%1_Text) VALUES ('rebuild')").arg(table);
    }
    return statements;
}

// Version 3: the statement import. An import is taken back as a whole through ImportRow, which
// names the booking each row became (gone when the user deleted it); a holder's fingerprints are
// read through the index on (HolderID, Fingerprint). Profile names are unique whatever their case;
// a profile's holder and Used (a count that grows with every use) tell which was a holder's last.
QStringList version3()
{
    return {
        QStringLiteral("CREATE TABLE Import ("
                       " ID INTEGER PRIMARY KEY AUTOINCREMENT,"
                       " Date TEXT NOT NULL,"
                       " HolderID INTEGER NOT NULL,"
                       " FileName TEXT NOT NULL,"
                       " RowCount INTEGER NOT NULL,"
                       " Total INTEGER NOT NULL,"
                       " Profile TEXT)"),
        QStringLiteral("CREATE TABLE ImportRow ("
                       " ImportID INTEGER NOT NULL,"
                       " HolderID INTEGER NOT NULL,"
                       " Fingerprint TEXT NOT NULL,"
                       " DetailID INTEGER NOT NULL,"
                       " PRIMARY KEY (ImportID, Fingerprint)) WITHOUT ROWID"),
        QStringLiteral("CREATE INDEX ImportRow_HolderID ON ImportRow (HolderID, Fingerprint)"),
        QStringLiteral("CREATE TABLE ImportProfile ("
                       " ID INTEGER PRIMARY KEY AUTOINCREMENT,"
                       " Name TEXT NOT NULL UNIQUE COLLATE NOCASE,"
                       " HolderID INTEGER NOT NULL DEFAULT 0,"
                       " Used INTEGER NOT NULL DEFAULT 0,"
                       " Settings TEXT NOT NULL)"),
    };
}

// Version 4: a row of a statement may be the booking the user typed before the statement came
// (Link 1: a Detail, 2: a Transfer, whose ID DetailID then holds) instead of a booking its import
// made (Link 0); taking the import back keeps such a booking. The index finds the bookings that an
// import has made or claimed.
QStringList version4()
{
    return {
        QStringLiteral("ALTER TABLE ImportRow ADD COLUMN Link INTEGER NOT NULL DEFAULT 0"),
        QStringLiteral("CREATE INDEX ImportRow_DetailID ON ImportRow (DetailID, Link)"),
    };
}

// Version 5: month totals for the reports, kept by triggers on Detail and Transfer whichever
// connection writes, so a report reads a few thousand rows instead of every booking.
//   MonthTotal: per month (yyyymm), holder and kind the sum and count of the bookings: deposits
//     (Kind 0) and debits (Kind 1) with OtherID 0, and transfers (Kind 2) by their source with the
//     destination in OtherID, so a report sees which transfers cross the edge of the holders it is
//     given;
//   ReportText: every "For" and "From" text of a deposit or debit as stored (a missing one as ''),
//     numbered;
//   MonthText: per text field (0 "For", 1 "From"), kind, holder, month and text the sum and count of
//     the deposits and debits; a holder's months are one range of the key. Each year has its row too
//     (Month yyyy, before every yyyymm), so a period of whole years reads one row a year.
// A row whose count falls to 0 goes; the texts stay numbered. The step fills the tables from the
// bookings that are there.
QString monthOf(const char* date)
{
    return QStringLiteral("(CAST(substr(%1, 1, 4) AS INTEGER) * 100 + CAST(substr(%1, 6, 2) AS INTEGER))")
        .arg(QLatin1String(date));
}

// The year of a stored date, as MonthText holds a year's row.
QString yearOf(const char* date)
{
    return QStringLiteral("CAST(substr(%1, 1, 4) AS INTEGER)").arg(QLatin1String(date));
}

QStringList version5()
{
    // Adds (sign 1) or takes back (sign -1) one booking's row of `table` with the values given.
    auto total = [](int sign, const QString& month, const QString& holder, const QString& kind, const QString& other,
                    const QString& amount) {
        if (sign > 0)
            return QStringLiteral("INSERT INTO MonthTotal VALUES (%1, %2, %3, %4, %5, 1) ON CONFLICT DO UPDATE SET"
                                  " Amount = Amount + excluded.Amount, Count = Count + 1;")
                .arg(month, holder, kind, other, amount);
        const QString key = QStringLiteral("Month = %1 AND HolderID = %2 AND Kind = %3 AND OtherID = %4")
                                .arg(month, holder, kind, other);
        return QStringLiteral("UPDATE MonthTotal SET Amount = Amount - %1, Count = Count - 1 WHERE %2;"
                              " DELETE FROM MonthTotal WHERE %2 AND Count = 0;")
            .arg(amount, key);
    };
    auto text = [](int sign, int field, const QString& row, const char* column) {
        const QString value = QStringLiteral("coalesce(%1.\"%2\", '')").arg(row, QLatin1String(column));
        const QString id = QStringLiteral("(SELECT ID FROM ReportText WHERE Text = %1)").arg(value);
        // The row of the booking's month, and the row of its year.
        const QString date = row + QStringLiteral(".Date");
        QString sql =
            sign > 0 ? QStringLiteral("INSERT OR IGNORE INTO ReportText (Text) VALUES (%1);").arg(value) : QString();
        for (const QString& month : {monthOf(qPrintable(date)), yearOf(qPrintable(date))}) {
            const QString key =
                QStringLiteral("Field = %1 AND Kind = %2.type AND Month = %3 AND HolderID = %2.DestID AND TextID = %4")
                    .arg(field)
                    .arg(row, month, id);
            if (sign > 0)
                sql +=
                    QStringLiteral(" INSERT INTO MonthText VALUES (%1, %2.type, %3, %2.DestID, %4, %2.Amount, 1)"
                                   " ON CONFLICT DO UPDATE SET Amount = Amount + excluded.Amount, Count = Count + 1;")
                        .arg(field)
                        .arg(row, month, id);
            else
                sql += QStringLiteral(" UPDATE MonthText SET Amount = Amount - %1.Amount, Count = Count - 1 WHERE %2;"
                                      " DELETE FROM MonthText WHERE %2 AND Count = 0;")
                           .arg(row, key);
        }
        return sql;
    };
    auto detail = [&](int sign, const QString& row) {
        return total(sign, monthOf(qPrintable(row + QStringLiteral(".Date"))), row + QStringLiteral(".DestID"),
                     row + QStringLiteral(".type"), QStringLiteral("0"), row + QStringLiteral(".Amount")) +
               text(sign, 0, row, "For") + text(sign, 1, row, "From");
    };
    auto transfer = [&](int sign, const QString& row) {
        return total(sign, monthOf(qPrintable(row + QStringLiteral(".Date"))), row + QStringLiteral(".SourceID"),
                     QStringLiteral("2"), row + QStringLiteral(".DestID"), row + QStringLiteral(".Amount"));
    };
    const QString oldRow = QStringLiteral("old");
    const QString newRow = QStringLiteral("new");
    return {
        QStringLiteral("CREATE TABLE MonthTotal ("
                       " Month INTEGER NOT NULL,"
                       " HolderID INTEGER NOT NULL,"
                       " Kind INTEGER NOT NULL,"
                       " OtherID INTEGER NOT NULL,"
                       " Amount INTEGER NOT NULL,"
                       " Count INTEGER NOT NULL,"
                       " PRIMARY KEY (Month, HolderID, Kind, OtherID)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE ReportText (ID INTEGER PRIMARY KEY, Text TEXT NOT NULL UNIQUE)"),
        QStringLiteral("CREATE TABLE MonthText ("
                       " Field INTEGER NOT NULL,"
                       " Kind INTEGER NOT NULL,"
                       " Month INTEGER NOT NULL,"
                       " HolderID INTEGER NOT NULL,"
                       " TextID INTEGER NOT NULL,"
                       " Amount INTEGER NOT NULL,"
                       " Count INTEGER NOT NULL,"
                       " PRIMARY KEY (Field, Kind, HolderID, Month, TextID)) WITHOUT ROWID"),
        QStringLiteral("CREATE TRIGGER Detail_Month_Insert AFTER INSERT ON Detail BEGIN %1 END").arg(detail(1, newRow)),
        QStringLiteral("CREATE TRIGGER Detail_Month_Delete AFTER DELETE ON Detail BEGIN %1 END")
            .arg(detail(-1, oldRow)),
        QStringLiteral("CREATE TRIGGER Detail_Month_Update AFTER UPDATE OF type, DestID, Date, Amount, \"From\","
                       " \"For\" ON Detail BEGIN %1 %2 END")
            .arg(detail(-1, oldRow), detail(1, newRow)),
        QStringLiteral("CREATE TRIGGER Transfer_Month_Insert AFTER INSERT ON Transfer BEGIN %1 END")
            .arg(transfer(1, newRow)),
        QStringLiteral("CREATE TRIGGER Transfer_Month_Delete AFTER DELETE ON Transfer BEGIN %1 END")
            .arg(transfer(-1, oldRow)),
        QStringLiteral("CREATE TRIGGER Transfer_Month_Update AFTER UPDATE OF SourceID, DestID, Date, Amount"
                       " ON Transfer BEGIN %1 %2 END")
            .arg(transfer(-1, oldRow), transfer(1, newRow)),
        // The bookings already there.
        QStringLiteral("INSERT INTO MonthTotal SELECT %1, DestID, type, 0, sum(Amount), count(*) FROM Detail"
                       " GROUP BY 1, 2, 3")
            .arg(monthOf("Date")),
        QStringLiteral("INSERT INTO MonthTotal SELECT %1, SourceID, 2, DestID, sum(Amount), count(*) FROM Transfer"
                       " GROUP BY 1, 2, 4")
            .arg(monthOf("Date")),
        QStringLiteral("INSERT INTO ReportText (Text) SELECT coalesce(\"For\", '') FROM Detail"
                       " UNION SELECT coalesce(\"From\", '') FROM Detail"),
        QStringLiteral("INSERT INTO MonthText SELECT 0, D.type, %1, D.DestID, T.ID, sum(D.Amount), count(*)"
                       " FROM Detail AS D JOIN ReportText AS T ON T.Text = coalesce(D.\"For\", '') GROUP BY 2, 3, 4, 5")
            .arg(monthOf("D.Date")),
        QStringLiteral(
            "INSERT INTO MonthText SELECT 1, D.type, %1, D.DestID, T.ID, sum(D.Amount), count(*)"
            " FROM Detail AS D JOIN ReportText AS T ON T.Text = coalesce(D.\"From\", '') GROUP BY 2, 3, 4, 5")
            .arg(monthOf("D.Date")),
        QStringLiteral(
            "INSERT INTO MonthText SELECT Field, Kind, Month / 100, HolderID, TextID, sum(Amount), sum(Count)"
            " FROM MonthText GROUP BY 1, 2, 3, 4, 5"),
    };
}

// Version 6: standing orders. StandingOrder holds each order (Kind 0 deposit, 1 debit, 2 transfer;
// HolderID the holder or a transfer's source; Unit 0 days, 1 weeks, 2 months, 3 years, Every of
// them from First, until Last or for Times occurrences; Weekend 0 keep, 1 the Friday before, 2 the
// Monday after; Since: the occurrences up to this day of the rhythm were settled before the order was
// last edited). OrderOccurrence records each occurrence booked (State 1, with its booking: Link 1 a
// Detail, 2 a Transfer) or skipped (State 2), keyed by the order and the occurrence's day of the
// rhythm, so none is ever booked twice. The index finds the occurrence a booking was made for.
QStringList version6()
{
    return {
        QStringLiteral("CREATE TABLE StandingOrder ("
                       " ID INTEGER PRIMARY KEY AUTOINCREMENT,"
                       " Kind INTEGER NOT NULL,"
                       " HolderID INTEGER NOT NULL,"
                       " DestID INTEGER NOT NULL DEFAULT 0,"
                       " Amount INTEGER NOT NULL,"
                       " [From] TEXT,"
                       " [For] TEXT,"
                       " Memo TEXT,"
                       " Unit INTEGER NOT NULL,"
                       " Every INTEGER NOT NULL,"
                       " First TEXT NOT NULL,"
                       " Last TEXT,"
                       " Times INTEGER NOT NULL DEFAULT 0,"
                       " Weekend INTEGER NOT NULL DEFAULT 0,"
                       " Varying INTEGER NOT NULL DEFAULT 0,"
                       " Automatic INTEGER NOT NULL DEFAULT 0,"
                       " Paused INTEGER NOT NULL DEFAULT 0,"
                       " Resumed TEXT,"
                       " Since TEXT)"),
        QStringLiteral("CREATE TABLE OrderOccurrence ("
                       " OrderID INTEGER NOT NULL,"
                       " Scheduled TEXT NOT NULL,"
                       " Date TEXT NOT NULL,"
                       " State INTEGER NOT NULL,"
                       " Amount INTEGER NOT NULL DEFAULT 0,"
                       " BookingID INTEGER NOT NULL DEFAULT 0,"
                       " Link INTEGER NOT NULL DEFAULT 0,"
                       " PRIMARY KEY (OrderID, Scheduled)) WITHOUT ROWID"),
        QStringLiteral("CREATE INDEX OrderOccurrence_Booking ON OrderOccurrence (BookingID, Link)"),
    };
}

// Steps[n] turns version n into version n + 1.
QStringList (*const Steps[])() = {version1, version2, version3, version4, version5, version6};
static_assert(std::size(Steps) == TSchema::Version);

void run(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw DbError(q.lastError().text());
}

// Runs the steps from version `from` to version `to` and records `to`, all in one transaction.
void runSteps(QSqlDatabase& db, int from, int to)
{
    if (!db.transaction())
        throw DbError(db.lastError().text());
    try {
        for (int step = from; step < to; ++step) {
            for (const QString& statement : Steps[step]())
                run(db, statement);
        }
        run(db, QStringLiteral("PRAGMA user_version = %1").arg(to));
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit())
        throw DbError(db.lastError().text());
}

} // namespace

void TSchema::create(QSqlDatabase& db, int version)
{
    runSteps(db, 0, version);
}

int TSchema::upgrade(QSqlDatabase& db)
{
    const int found = TSchema::version(db);
    if (found >= 1 && found < Version)
        runSteps(db, found, Version);
    return found;
}

int TSchema::version(QSqlDatabase& db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        throw DbError(q.lastError().text());
    return q.value(0).toInt();
}
