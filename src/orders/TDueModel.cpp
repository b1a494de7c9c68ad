#include "orders/TDueModel.h"

#include "data/TDateText.h"
#include "orders/TOrderStore.h"
#include "orders/TOrderTexts.h"

#include <algorithm>

TDueModel::TDueModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

void TDueModel::setRows(const QList<TOccurrence>& occurrences, const QList<TStandingOrder>& orders)
{
    beginResetModel();
    m_orders.clear();
    for (const TStandingOrder& order : orders)
        m_orders.insert(order.ID, order);
    m_rows.clear();
    m_rows.reserve(occurrences.size());
    for (const TOccurrence& occurrence : occurrences)
        m_rows.append({occurrence, true, QString()});
    endResetModel();
}

const TStandingOrder& TDueModel::order(int row) const
{
    const auto found = m_orders.constFind(m_rows[row].occurrence.order);
    return found == m_orders.constEnd() ? m_none : *found;
}

QString TDueModel::amountText(int row) const
{
    const Row& r = m_rows[row];
    return r.typed.isNull() ? r.occurrence.amount.toPlainString() : r.typed;
}

void TDueModel::removeRowsAt(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows) {
        beginRemoveRows({}, row, row);
        m_rows.removeAt(row);
        endRemoveRows();
    }
}

int TDueModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TDueModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TDueModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Row& r = m_rows[index.row()];
    if (role == Qt::CheckStateRole && index.column() == ColDate)
        return r.ticked ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole && index.column() == ColAmount)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case ColDate:
        return TDateText::shortDate(r.occurrence.date);
    case ColFor:
        return TOrderStore::label(order(index.row()), r.occurrence.scheduled);
    case ColHolders:
        return TOrderTexts::holders(order(index.row()));
    case ColAmount:
        return amountText(index.row());
    default:
        return {};
    }
}

bool TDueModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid())
        return false;
    Row& r = m_rows[index.row()];
    if (role == Qt::CheckStateRole && index.column() == ColDate) {
        r.ticked = value.toInt() == Qt::Checked;
    } else if (role == Qt::EditRole && index.column() == ColAmount) {
        r.typed = value.toString();
    } else {
        return false;
    }
    emit dataChanged(index, index, {role, Qt::DisplayRole});
    return true;
}

QVariant TDueModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ColDate:
        return tr("Date");
    case ColFor:
        return tr("For");
    case ColHolders:
        return tr("Acc/Wal");
    case ColAmount:
        return tr("Amount");
    default:
        return {};
    }
}

Qt::ItemFlags TDueModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == ColDate)
        f |= Qt::ItemIsUserCheckable;
    if (index.column() == ColAmount)
        f |= Qt::ItemIsEditable;
    return f;
}
