#pragma once

#include "data/Currency.h"
#include "orders/TOccurrence.h"
#include "orders/TStandingOrder.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

// The rows of the due bookings: one occurrence each, ticked to be booked, its amount editable (a bill
// that varies). Texts are made when a row is shown, so a list of thousands is ready at once.
class TDueModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        ColDate,
        ColFor,
        ColHolders,
        ColAmount,
        ColumnCount
    };

    explicit TDueModel(QObject* parent = nullptr);

    // The occurrences, oldest first, and the orders they belong to.
    void setRows(const QList<TOccurrence>& occurrences, const QList<TStandingOrder>& orders);

    const TOccurrence& occurrence(int row) const { return m_rows[row].occurrence; }
    const TStandingOrder& order(int row) const;
    bool isTicked(int row) const { return m_rows[row].ticked; }
    // The amount as typed into the row (its order's amount until then).
    QString amountText(int row) const;
    // Takes the rows `rows` out of the list.
    void removeRowsAt(QList<int> rows);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Row
    {
        TOccurrence occurrence;
        bool ticked = true;
        QString typed; // the amount typed; null until the user types one
    };
    QList<Row> m_rows;
    QHash<qint32, TStandingOrder> m_orders;
    TStandingOrder m_none;
};
