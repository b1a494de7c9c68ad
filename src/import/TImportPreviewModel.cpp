#include "import/TImportPreviewModel.h"

#include <QBrush>
#include <QColor>
#include <QLocale>

#include <algorithm>

namespace {

QString money(const std::optional<Currency>& value)
{
    return value ? value->toMoneyString() : QStringLiteral("(out of range)");
}

} // namespace

TImportPreviewModel::TImportPreviewModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

TImportPreviewModel::~TImportPreviewModel() = default;

void TImportPreviewModel::setPreview(std::unique_ptr<TImportPreview> preview)
{
    beginResetModel();
    m_preview = std::move(preview);
    m_order.clear();
    if (m_preview) {
        const TStatement& st = m_preview->statement();
        // Both lists are in the file's order already: merge them by line.
        m_order.reserve(st.rows.size() + st.problems.size());
        qsizetype r = 0, p = 0;
        while (r < st.rows.size() || p < st.problems.size()) {
            const bool problemFirst =
                p < st.problems.size() && (r == st.rows.size() || st.problems.at(p).line < st.rows.at(r).line);
            if (problemFirst)
                m_order.append(-static_cast<int>(++p));
            else
                m_order.append(static_cast<int>(r++));
        }
    }
    endResetModel();
    emit ticksChanged();
}

int TImportPreviewModel::transactionAt(int row) const
{
    const int entry = m_order.value(row, -1);
    return entry >= 0 ? entry : -1;
}

int TImportPreviewModel::problemCount() const
{
    return m_preview ? static_cast<int>(m_preview->statement().problems.size()) : 0;
}

void TImportPreviewModel::ticksChangedIn(int firstRow, int lastRow)
{
    if (firstRow > lastRow)
        return;
    emit dataChanged(index(firstRow, 0), index(lastRow, ColumnCount - 1));
    emit ticksChanged();
}

void TImportPreviewModel::setTicked(const QList<int>& rows, bool ticked)
{
    int first = rowCount(), last = -1;
    for (int row : rows) {
        const int i = transactionAt(row);
        if (i < 0 || m_preview->isTicked(i) == ticked)
            continue;
        m_preview->setTicked(i, ticked);
        first = std::min(first, row);
        last = std::max(last, row);
    }
    ticksChangedIn(first, last);
}

void TImportPreviewModel::tickNewOnly()
{
    if (!m_preview)
        return;
    for (int i = 0; i < m_preview->rowCount(); ++i)
        m_preview->setTicked(i, !m_preview->isImported(i));
    ticksChangedIn(0, rowCount() - 1);
}

QString TImportPreviewModel::dateText(const QDate& date)
{
    return QLocale().toString(date, QStringLiteral("d MMM yyyy"));
}

QString TImportPreviewModel::rowsText(qint64 count)
{
    return QLocale().toString(count) + (count == 1 ? QStringLiteral(" row") : QStringLiteral(" rows"));
}

QString TImportPreviewModel::totalsText() const
{
    if (!m_preview)
        return QString();
    return QStringLiteral("%1 of %2 ticked: deposits %3, debits %4, together %5.")
        .arg(QLocale().toString(m_preview->tickedCount()), rowsText(m_preview->rowCount()),
             money(m_preview->deposits()), money(m_preview->debits()), money(m_preview->net()));
}

QString TImportPreviewModel::balanceText(const QString& holderName, Currency balance) const
{
    if (!m_preview)
        return QString();
    return QStringLiteral("Balance of %1: %2 now, %3 after the import.")
        .arg(holderName, balance.toMoneyString(), money(m_preview->balanceAfter(balance)));
}

int TImportPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int TImportPreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TImportPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_order.size())
        return {};
    const int entry = m_order.at(index.row());
    if (entry >= 0)
        return transactionData(entry, index.column(), role);
    return problemData(m_preview->statement().problems.at(-entry - 1), index.column(), role);
}

QVariant TImportPreviewModel::transactionData(int i, int column, int role) const
{
    const TImportRow& r = m_preview->row(i);
    const bool imported = m_preview->isImported(i);
    switch (role) {
    case Qt::CheckStateRole:
        if (column == Tick)
            return m_preview->isTicked(i) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::AccessibleTextRole:
        if (column == Tick)
            return m_preview->isTicked(i) ? QStringLiteral("Book") : QStringLiteral("Do not book");
        return transactionData(i, column, Qt::DisplayRole).toString();
    case Qt::DisplayRole:
        switch (column) {
        case Line:
            return r.line;
        case Date:
            return dateText(r.date);
        case Amount:
            return r.amount.toMoneyString();
        case From:
            return r.from;
        case For:
            return r.forText;
        case Memo:
            return r.memo;
        case Status:
            return imported ? QStringLiteral("Imported before") : QStringLiteral("New");
        default:
            return {};
        }
    case Qt::TextAlignmentRole:
        if (column == Amount || column == Line)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::ForegroundRole:
        if (imported)
            return QBrush(QColor(Qt::darkGray));
        return {};
    default:
        return {};
    }
}

QVariant TImportPreviewModel::problemData(const TImportProblem& p, int column, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        if (column == Line)
            return p.line > 0 ? QVariant(p.line) : QVariant();
        if (column == Status)
            return QStringLiteral("Not read");
        if (column == From)
            return p.reason;
        if (column == For)
            return p.text.simplified();
        return {};
    case Qt::ToolTipRole:
        return p.text.isEmpty() ? p.reason : p.reason + u'\n' + p.text;
    case Qt::TextAlignmentRole:
        if (column == Line)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::ForegroundRole:
        return QBrush(QColor(0x9c, 0x00, 0x06));
    case Qt::BackgroundRole:
        return QBrush(QColor(0xff, 0xe4, 0xe1));
    default:
        return {};
    }
}

bool TImportPreviewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const int i = transactionAt(index.row());
    if (role != Qt::CheckStateRole || index.column() != Tick || i < 0)
        return false;
    setTicked({index.row()}, value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags TImportPreviewModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == Tick && transactionAt(index.row()) >= 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant TImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titles[] = {"Book", "Line", "Date", "Amount", "Status", "From", "For", "Memo"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QVariant();
}
