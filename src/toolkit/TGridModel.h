#pragma once

#include "data/Currency.h"
#include "data/TRowSet.h"
#include "toolkit/TGridColumn.h"
#include "toolkit/TGridOptions.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QLocale>

#include <vector>

// The model behind a data grid: fetched rows, the grid's column descriptors, the current order
// (the statement's, or sorted by a title click), and the footer values. Sorting works on the
// fetched rows with their raw values (money as money, dates as dates); sums are exact.
class TGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class SortMarker
    {
        None,
        Up,
        Down
    };
    // The raw value of a cell: qlonglong for integers and money (ten-thousandths), QDate or
    // QDateTime for dates, QString for texts; no value for an empty cell.
    static constexpr int SortRole = Qt::UserRole + 1;

    struct FooterValue
    {
        TGridColumn::Footer kind = TGridColumn::Footer::None;
        Currency sum;
        qint64 count = 0;
        QString text;
    };

    explicit TGridModel(QObject* parent = nullptr);

    void setLayout(const TGridOptions& options, const QList<TGridColumn>& columns);
    // Shows a new result in the statement's order; the sort markers are cleared. Throws
    // std::overflow_error when a sum leaves the range of money.
    void setRows(TRowSet rows);
    void setSystemColors(const TGridColor::System& colors);
    // The width of `column` as the grid shows it now (the user may have resized it): what the
    // exports and the printer take.
    void setColumnWidth(int column, int width);

    const TGridOptions& options() const { return m_options; }
    const QList<TGridColumn>& columns() const { return m_columns; }
    const TRowSet& rows() const { return m_rows; }
    const TGridColor::System& systemColors() const { return m_system; }

    // The result column that `column` shows; -1 when it has none.
    int field(int column) const { return m_fields.value(column, -1); }
    QString title(int column) const;
    Qt::Alignment alignment(int column) const;
    Qt::Alignment footerAlignment(int column) const;
    const TGridFont& font(int column) const;
    // The background of a data cell as drawn (with the odd-row colour), resolved now.
    QRgb background(int position, int column) const;

    // The row of the result shown at `position` in the current order.
    int sourceRow(int position) const { return m_order.empty() ? position : m_order[position]; }

    SortMarker sortMarker(int column) const { return m_markers.value(column, SortMarker::None); }
    // A click on the title of `column`: no marker -> ascending, ascending -> descending,
    // descending -> the statement's order. False, and nothing changes, when the column has no
    // title button or its field is not in the result.
    bool titleClick(int column);

    // The text a data cell shows, as UTF-8: a view of the result's own text, or of `scratch`.
    // Empty for a column without a field and for a cell without a value. Dates in the short date
    // format, money as a plain number in the locale's notation.
    QByteArrayView cellUtf8(int position, int column, QByteArray& scratch) const;
    QString cellText(int position, int column) const;

    FooterValue footerValue(int column) const { return m_footers.value(column); }
    QString footerText(int column) const;
    // The footer row as one line for assistive tools: each footer cell that shows something, a
    // fixed text as it is and a sum or count after its column's title ("SUM, Amount: 10").
    QString footerRowText() const;

    // Texts that stand for every text the format of `column` can show, so that the widest of them
    // is the widest cell: the dates of a whole year (with a time of day for date-times). Empty for
    // columns whose texts have no bound (numbers, texts) and before the result says the kind.
    QStringList formatSamples(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void bindFields();
    void computeFooters();
    void applyOrder(int field, bool descending);
    QByteArrayView dateText(qint64 julianDay) const;

    TGridOptions m_options;
    QList<TGridColumn> m_columns;
    TRowSet m_rows;
    TGridColor::System m_system;
    QList<int> m_fields;
    QList<SortMarker> m_markers;
    QList<FooterValue> m_footers;
    std::vector<int> m_order; // empty: the statement's order
    mutable QHash<qint64, QByteArray> m_dateTexts;
    mutable QLocale m_dateLocale;
};
