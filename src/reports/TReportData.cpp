#include "reports/TReportData.h"

#include "data/DbError.h"
#include "data/TDM.h"
#include "reports/TReportPeriod.h"

#include <sqlite3.h>

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
    Statement(const char* sql, std::initializer_list<qint64> values)
        : m_db(TDM::current().handle())
    {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &raw, nullptr) != SQLITE_OK)
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

std::vector<TReportData::TextTotal> TReportData::textTotals(TextField field, int kind, int first, int last)
{
    // The rows come in the order of the key (month, holder, text); they are summed over the months
    // here, by holder and text, which costs less than the engine's grouping.
    Statement q("SELECT HolderID, TextID, Amount, Count FROM MonthText"
                " WHERE Field = ? AND Kind = ? AND Month BETWEEN ? AND ?",
                {static_cast<int>(field), kind, TReportPeriod::toFileMonth(first), TReportPeriod::toFileMonth(last)});
    std::vector<TextTotal> sums;
    std::unordered_map<quint64, std::size_t> at;
    while (q.next()) {
        const qint32 holder = qint32(q.number(0));
        const qint32 text = qint32(q.number(1));
        const quint64 key = quint64(quint32(holder)) << 32 | quint32(text);
        const auto [it, added] = at.try_emplace(key, sums.size());
        if (added)
            sums.push_back({holder, text, {}, 0});
        TextTotal& sum = sums[it->second];
        sum.amount += Currency::fromRaw(q.number(2));
        sum.count += q.number(3);
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
