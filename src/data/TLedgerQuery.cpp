#include "data/TLedgerQuery.h"

#include "data/DbError.h"
#include "data/TDM.h"
#include "data/TTextPattern.h"

#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace {

// The view: the columns, the three arms of the union (deposits and debits, transfers seen from their
// source, transfers seen from their destination) and the join to the holders.
const char* const ViewColumns =
    "SELECT A.id, A.AccID,"
    " CASE A.type WHEN 0 THEN 'Deposit' WHEN 1 THEN 'Debit' WHEN 2 THEN 'Trans Out' ELSE 'Trans In' END AS TypeName,"
    " A.type, A.date, substr(A.date, 1, 10) AS Date1, A.\"from\", A.Amount, A.\"for\", A.memo, B.name,"
    " B.type AS AccType";
const char* const DetailArm =
    " FROM (SELECT ID AS id, DestID AS AccID, type, Date AS date, \"From\" AS \"from\", Amount,"
    " \"For\" AS \"for\", Memo AS memo FROM Detail";
const char* const SourceArm = " UNION ALL SELECT ID, SourceID, 2, Date, \"From\", Amount, \"For\", Memo FROM Transfer";
const char* const DestArm = " UNION ALL SELECT ID, DestID, 3, Date, \"From\", Amount, \"For\", Memo FROM Transfer";
const char* const Join = ") AS A, Account AS B WHERE A.AccID = B.ID";
// The same join with the bookings as the outer loop, so that the engine streams the union instead of
// copying it into a temporary table first.
const char* const PlannedJoin = ") AS A CROSS JOIN Account AS B WHERE A.AccID = B.ID";

// Reading a row through an index costs about this many rows read in table order.
constexpr qint64 IndexRowCost = 20;
// From this many rows in the index range on, a text search asks the trigram indexes first.
constexpr qint64 TextIndexFrom = 20000;

const char* const OrderLine = " order by A.date";

struct StatementDeleter
{
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

DbError engineError(sqlite3* db)
{
    return DbError(QString::fromUtf8(sqlite3_errmsg(db)));
}

void bind(sqlite3* db, sqlite3_stmt* stmt, int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        rc = sqlite3_bind_int64(stmt, index, value.toLongLong());
        break;
    default: {
        const QByteArray text = value.toString().toUtf8();
        rc = sqlite3_bind_text(stmt, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        break;
    }
    }
    if (rc != SQLITE_OK)
        throw engineError(db);
}

Statement prepare(sqlite3* db, const QByteArray& sql)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &raw, nullptr) != SQLITE_OK)
        throw engineError(db);
    return Statement(raw);
}

QByteArrayView columnText(sqlite3_stmt* stmt, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return QByteArrayView(text, sqlite3_column_bytes(stmt, column));
}

} // namespace

TLedgerQuery::TLedgerQuery()
{
    m_lines << viewStatement();
}

QString TLedgerQuery::viewStatement()
{
    return QLatin1String(ViewColumns) + QLatin1String(DetailArm) + QLatin1String(SourceArm) + QLatin1String(DestArm) +
           QLatin1String(Join);
}

TRowSet TLedgerQuery::emptyRows()
{
    using K = TRowSet::Kind;
    return TRowSet({{QStringLiteral("id"), K::Integer},
                    {QStringLiteral("AccID"), K::Integer},
                    {QStringLiteral("TypeName"), K::Text},
                    {QStringLiteral("type"), K::Integer},
                    {QStringLiteral("date"), K::DateTime},
                    {QStringLiteral("Date1"), K::Date},
                    {QStringLiteral("from"), K::Text},
                    {QStringLiteral("Amount"), K::Money},
                    {QStringLiteral("for"), K::Text},
                    {QStringLiteral("memo"), K::Text},
                    {QStringLiteral("name"), K::Text},
                    {QStringLiteral("AccType"), K::Integer}});
}

QString TLedgerQuery::typeName(int ledgerKind)
{
    switch (ledgerKind) {
    case 0:
        return QStringLiteral("Deposit");
    case 1:
        return QStringLiteral("Debit");
    case 2:
        return QStringLiteral("Trans Out");
    default:
        return QStringLiteral("Trans In");
    }
}

void TLedgerQuery::addDayRange(const QDate& first, const QDate& last)
{
    const QString from = TDM::toDbDate(QDateTime(first, QTime(0, 0)));
    const QString to = TDM::toDbDate(QDateTime(last.addDays(1), QTime(0, 0)));
    m_lines << QStringLiteral(" and A.date >= ? and A.date < ?");
    m_values << from << to;
    // Two ranges leave their overlap.
    if (m_days)
        m_days = std::pair(std::max(m_days->first, from), std::min(m_days->second, to));
    else
        m_days = std::pair(from, to);
}

void TLedgerQuery::addHolder(qint32 holderId)
{
    m_lines << QStringLiteral(" and B.ID = ?");
    m_values << holderId;
    m_holder = holderId;
}

void TLedgerQuery::addFamily(Family family)
{
    m_lines << (family == Family::Accounts ? QStringLiteral(" and B.type in (0, 1)")
                                           : QStringLiteral(" and B.type = 2"));
}

void TLedgerQuery::addKind(int ledgerKind)
{
    m_lines << QStringLiteral(" and A.type = ?");
    m_values << ledgerKind;
}

void TLedgerQuery::addLike(const QString& line, const QString& text, int times, const QString& textColumns)
{
    if (text.isEmpty())
        return;
    m_lines << line;
    for (int i = 0; i < times; ++i)
        m_values << text;
    m_texts << std::pair(u'%' + text + u'%', textColumns);
}

void TLedgerQuery::addText(const QString& text)
{
    addLike(QStringLiteral(" and (A.\"from\" like '%' || ? || '%' or A.\"for\" like '%' || ? || '%'"
                           " or A.memo like '%' || ? || '%')"),
            text, 3, QString());
}

void TLedgerQuery::addFromText(const QString& text)
{
    addLike(QStringLiteral(" and A.\"from\" like '%' || ? || '%'"), text, 1, QStringLiteral("From"));
}

void TLedgerQuery::addMemoText(const QString& text)
{
    addLike(QStringLiteral(" and A.memo like '%' || ? || '%'"), text, 1, QStringLiteral("Memo"));
}

void TLedgerQuery::addAmountRange(const std::optional<Currency>& min, const std::optional<Currency>& max)
{
    if (min && max) {
        m_lines << QStringLiteral(" and A.Amount between ? and ?");
        m_values << QVariant::fromValue<qlonglong>(min->raw()) << QVariant::fromValue<qlonglong>(max->raw());
    } else if (min) {
        m_lines << QStringLiteral(" and A.Amount > ?");
        m_values << QVariant::fromValue<qlonglong>(min->raw());
    } else if (max) {
        m_lines << QStringLiteral(" and A.Amount < ?");
        m_values << QVariant::fromValue<qlonglong>(max->raw());
    }
}

void TLedgerQuery::addAmountRange(const QString& minText, const QString& maxText, const QLocale& locale)
{
    auto amount = [&locale](const QString& text) -> std::optional<Currency> {
        if (text.trimmed().isEmpty())
            return std::nullopt;
        const std::optional<Currency> value = Currency::parse(text, locale);
        if (!value)
            throw std::invalid_argument(QStringLiteral("\"%1\" is not an amount of money.").arg(text).toStdString());
        return value;
    };
    const std::optional<Currency> min = amount(minText);
    const std::optional<Currency> max = amount(maxText);
    addAmountRange(min, max);
}

QString TLedgerQuery::statement() const
{
    return (QStringList(m_lines) << QString::fromLatin1(OrderLine)).join(u'\n');
}

TLedgerQuery::Planned TLedgerQuery::plan(sqlite3* db) const
{
    // The size of the tables, and whether the file has the trigram indexes.
    Statement sizes = prepare(db, "SELECT coalesce((SELECT max(ID) FROM Detail), 0),"
                                  " coalesce((SELECT max(ID) FROM Transfer), 0),"
                                  " (SELECT count(*) FROM sqlite_schema WHERE type = 'table'"
                                  " AND name IN ('Detail_Text', 'Transfer_Text'))");
    if (sqlite3_step(sizes.get()) != SQLITE_ROW)
        throw engineError(db);
    const qint64 total = sqlite3_column_int64(sizes.get(), 0) + 2 * sqlite3_column_int64(sizes.get(), 1);
    const bool textIndexes = sqlite3_column_int(sizes.get(), 2) == 2;

    // The rows the holder and date indexes would visit, counted on the indexes alone and only as
    // far as it takes to decide.
    const qint64 enough = std::max(TextIndexFrom, total / IndexRowCost + 1);
    auto count = [this](const char* table, const char* holder) {
        return QStringLiteral("(SELECT count(*) FROM (SELECT 1 FROM %1 WHERE %2Date >= ?1 AND Date < ?2 LIMIT ?3))")
            .arg(QLatin1String(table), m_holder ? QLatin1String(holder) + QStringLiteral(" = ?4 AND ") : QString());
    };
    Statement counted =
        prepare(db, QStringLiteral("SELECT %1 + %2 + %3")
                        .arg(count("Detail", "DestID"), count("Transfer", "SourceID"), count("Transfer", "DestID"))
                        .toUtf8());
    bind(db, counted.get(), 1, m_days ? m_days->first : QString());
    bind(db, counted.get(), 2, m_days ? m_days->second : QStringLiteral("~"));
    bind(db, counted.get(), 3, enough);
    if (m_holder)
        bind(db, counted.get(), 4, *m_holder);
    if (sqlite3_step(counted.get()) != SQLITE_ROW)
        throw engineError(db);
    const qint64 indexRows = sqlite3_column_int64(counted.get(), 0);

    QStringList textQueries;
    if (textIndexes) {
        for (const auto& [pattern, columns] : m_texts) {
            const QString query = TTextPattern(pattern).trigramQuery();
            if (query.isEmpty())
                continue;
            textQueries << (columns.isEmpty() ? u'(' + query + u')'
                                              : u'{' + columns + QStringLiteral("} : (") + query + u')');
        }
    }

    Planned planned;
    QString detail;
    QString transfer;
    if (!textQueries.isEmpty() && indexRows >= TextIndexFrom) {
        planned.plan = Plan::TextIndex;
        detail = QStringLiteral(" NOT INDEXED WHERE ID IN (SELECT rowid FROM Detail_Text WHERE Detail_Text MATCH ?)");
        transfer =
            QStringLiteral(" NOT INDEXED WHERE ID IN (SELECT rowid FROM Transfer_Text WHERE Transfer_Text MATCH ?)");
        const QString query = textQueries.join(QStringLiteral(" AND "));
        planned.values << query << query << query;
    } else if (indexRows * IndexRowCost > total) {
        planned.plan = Plan::Scan;
        detail = transfer = QStringLiteral(" NOT INDEXED");
    }
    QStringList lines(m_lines);
    lines[0] = QLatin1String(ViewColumns) + QLatin1String(DetailArm) + detail + QLatin1String(SourceArm) + transfer +
               QLatin1String(DestArm) + transfer + QLatin1String(PlannedJoin);
    planned.sql = (lines << QString::fromLatin1(OrderLine)).join(u'\n');
    planned.values << m_values;
    return planned;
}

void TLedgerQuery::check() const
{
    sqlite3* db = TDM::current().handle();
    prepare(db, statement().toUtf8());
}

TRowSet TLedgerQuery::open() const
{
    return open(TDM::current().handle());
}

TRowSet TLedgerQuery::open(sqlite3* db) const
{
    const Planned planned = plan(db);
    Statement stmt = prepare(db, planned.sql.toUtf8());
    sqlite3_stmt* raw = stmt.get();
    for (int i = 0; i < planned.values.size(); ++i)
        bind(db, raw, i + 1, planned.values.at(i));

    TRowSet rows = emptyRows();
    for (;;) {
        const int rc = sqlite3_step(raw);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            throw engineError(db);
        rows.appendRow();
        for (int c = 0; c < ColumnCount; ++c) {
            if (sqlite3_column_type(raw, c) == SQLITE_NULL)
                continue;
            switch (rows.kind(c)) {
            case TRowSet::Kind::Integer:
            case TRowSet::Kind::Money:
                rows.setNumber(c, sqlite3_column_int64(raw, c));
                break;
            case TRowSet::Kind::DateTime:
            case TRowSet::Kind::Date: {
                qint64 key = 0;
                if (TRowSet::parseDateTimeKey(columnText(raw, c), key))
                    rows.setNumber(c, rows.kind(c) == TRowSet::Kind::Date ? key / 86400 : key);
                break;
            }
            case TRowSet::Kind::Text:
                rows.setText(c, columnText(raw, c));
                break;
            }
        }
    }
    return rows;
}
