#include "data/TRowSet.h"

#include <stdexcept>

namespace {

constexpr qint64 SecondsPerDay = 86400;

bool digits(QByteArrayView text, qsizetype at, int count, int& value)
{
    value = 0;
    for (int i = 0; i < count; ++i) {
        const char c = text[at + i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

} // namespace

TRowSet::TRowSet(const QList<Column>& columns)
{
    m_columns.reserve(columns.size());
    for (const Column& c : columns) {
        Store s;
        s.name = c.name;
        s.kind = c.kind;
        m_columns.push_back(std::move(s));
    }
}

int TRowSet::indexOf(QStringView name) const
{
    for (int i = 0; i < columnCount(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int TRowSet::appendRow()
{
    for (Store& s : m_columns) {
        if (s.kind == Kind::Text)
            s.ends.push_back(static_cast<std::uint32_t>(s.bytes.size()));
        else
            s.numbers.push_back(0);
        s.nulls.push_back(true);
    }
    return m_rows++;
}

void TRowSet::reserve(int rows)
{
    for (Store& s : m_columns) {
        if (s.kind == Kind::Text)
            s.ends.reserve(rows);
        else
            s.numbers.reserve(rows);
        s.nulls.reserve(rows);
    }
}

void TRowSet::setNumber(int column, qint64 value)
{
    Store& s = m_columns[column];
    s.numbers.back() = value;
    s.nulls.back() = false;
}

void TRowSet::setText(int column, QByteArrayView utf8)
{
    Store& s = m_columns[column];
    if (static_cast<std::uint64_t>(s.bytes.size()) + utf8.size() > UINT32_MAX)
        throw std::length_error("The list holds more text than it can keep.");
    s.bytes.append(utf8);
    s.ends.back() = static_cast<std::uint32_t>(s.bytes.size());
    s.nulls.back() = false;
}

int TRowSet::appendTextColumn(const QString& name, const std::function<QByteArrayView(int row)>& cell)
{
    Store s;
    s.name = name;
    s.kind = Kind::Text;
    s.ends.reserve(m_rows);
    s.nulls.reserve(m_rows);
    for (int row = 0; row < m_rows; ++row) {
        const QByteArrayView text = cell(row);
        if (static_cast<std::uint64_t>(s.bytes.size()) + text.size() > UINT32_MAX)
            throw std::length_error("The list holds more text than it can keep.");
        s.bytes.append(text);
        s.ends.push_back(static_cast<std::uint32_t>(s.bytes.size()));
        s.nulls.push_back(text.isNull());
    }
    m_columns.push_back(std::move(s));
    return columnCount() - 1;
}

QByteArrayView TRowSet::utf8(int row, int column) const
{
    const Store& s = m_columns[column];
    if (s.kind != Kind::Text)
        return {};
    const std::uint32_t begin = row == 0 ? 0 : s.ends[row - 1];
    return QByteArrayView(s.bytes.constData() + begin, s.ends[row] - begin);
}

QDate TRowSet::date(int row, int column) const
{
    if (isNull(row, column))
        return {};
    const qint64 n = number(row, column);
    return QDate::fromJulianDay(kind(column) == Kind::Date ? n : n / SecondsPerDay);
}

QDateTime TRowSet::dateTime(int row, int column) const
{
    if (isNull(row, column))
        return {};
    if (kind(column) == Kind::Date)
        return QDateTime(date(row, column), QTime(0, 0));
    return fromDateTimeKey(number(row, column));
}

qint64 TRowSet::dateTimeKey(const QDateTime& dt)
{
    return dt.date().toJulianDay() * SecondsPerDay + dt.time().msecsSinceStartOfDay() / 1000;
}

QDateTime TRowSet::fromDateTimeKey(qint64 key)
{
    const qint64 day = key >= 0 ? key / SecondsPerDay : (key - SecondsPerDay + 1) / SecondsPerDay;
    const int seconds = static_cast<int>(key - day * SecondsPerDay);
    return QDateTime(QDate::fromJulianDay(day), QTime(0, 0).addSecs(seconds));
}

bool TRowSet::parseDateTimeKey(QByteArrayView text, qint64& key)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    if (text.size() < 10 || !digits(text, 0, 4, y) || text[4] != '-' || !digits(text, 5, 2, mo) || text[7] != '-' ||
        !digits(text, 8, 2, d))
        return false;
    if (text.size() != 10) {
        if (text.size() != 19 || text[10] != ' ' || !digits(text, 11, 2, h) || text[13] != ':' ||
            !digits(text, 14, 2, mi) || text[16] != ':' || !digits(text, 17, 2, s))
            return false;
        if (h > 23 || mi > 59 || s > 59)
            return false;
    }
    const QDate date(y, mo, d);
    if (!date.isValid())
        return false;
    key = date.toJulianDay() * SecondsPerDay + h * 3600 + mi * 60 + s;
    return true;
}
