#include "reports/TReportData.h"

#include "data/DbError.h"
#include "data/TDM.h"
#include "reports/TReportPeriod.h"

#include <sqlite3.h>

#include <QDate>

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace {

struct StatementDeleter
{
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};

// One statement on the connection of the calling thread's data module, its values bound as whole
// numbers.
class Statement
{
public:
    Statement(const QByteArray& sql, const QList<qint64>& values)
        : m_db(TDM::current().handle())
    {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &raw, nullptr) != SQLITE_OK)
            throw error();
        m_stmt.reset(raw);
        int index = 0;
        for (const qint64 value : values) {
            if (sqlite3_bind_int64(raw, ++index, value) != SQLITE_OK)
                throw error();
        }
    }
    // Moves to the next row; false after the last.
    bool next()
    {
        const int rc = sqlite3_step(m_stmt.get());
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            throw error();
        return false;
    }
    qint64 number(int column) const { return sqlite3_column_int64(m_stmt.get(), column); }
    bool isNull(int column) const { return sqlite3_column_type(m_stmt.get(), column) == SQLITE_NULL; }
    QString text(int column) const
    {
        const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt.get(), column));
        return QString::fromUtf8(utf8, sqlite3_column_bytes(m_stmt.get(), column));
    }

private:
    DbError error() const { return DbError(QString::fromUtf8(sqlite3_errmsg(m_db))); }

    sqlite3* m_db;
    std::unique_ptr<sqlite3_stmt, StatementDeleter> m_stmt;
};

} // namespace

std::vector<TReportData::Total> TReportData::totals(int first, int last)
{
    Statement q("SELECT Month, HolderID, Kind, OtherID, Amount, Count FROM MonthTotal WHERE Month BETWEEN ? AND ?",
                {TReportPeriod::toFileMonth(first), TReportPeriod::toFileMonth(last)});
    std::vector<Total> rows;
    while (q.next()) {
        rows.push_back({TReportPeriod::fromFileMonth(int(q.number(0))), qint32(q.number(1)), int(q.number(2)),
                        qint32(q.number(3)), Currency::fromRaw(q.number(4)), q.number(5)});
    }
    return rows;
}

std::vector<TReportData::TextTotal> TReportData::textTotals(TextField field, int kind, int first, int last,
                                                            const QList<qint32>& holders)
{
    // The period as runs of the key: the months of a year it covers in part, and the years it
    // covers whole, each read from its year's row.
    QList<std::pair<int, int>> runs;
    for (int month = first; month <= last;) {
        const int january = TReportPeriod::monthOf(QDate(TReportPeriod::firstDayOf(month).year(), 1, 1));
        if (const int years = (last - january + 1) / 12; month == january && years > 0) {
            const int year = TReportPeriod::firstDayOf(month).year();
            runs.append({year, year + years - 1});
            month = january + 12 * years;
        } else {
            const int end = std::min(january + 11, last);
            runs.append({TReportPeriod::toFileMonth(month), TReportPeriod::toFileMonth(end)});
            month = end + 1;
        }
    }

    QByteArray sql = "SELECT HolderID, TextID, Amount, Count FROM MonthText"
                     " WHERE Field = ? AND Kind = ? AND Month BETWEEN ? AND ?";
    if (!holders.isEmpty()) {
        sql += " AND HolderID IN (?";
        sql += QByteArray(",?").repeated(holders.size() - 1);
        sql += ')';
    }
    // The rows of a run come holder by holder (the order of the key), each holder's months in turn;
    // they are summed by text here, in a table by text number, which costs far less than the
    // engine's grouping.
    std::vector<TextTotal> sums;
    std::vector<qsizetype> slot;               // by text number: the current holder's sum in `sums`, or -1
    std::vector<qint32> used;                  // the text numbers the current holder has a sum of
    std::unordered_map<qint32, qsizetype> far; // numbers too far out for the table
    constexpr qint32 TableSize = 1 << 22;
    for (const auto& [from, to] : runs) {
        QList<qint64> values{static_cast<int>(field), kind, from, to};
        for (const qint32 id : holders)
            values << id;
        Statement q(sql, values);
        bool started = false;
        qint32 holder = 0;
        while (q.next()) {
            if (!started || qint32(q.number(0)) != holder) {
                for (const qint32 text : used)
                    slot[std::size_t(text)] = -1;
                used.clear();
                far.clear();
                holder = qint32(q.number(0));
                started = true;
            }
            const qint32 text = qint32(q.number(1));
            qsizetype* at = nullptr;
            if (text >= 0 && text < TableSize) {
                if (std::size_t(text) >= slot.size())
                    slot.resize(std::size_t(text) + 1, -1);
                at = &slot[std::size_t(text)];
                if (*at < 0)
                    used.push_back(text);
            } else {
                at = &far.try_emplace(text, -1).first->second;
            }
            if (*at < 0) {
                *at = qsizetype(sums.size());
                sums.push_back({holder, text, {}, 0});
            }
            TextTotal& sum = sums[std::size_t(*at)];
            sum.amount += Currency::fromRaw(q.number(2));
            sum.count += q.number(3);
        }
        for (const qint32 text : used)
            slot[std::size_t(text)] = -1;
        used.clear();
        far.clear();
    }
    return sums;
}

std::vector<QString> TReportData::texts()
{
    Statement q("SELECT ID, Text FROM ReportText ORDER BY ID", {});
    std::vector<QString> texts;
    while (q.next()) {
        const qint64 id = q.number(0);
        // Numbers are given from 1 up, one per text.
        if (id < 0 || id > 4 * qint64(texts.size()) + 1024)
            continue;
        if (std::size_t(id) >= texts.size())
            texts.resize(std::size_t(id) + 1);
        texts[std::size_t(id)] = q.text(1);
    }
    return texts;
}

std::optional<std::pair<int, int>> TReportData::bookedMonths()
{
    Statement q("SELECT min(Month), max(Month) FROM MonthTotal", {});
    if (!q.next() || q.isNull(0))
        return std::nullopt;
    return std::pair(TReportPeriod::fromFileMonth(int(q.number(0))), TReportPeriod::fromFileMonth(int(q.number(1))));
}
