#include "data/TRowSet.h"

#include <QCoreApplication>

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
        s.nulls.push_back(1);
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

void TRowSet::reorder(const std::vector<int>& order)
{
    if (order.size() != static_cast<std::size_t>(m_rows))
        throw std::invalid_argument("A new order of rows must name every row.");
    for (Store& s : m_columns) {
        std::vector<std::uint8_t> nulls(order.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            nulls[i] = s.nulls[order[i]];
        s.nulls = std::move(nulls);
        if (s.kind != Kind::Text) {
            std::vector<qint64> numbers(order.size());
            for (std::size_t i = 0; i < order.size(); ++i)
                numbers[i] = s.numbers[order[i]];
            s.numbers = std::move(numbers);
            continue;
        }
        std::string bytes;
        bytes.reserve(s.bytes.size());
        std::vector<std::uint32_t> ends(order.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            const int row = order[i];
            const std::uint32_t start = row == 0 ? 0 : s.ends[row - 1];
            bytes.append(s.bytes, start, s.ends[row] - start);
            ends[i] = static_cast<std::uint32_t>(bytes.size());
        }
        s.bytes = std::move(bytes);
        s.ends = std::move(ends);
    }
}

void TRowSet::setNumber(int column, qint64 value)
{
    Store& s = m_columns[column];
    s.numbers.back() = value;
    s.nulls.back() = 0;
}

void TRowSet::setText(int column, QByteArrayView utf8)
{
    Store& s = m_columns[column];
    if (static_cast<std::uint64_t>(s.bytes.size()) + utf8.size() > UINT32_MAX)
        throw std::length_error(
            QCoreApplication::translate("TRowSet", "The list holds more text than it can keep.").toStdString());
    s.bytes.append(utf8.data(), utf8.size());
    s.ends.back() = static_cast<std::uint32_t>(s.bytes.size());
    s.nulls.back() = 0;
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
            throw std::length_error(
                QCoreApplication::translate("TRowSet", "The list holds more text than it can keep.").toStdString());
        s.bytes.append(text.data(), text.size());
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
    return QByteArrayView(s.bytes.data() + begin, s.ends[row] - begin);
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
