#include "toolkit/TGridModel.h"

#include "data/TDateText.h"

#include <QBrush>
#include <QCollator>
#include <QColor>
#include <QFont>

#include <algorithm>
#include <numeric>
#include <optional>
#include <stdexcept>

TGridModel::TGridModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

void TGridModel::setLayout(const TGridOptions& options, const QList<TGridColumn>& columns)
{
    beginResetModel();
    m_options = options;
    m_columns = columns;
    m_markers = QList<SortMarker>(columns.size(), SortMarker::None);
    m_order.clear();
    bindFields();
    computeFooters();
    endResetModel();
}

void TGridModel::setRows(TRowSet rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_order.clear();
    m_markers = QList<SortMarker>(m_columns.size(), SortMarker::None);
    m_dateTexts.clear();
    bindFields();
    try {
        computeFooters();
    } catch (...) {
        m_rows = TRowSet();
        bindFields();
        computeFooters();
        endResetModel();
        throw;
    }
    endResetModel();
}

void TGridModel::setSystemColors(const TGridColor::System& colors)
{
    m_system = colors;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TGridModel::setColumnWidth(int column, int width)
{
    if (column >= 0 && column < m_columns.size())
        m_columns[column].width = width;
}

void TGridModel::bindFields()
{
    m_fields.clear();
    for (const TGridColumn& c : m_columns)
        m_fields << (c.field.isEmpty() ? -1 : m_rows.indexOf(c.field));
}

void TGridModel::computeFooters()
{
    m_footers.clear();
    for (int c = 0; c < m_columns.size(); ++c) {
        const TGridColumn& column = m_columns[c];
        FooterValue value;
        value.kind = column.footer;
        value.count = m_rows.rowCount();
        value.text = column.footerText;
        if (column.footer == TGridColumn::Footer::Sum) {
            const int f = column.footerField.isEmpty() ? field(c) : m_rows.indexOf(column.footerField);
            if (f >= 0 && TRowSet::isNumeric(m_rows.kind(f))) {
                const bool units = m_rows.kind(f) == TRowSet::Kind::Integer;
                for (int r = 0; r < m_rows.rowCount(); ++r) {
                    if (m_rows.isNull(r, f))
                        continue;
                    std::optional<Currency> next;
                    if (!units)
                        next = value.sum.checkedAdd(m_rows.money(r, f));
                    else if (qint64 raw = 0; !__builtin_mul_overflow(m_rows.number(r, f), Currency::Scale, &raw))
                        next = value.sum.checkedAdd(Currency::fromRaw(raw));
                    if (!next)
                        throw std::overflow_error(
                            tr("The sum of %1 is too large.").arg(m_rows.columnName(f)).toStdString());
                    value.sum = *next;
                }
            }
        }
        m_footers << value;
    }
}

QString TGridModel::title(int column) const
{
    const TGridColumn& c = m_columns[column];
    if (!c.title.isEmpty())
        return c.title;
    const int f = field(column);
    return f >= 0 ? m_rows.columnName(f) : c.field;
}

Qt::Alignment TGridModel::alignment(int column) const
{
    const TGridColumn& c = m_columns[column];
    if (c.alignment)
        return *c.alignment;
    const int f = field(column);
    return f >= 0 && TRowSet::isNumeric(m_rows.kind(f)) ? Qt::AlignRight : Qt::AlignLeft;
}

Qt::Alignment TGridModel::footerAlignment(int column) const
{
    const TGridColumn& c = m_columns[column];
    return c.footerAlignment ? *c.footerAlignment : alignment(column);
}

const TGridFont& TGridModel::font(int column) const
{
    const TGridColumn& c = m_columns[column];
    return c.font ? *c.font : m_options.font;
}

QRgb TGridModel::background(int position, int column) const
{
    const TGridColumn& c = m_columns[column];
    if (!c.color.isNone())
        return c.color.resolve(m_system);
    if (!m_options.oddRowColor.isNone() && position % 2 == 1)
        return m_options.oddRowColor.resolve(m_system);
    return m_options.color.resolve(m_system);
}

bool TGridModel::titleClick(int column)
{
    if (column < 0 || column >= m_columns.size() || !m_columns[column].titleButton || field(column) < 0)
        return false;
    SortMarker& marker = m_markers[column];
    marker = marker == SortMarker::None ? SortMarker::Up
             : marker == SortMarker::Up ? SortMarker::Down
                                        : SortMarker::None;

    // The selection and the current row stay with their rows.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList persistent = persistentIndexList();
    QList<int> sources;
    for (const QModelIndex& i : persistent)
        sources << sourceRow(i.row());
    if (marker == SortMarker::None)
        m_order.clear();
    else
        applyOrder(field(column), marker == SortMarker::Down);
    if (!persistent.isEmpty()) {
        std::vector<int> positionOf(m_rows.rowCount());
        for (int p = 0; p < m_rows.rowCount(); ++p)
            positionOf[sourceRow(p)] = p;
        QModelIndexList moved;
        for (int i = 0; i < persistent.size(); ++i)
            moved << index(positionOf[sources[i]], persistent[i].column());
        changePersistentIndexList(persistent, moved);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    emit headerDataChanged(Qt::Horizontal, column, column);
    return true;
}

void TGridModel::applyOrder(int f, bool descending)
{
    const int n = m_rows.rowCount();
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    auto sortBy = [&](auto less) {
        if (descending)
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return less(b, a); });
        else
            std::stable_sort(order.begin(), order.end(), less);
    };
    // Cells without a value come first in ascending order.
    if (m_rows.kind(f) == TRowSet::Kind::Text) {
        QCollator collator{QLocale()};
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::vector<QCollatorSortKey> keys;
        keys.reserve(n);
        for (int r = 0; r < n; ++r)
            keys.push_back(collator.sortKey(m_rows.text(r, f)));
        sortBy([&](int a, int b) {
            const bool na = m_rows.isNull(a, f);
            const bool nb = m_rows.isNull(b, f);
            if (na || nb)
                return na && !nb;
            return keys[a].compare(keys[b]) < 0;
        });
    } else {
        sortBy([&](int a, int b) {
            const bool na = m_rows.isNull(a, f);
            const bool nb = m_rows.isNull(b, f);
            if (na || nb)
                return na && !nb;
            return m_rows.number(a, f) < m_rows.number(b, f);
        });
    }
    m_order = std::move(order);
}

QByteArrayView TGridModel::dateText(qint64 julianDay) const
{
    const QLocale locale;
    if (!(locale == m_dateLocale)) {
        m_dateTexts.clear();
        m_dateLocale = locale;
    }
    auto it = m_dateTexts.find(julianDay);
    if (it == m_dateTexts.end())
        it = m_dateTexts.insert(julianDay, TDateText::shortDate(QDate::fromJulianDay(julianDay), locale).toUtf8());
    return *it;
}

QByteArrayView TGridModel::cellUtf8(int position, int column, QByteArray& scratch) const
{
    const int f = field(column);
    if (f < 0)
        return {};
    const int row = sourceRow(position);
    if (m_rows.isNull(row, f))
        return {};
    switch (m_rows.kind(f)) {
    case TRowSet::Kind::Text:
        return m_rows.utf8(row, f);
    case TRowSet::Kind::Integer:
        scratch = QByteArray::number(m_rows.number(row, f));
        return scratch;
    case TRowSet::Kind::Money:
        scratch = m_rows.money(row, f).toPlainString(QLocale()).toUtf8();
        return scratch;
    case TRowSet::Kind::Date:
        return dateText(m_rows.number(row, f));
    case TRowSet::Kind::DateTime: {
        // The date, and the time of day unless it is midnight.
        const QDateTime dt = m_rows.dateTime(row, f);
        scratch = dateText(dt.date().toJulianDay()).toByteArray();
        if (dt.time() != QTime(0, 0))
            scratch += ' ' + TDateText::longTime(dt.time()).toUtf8();
        return scratch;
    }
    }
    return {};
}

QString TGridModel::cellText(int position, int column) const
{
    QByteArray scratch;
    return QString::fromUtf8(cellUtf8(position, column, scratch));
}

QString TGridModel::footerText(int column) const
{
    const FooterValue v = footerValue(column);
    switch (v.kind) {
    case TGridColumn::Footer::None:
        return {};
    case TGridColumn::Footer::Sum: {
        const int decimals = m_columns[column].footerDecimals;
        return decimals >= 0 ? v.sum.toPlainString(QLocale(), decimals) : v.sum.toPlainString(QLocale());
    }
    case TGridColumn::Footer::Count:
        return QString::number(v.count);
    case TGridColumn::Footer::Text:
        return v.text;
    }
    return {};
}

QString TGridModel::footerRowText() const
{
    QStringList cells;
    for (int c = 0; c < columnCount(); ++c) {
        const QString text = footerText(c);
        if (text.isEmpty())
            continue;
        cells << (m_footers[c].kind == TGridColumn::Footer::Text ? text : title(c) + QStringLiteral(": ") + text);
    }
    return cells.join(QStringLiteral(", "));
}

QStringList TGridModel::formatSamples(int column) const
{
    const int f = field(column);
    if (f < 0)
        return {};
    const TRowSet::Kind kind = m_rows.kind(f);
    if (kind != TRowSet::Kind::Date && kind != TRowSet::Kind::DateTime)
        return {};
    // Every month and weekday name, every day number; a leap year, so 29 February too.
    const QLocale locale;
    const QDate first(2028, 1, 1);
    QStringList times;
    if (kind == TRowSet::Kind::DateTime) {
        for (const QTime& t : {QTime(10, 58, 58), QTime(22, 58, 58)})
            times << u' ' + TDateText::longTime(t, locale);
    } else {
        times << QString();
    }
    QStringList samples;
    for (QDate d = first; d.year() == first.year(); d = d.addDays(1)) {
        const QString date = TDateText::shortDate(d, locale);
        for (const QString& time : times)
            samples << date + time;
    }
    return samples;
}

int TGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.rowCount();
}

int TGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant TGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int position = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (m_columns[column].rowNumbers)
            return QString::number(position + 1);
        return cellText(position, column);
    case SortRole: {
        const int f = field(column);
        const int row = sourceRow(position);
        if (f < 0 || m_rows.isNull(row, f))
            return {};
        switch (m_rows.kind(f)) {
        case TRowSet::Kind::Integer:
        case TRowSet::Kind::Money:
            return QVariant::fromValue<qlonglong>(m_rows.number(row, f));
        case TRowSet::Kind::Date:
            return m_rows.date(row, f);
        case TRowSet::Kind::DateTime:
            return m_rows.dateTime(row, f);
        case TRowSet::Kind::Text:
            return m_rows.text(row, f);
        }
        return {};
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignment(column) | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return QBrush(QColor(background(position, column)));
    case Qt::ForegroundRole:
        return QBrush(QColor(font(column).color.resolve(m_system)));
    case Qt::FontRole:
        return font(column).toQFont();
    default:
        return {};
    }
}

QVariant TGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return title(section);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_columns[section].titleAlignment | Qt::AlignVCenter);
    case Qt::FontRole:
        return m_options.titleFont.toQFont();
    case Qt::ForegroundRole:
        return QBrush(QColor(m_options.titleFont.color.resolve(m_system)));
    default:
        return {};
    }
}

Qt::ItemFlags TGridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
