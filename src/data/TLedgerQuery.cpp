#include "data/TLedgerQuery.h"

#include "data/DbError.h"
#include "data/TDM.h"
#include "data/TTextPattern.h"

#include <QCoreApplication>
#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <numeric>
#include <stdexcept>

namespace {

// The view: the columns, the three arms of the union (deposits and debits, transfers seen from their
// source, transfers seen from their destination) and the join to the holders.
const char* const ViewColumns =
    "SELECT A.id, A.AccID,"
    " A.type AS TypeName,"
    " A.type, A.date, substr(A.date, 1, 10) AS Date1, A.\"from\", A.Amount, A.\"for\", A.memo, B.name,"
    " B.type AS AccType";
const char* const DetailArm =
    " FROM (SELECT ID AS id, DestID AS AccID, type, Date AS date, \"From\" AS \"from\", Amount,"
    " \"For\" AS \"for\", Memo AS memo FROM Detail";
const char* const SourceArm = " UNION ALL SELECT ID, SourceID, 2, Date, \"From\", Amount, \"For\", Memo FROM Transfer";
const char* const DestArm = " UNION ALL SELECT ID, DestID, 3, Date, \"From\", Amount, \"For\", Memo FROM Transfer";
const char* const Join = ") AS A, Account AS B WHERE A.AccID = B.ID";
const char* const OrderLine = " order by A.date";

// The planned statement is the union of three statements, one per arm of the view (deposits and
// debits, transfers seen from their source, transfers seen from their destination), each with the
// view's join and all of the filter lines: every line is a condition on one row, so it selects the
// same rows of each arm as of the union. The engine then reads each table straight into the result,
// where the union in the FROM clause made it copy every row and every text once more. Each arm reads
// its table as A, from %4, with the columns of the view but TypeName and Date1, which are computed
// from type (the kind's name, in the user's language) and date while the rows are fetched. The columns are named by
// table, because an arm may join its table to the table's trigram index, which has the same text columns.
const char* const PlannedArm =
    "SELECT A.id, A.AccID, A.type, A.date, A.\"from\", A.Amount, A.\"for\", A.memo, B.name, B.type"
    " FROM (SELECT %1.ID AS id, %1.%2 AS AccID, %3 AS type, %1.Date AS date, %1.\"From\" AS \"from\","
    " %1.Amount AS Amount, %1.\"For\" AS \"for\", %1.Memo AS memo FROM %4) AS A"
    " CROSS JOIN Account AS B WHERE A.AccID = B.ID";
enum PlannedColumn
{
    PlannedId,
    PlannedAccID,
    PlannedType,
    PlannedDate,
    PlannedFrom,
    PlannedAmount,
    PlannedFor,
    PlannedMemo,
    PlannedName,
    PlannedAccType
};
constexpr qint64 SecondsPerDay = 86400;

// The names of the ledger kinds, by kind; any other kind is named as a transfer in.
const char* const KindNames[] = {
    QT_TRANSLATE_NOOP("TBookingKind", "Deposit"), QT_TRANSLATE_NOOP("TBookingKind", "Debit"),
    QT_TRANSLATE_NOOP("TBookingKind", "Trans Out"), QT_TRANSLATE_NOOP("TBookingKind", "Trans In")};

int kindIndex(qint64 kind)
{
    return kind >= 0 && kind <= 2 ? static_cast<int>(kind) : 3;
}

// The candidates of a table from its trigram index, in the order of their ids.
const char* const TextIndexSource = "%1_Text CROSS JOIN %1 NOT INDEXED ON %1.ID = %1_Text.rowid WHERE %1_Text MATCH ?";

// Reading a row through an index costs about this many rows read in table order.
constexpr qint64 IndexRowCost = 20;
// From this many rows in the index range on, a text search asks the trigram indexes first.
constexpr qint64 TextIndexFrom = 20000;

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
    return QCoreApplication::translate("TBookingKind", KindNames[kindIndex(ledgerKind)]);
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
        const std::optional<Currency> value = Currency::parse(text, locale, nullptr, Currency::Grouping::Accepted);
        if (!value)
            throw std::invalid_argument(QCoreApplication::translate("TLedgerQuery", "\"%1\" is not an amount of money.")
                                            .arg(text)
                                            .toStdString());
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

TLedgerQuery::Planned TLedgerQuery::plan(sqlite3* db, std::optional<Plan> force) const
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

    // The rows the holder and date indexes would visit, counted on the indexes alone and only as
    // far as it takes to decide: up to where the text index takes over, or else up to where reading
    // every row in table order costs less.
    const qint64 enough = textQueries.isEmpty() ? total / IndexRowCost + 1 : TextIndexFrom;
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
    Plan chosen = Plan::Indexes;
    if (!textQueries.isEmpty() && indexRows >= TextIndexFrom)
        chosen = Plan::TextIndex;
    else if (indexRows * IndexRowCost > total)
        chosen = Plan::Scan;
    if (force)
        chosen = *force == Plan::TextIndex && textQueries.isEmpty() ? Plan::Scan : *force;

    Planned planned;
    QVariantList textValues;
    QString detail = QStringLiteral("Detail");
    QString transfer = QStringLiteral("Transfer");
    planned.plan = chosen;
    if (chosen == Plan::TextIndex) {
        detail = QString::fromLatin1(TextIndexSource).arg(detail);
        transfer = QString::fromLatin1(TextIndexSource).arg(transfer);
        textValues << textQueries.join(QStringLiteral(" AND "));
    } else if (chosen == Plan::Scan) {
        detail += QStringLiteral(" NOT INDEXED");
        transfer += QStringLiteral(" NOT INDEXED");
    }
    const QString filters = QStringList(m_lines.mid(1)).join(u'\n');
    auto arm = [&](const char* table, const char* holder, const char* kind, const QString& source) {
        return QString::fromLatin1(PlannedArm)
                   .arg(QLatin1String(table), QLatin1String(holder), QLatin1String(kind), source) +
               u'\n' + filters;
    };
    planned.sql = QStringList{arm("Detail", "DestID", "Detail.type", detail),
                              arm("Transfer", "SourceID", "2", transfer), arm("Transfer", "DestID", "3", transfer)}
                      .join(QStringLiteral("\nUNION ALL\n"));
    for (int i = 0; i < 3; ++i)
        planned.values << textValues << m_values;
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

TRowSet TLedgerQuery::open(sqlite3* db, std::optional<Plan> force) const
{
    const Planned planned = plan(db, force);
    Statement stmt = prepare(db, planned.sql.toUtf8());
    sqlite3_stmt* raw = stmt.get();
    for (int i = 0; i < planned.values.size(); ++i)
        bind(db, raw, i + 1, planned.values.at(i));

    TRowSet rows = emptyRows();
    // The kinds are named in the user's language once per list, not once per row.
    QByteArray kindNames[std::size(KindNames)];
    for (int k = 0; k < int(std::size(KindNames)); ++k)
        kindNames[k] = typeName(k).toUtf8();
    // The order line's key of each row: the date as a number while every date has the stored form
    // (whose text order is its time order), else the texts themselves.
    std::vector<qint64> keys;
    bool storedForm = true;
    std::string dates;
    std::vector<std::size_t> dateEnds;
    auto number = [&rows, raw](int column, int from) {
        if (sqlite3_column_type(raw, from) != SQLITE_NULL)
            rows.setNumber(column, sqlite3_column_int64(raw, from));
    };
    auto text = [&rows, raw](int column, int from) {
        if (sqlite3_column_type(raw, from) != SQLITE_NULL)
            rows.setText(column, columnText(raw, from));
    };
    for (;;) {
        const int rc = sqlite3_step(raw);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            throw engineError(db);
        rows.appendRow();
        number(Id, PlannedId);
        number(AccID, PlannedAccID);
        number(Type, PlannedType);
        // TypeName, the kind's name, and Date1, the view's substr, computed here from type and date.
        rows.setText(
            TypeName,
            kindNames[kindIndex(
                sqlite3_column_type(raw, PlannedType) == SQLITE_NULL ? -1 : sqlite3_column_int64(raw, PlannedType))]);
        qint64 key = 0;
        bool parsed = false;
        if (sqlite3_column_type(raw, PlannedDate) != SQLITE_NULL) {
            const QByteArrayView date = columnText(raw, PlannedDate);
            dates.append(date.data(), date.size());
            parsed = TRowSet::parseDateTimeKey(date, key);
            if (parsed)
                rows.setNumber(Date, key);
            qint64 day = 0;
            if (date.size() == 19 && parsed)
                rows.setNumber(Date1, key / SecondsPerDay);
            else if (TRowSet::parseDateTimeKey(date.first(std::min<qsizetype>(date.size(), 10)), day))
                rows.setNumber(Date1, day / SecondsPerDay);
            storedForm = storedForm && parsed && date.size() == 19;
        } else {
            storedForm = false;
        }
        dateEnds.push_back(dates.size());
        keys.push_back(key);
        text(From, PlannedFrom);
        number(Amount, PlannedAmount);
        text(For, PlannedFor);
        text(Memo, PlannedMemo);
        text(Name, PlannedName);
        number(AccType, PlannedAccType);
    }

    // The planned statement has no order line: the rows come arm by arm and are put into date order
    // here, which costs far less than the engine's sorting of whole rows. Rows of the same date keep
    // the engine's order.
    std::vector<int> order(rows.rowCount());
    std::iota(order.begin(), order.end(), 0);
    if (storedForm) {
        std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) { return keys[a] < keys[b]; });
    } else {
        // A date without a value comes first, as in the engine's order.
        auto text = [&](int row) {
            const std::size_t start = row == 0 ? 0 : dateEnds[row - 1];
            return QByteArrayView(dates.data() + start, qsizetype(dateEnds[row] - start));
        };
        // The engine's BINARY order: bytes, then length.
        std::stable_sort(order.begin(), order.end(), [&text](int a, int b) {
            const QByteArrayView x = text(a);
            const QByteArrayView y = text(b);
            const int c = std::memcmp(x.data(), y.data(), std::min(x.size(), y.size()));
            return c != 0 ? c < 0 : x.size() < y.size();
        });
    }
    rows.reorder(order);
    return rows;
}
