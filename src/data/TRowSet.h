#pragma once

#include "data/Currency.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A fetched query result, kept by column with raw values: integers and money as int64 (money in
// ten-thousandths), date-times as seconds from the start of the Julian day count (local wall time),
// dates as Julian day numbers, texts as UTF-8 in one buffer per column. Compact enough for a
// million rows, and the texts reach the export writers without conversion.
class TRowSet
{
public:
    enum class Kind
    {
        Integer,
        Money,
        DateTime,
        Date,
        Text
    };
    struct Column
    {
        QString name;
        Kind kind = Kind::Text;
    };

    TRowSet() = default;
    explicit TRowSet(const QList<Column>& columns);

    int columnCount() const { return static_cast<int>(m_columns.size()); }
    int rowCount() const { return m_rows; }
    const QString& columnName(int column) const { return m_columns[column].name; }
    Kind kind(int column) const { return m_columns[column].kind; }
    // The column of that name, compared without regard to case; -1 when there is none.
    int indexOf(QStringView name) const;
    static bool isNumeric(Kind kind) { return kind == Kind::Integer || kind == Kind::Money; }

    // Appends a row whose cells hold no value; the set calls below fill cells of the last row.
    int appendRow();
    void reserve(int rows);
    // Integer, Money (raw), DateTime (key) and Date (Julian day) cells.
    void setNumber(int column, qint64 value);
    // Text cells, from UTF-8; at most once per cell.
    void setText(int column, QByteArrayView utf8);
    // Puts the rows into a new order: row i becomes the row that was at order[i]. `order` holds
    // every row exactly once.
    void reorder(const std::vector<int>& order);
    // Adds a text column after the others, filled for every row at once: `cell(row)` gives the
    // row's text, or a null view for no value. Returns the new column's index.
    int appendTextColumn(const QString& name, const std::function<QByteArrayView(int row)>& cell);

    bool isNull(int row, int column) const { return m_columns[column].nulls[row]; }
    qint64 number(int row, int column) const { return m_columns[column].numbers[row]; }
    Currency money(int row, int column) const { return Currency::fromRaw(number(row, column)); }
    QDate date(int row, int column) const;
    QDateTime dateTime(int row, int column) const;
    QByteArrayView utf8(int row, int column) const;
    QString text(int row, int column) const { return QString::fromUtf8(utf8(row, column)); }

    // Date-time keys: whole seconds of local wall time, ordered as the moments they name.
    static qint64 dateTimeKey(const QDateTime& dt);
    static QDateTime fromDateTimeKey(qint64 key);
    // Reads "yyyy-MM-dd HH:mm:ss" or "yyyy-MM-dd" into a key; false when the text is neither.
    static bool parseDateTimeKey(QByteArrayView text, qint64& key);

private:
    struct Store
    {
        QString name;
        Kind kind = Kind::Text;
        std::vector<qint64> numbers;     // numeric and date kinds
        std::vector<std::uint32_t> ends; // text kind: end of each cell's bytes in `bytes`
        std::string bytes;               // text kind: the cells' UTF-8, one after the other
        std::vector<std::uint8_t> nulls; // 1 for a cell without a value
    };
    std::vector<Store> m_columns;
    int m_rows = 0;
};
