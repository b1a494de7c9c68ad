#include "data/TLedgerQuery.h"

#include "data/DbError.h"
#include "data/TDM.h"

#include <QSqlDriver>

#include <sqlite3.h>

#include <memory>
#include <stdexcept>

namespace {

const char* const ViewStatement =
    "SELECT A.id, A.AccID,"
    " CASE A.type WHEN 0 THEN 'Deposit' WHEN 1 THEN 'Debit' WHEN 2 THEN 'Trans Out' ELSE 'Trans In' END AS TypeName,"
    " A.type, A.date, substr(A.date, 1, 10) AS Date1, A.\"from\", A.Amount, A.\"for\", A.memo, B.name,"
    " B.type AS AccType"
    " FROM (SELECT ID AS id, DestID AS AccID, type, Date AS date, \"From\" AS \"from\", Amount, \"For\" AS \"for\","
    " Memo AS memo FROM Detail"
    " UNION ALL SELECT ID, SourceID, 2, Date, \"From\", Amount, \"For\", Memo FROM Transfer"
    " UNION ALL SELECT ID, DestID, 3, Date, \"From\", Amount, \"For\", Memo FROM Transfer) AS A,"
    " Account AS B WHERE A.AccID = B.ID";

const char* const OrderLine = " order by A.date";

struct StatementDeleter
{
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

// The engine's handle behind the data module's connection. The lists read through the C interface
// directly: a million rows arrive several times faster than through QSqlQuery's variants.
sqlite3* engineHandle()
{
    // Reports the data module's own open error, as every other statement does.
    return TDM::current().handle();
}

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

QByteArrayView columnText(sqlite3_stmt* stmt, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return QByteArrayView(text, sqlite3_column_bytes(stmt, column));
}

} // namespace

TLedgerQuery::TLedgerQuery()
{
    m_lines << QString::fromLatin1(ViewStatement);
}

QString TLedgerQuery::viewStatement()
{
    return QString::fromLatin1(ViewStatement);
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
    m_lines << QStringLiteral(" and A.date >= ? and A.date < ?");
    m_values << TDM::toDbDate(QDateTime(first, QTime(0, 0))) << TDM::toDbDate(QDateTime(last.addDays(1), QTime(0, 0)));
}

void TLedgerQuery::addHolder(qint32 holderId)
{
    m_lines << QStringLiteral(" and B.ID = ?");
    m_values << holderId;
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

void TLedgerQuery::addLike(const QString& line, const QString& text, int times)
{
    if (text.isEmpty())
        return;
    m_lines << line;
    for (int i = 0; i < times; ++i)
        m_values << text;
}

void TLedgerQuery::addText(const QString& text)
{
    addLike(QStringLiteral(" and (A.\"from\" like '%' || ? || '%' or A.\"for\" like '%' || ? || '%'"
                           " or A.memo like '%' || ? || '%')"),
            text, 3);
}

void TLedgerQuery::addFromText(const QString& text)
{
    addLike(QStringLiteral(" and A.\"from\" like '%' || ? || '%'"), text, 1);
}

void TLedgerQuery::addMemoText(const QString& text)
{
    addLike(QStringLiteral(" and A.memo like '%' || ? || '%'"), text, 1);
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

TRowSet TLedgerQuery::open() const
{
    sqlite3* db = engineHandle();
    const QByteArray sql = statement().toUtf8();
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &raw, nullptr) != SQLITE_OK)
        throw engineError(db);
    const Statement stmt(raw);
    for (int i = 0; i < m_values.size(); ++i)
        bind(db, raw, i + 1, m_values.at(i));

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
