#include "toolkit/TDBGridView.h"

#include "toolkit/TDBGridFooter.h"
#include "toolkit/TDBGridHeader.h"
#include "toolkit/TGridModel.h"
#include "toolkit/TRowNumberDelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <utility>

namespace {

// The wait cursor for the span of a piece of work.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

void setUpTable(QTableView* view)
{
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The selection stays visible when the grid loses the focus.
    QPalette palette = view->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view->setPalette(palette);
}

} // namespace

TDBGridView::TDBGridView(QWidget* parent)
    : QTableView(parent)
    , m_model(new TGridModel(this))
    , m_footer(nullptr)
    , m_frozen(nullptr)
    , m_numbers(new TRowNumberDelegate(this))
{
    setHorizontalHeader(new TDBGridHeader(this));
    setUpTable(this);
    setModel(m_model);
    m_model->setSystemColors(systemColors());

    // The frozen columns: a second view over the same model and selection, laid over the left
    // part of this one and scrolled with it up and down but never sideways.
    m_frozen = new QTableView(this);
    m_frozen->setObjectName(QStringLiteral("frozen"));
    m_frozen->setHorizontalHeader(new TDBGridHeader(m_frozen));
    setUpTable(m_frozen);
    m_frozen->setModel(m_model);
    m_frozen->setSelectionModel(selectionModel());
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->setFrameShape(QFrame::NoFrame);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    viewport()->stackUnder(m_frozen);
    m_frozen->hide();

    m_footer = new TDBGridFooter(this);
    m_footer->hide();

    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &TDBGridView::headerClicked);
    connect(m_frozen->horizontalHeader(), &QHeaderView::sectionClicked, this, &TDBGridView::headerClicked);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &TDBGridView::sectionResized);
    connect(m_model, &QAbstractItemModel::modelReset, this, &TDBGridView::updateOverlays);
    connect(m_model, &QAbstractItemModel::modelReset, this, &TDBGridView::fitFormatWidths);
    connect(m_model, &QAbstractItemModel::layoutChanged, m_footer, qOverload<>(&QWidget::update));
}

TGridColor::System TDBGridView::systemColors()
{
    const QPalette palette = QGuiApplication::palette();
    TGridColor::System colors;
    colors.window = palette.color(QPalette::Base).rgb();
    colors.windowText = palette.color(QPalette::Text).rgb();
    colors.buttonFace = palette.color(QPalette::Button).rgb();
    // The desktop has no menu-highlight colour of its own: a light tint of the selection colour,
    // which plain text stays readable on and which the selection itself stands out from.
    const QColor highlight = palette.color(QPalette::Highlight);
    const QColor base = palette.color(QPalette::Base);
    colors.menuHighlight =
        qRgb((highlight.red() * 25 + base.red() * 75) / 100, (highlight.green() * 25 + base.green() * 75) / 100,
             (highlight.blue() * 25 + base.blue() * 75) / 100);
    return colors;
}

void TDBGridView::setGridLayout(const TGridOptions& options, const QList<TGridColumn>& columns)
{
    m_model->setLayout(options, columns);
    setShowGrid(options.columnLines || options.rowLines);
    m_frozen->setShowGrid(showGrid());
    horizontalHeader()->setVisible(options.showTitles);
    m_frozen->horizontalHeader()->setVisible(options.showTitles);
    const QFont font = options.font.toQFont();
    setFont(font);
    m_frozen->setFont(font);
    horizontalHeader()->setFont(options.titleFont.toQFont());
    m_frozen->horizontalHeader()->setFont(options.titleFont.toQFont());
    const int rowHeight = QFontMetrics(font).height() + 4;
    verticalHeader()->setDefaultSectionSize(rowHeight);
    m_frozen->verticalHeader()->setDefaultSectionSize(rowHeight);
    // Where there are no rows the grid shows its own colour.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, QColor(options.color.resolve(m_model->systemColors())));
    setPalette(palette);
    m_frozen->setPalette(palette);
    applyColumns();
}

void TDBGridView::setRows(TRowSet rows)
{
    m_model->setRows(std::move(rows));
}

void TDBGridView::applyColumnsTo(QTableView* view)
{
    const QList<TGridColumn>& columns = m_model->columns();
    for (int c = 0; c < columns.size(); ++c) {
        const TGridColumn& column = columns[c];
        view->setItemDelegateForColumn(c, column.rowNumbers ? m_numbers : nullptr);
        view->setColumnWidth(c, column.width);
        const bool fixed = column.minWidth > 0 && column.minWidth == column.maxWidth;
        view->horizontalHeader()->setSectionResizeMode(c, fixed || view == m_frozen ? QHeaderView::Fixed
                                                                                    : QHeaderView::Interactive);
    }
}

void TDBGridView::applyColumns()
{
    m_formatWidths.clear();
    applyColumnsTo(this);
    applyColumnsTo(m_frozen);
    fitFormatWidths();
    updateOverlays();
}

int TDBGridView::formatWidth(int column) const
{
    const QStringList samples = m_model->formatSamples(column);
    if (samples.isEmpty())
        return 0;
    const QFontMetrics metrics(m_model->font(column).toQFont());
    int widest = 0;
    for (const QString& text : samples)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    // The item delegate's margin at each side, and the grid line.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return widest + 2 * margin + 1;
}

void TDBGridView::fitFormatWidths()
{
    // A column grows from its designed width to the widest text its format can show, once for each
    // format; a width the user chose since stays until the format changes.
    const QList<TGridColumn>& columns = m_model->columns();
    m_formatWidths.resize(columns.size());
    for (int c = 0; c < columns.size(); ++c) {
        int need = formatWidth(c);
        if (columns[c].maxWidth > 0)
            need = std::min(need, columns[c].maxWidth);
        if (need == m_formatWidths[c])
            continue;
        m_formatWidths[c] = need;
        if (columnWidth(c) < need)
            setColumnWidth(c, need);
    }
}

void TDBGridView::updateOverlays()
{
    const int frozen = m_model->options().frozenColumns;
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_frozen->setColumnHidden(c, c >= frozen);
    m_frozen->setVisible(frozen > 0);
    m_footer->setVisible(m_model->options().footerRows > 0);
    m_footer->updateAccessibleText();
    // The footer is painted under the rows; assistive tools hear it with the grid.
    setAccessibleDescription(m_footer->isVisibleTo(this) ? m_footer->accessibleName() : QString());
    updateGeometries();
    m_footer->update();
    m_frozen->viewport()->update();
}

int TDBGridView::frozenWidth() const
{
    int width = 0;
    for (int c = 0; c < m_model->options().frozenColumns && c < m_model->columnCount(); ++c)
        width += columnWidth(c);
    return width;
}

int TDBGridView::footerHeight() const
{
    return m_model->options().footerRows * (verticalHeader()->defaultSectionSize() + 1);
}

void TDBGridView::updateGeometries()
{
    QTableView::updateGeometries();
    // The table sets the margins for its header; the footer takes its room under the rows.
    const QMargins margins = viewportMargins();
    if (m_footer != nullptr && margins.bottom() != footerHeight())
        setViewportMargins(margins.left(), margins.top(), margins.right(), footerHeight());
    const QRect area = viewport()->geometry();
    if (m_frozen != nullptr && m_model->options().frozenColumns > 0) {
        const int header = horizontalHeader()->isVisible() ? horizontalHeader()->height() : 0;
        for (int c = 0; c < m_model->options().frozenColumns && c < m_model->columnCount(); ++c)
            m_frozen->setColumnWidth(c, columnWidth(c));
        m_frozen->horizontalHeader()->setFixedHeight(header);
        m_frozen->setGeometry(area.x(), area.y() - header, frozenWidth(), area.height() + header);
    }
    if (m_footer != nullptr)
        m_footer->setGeometry(area.x(), area.bottom() + 1, area.width(), footerHeight());
}

void TDBGridView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    updateGeometries();
}

void TDBGridView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (dx != 0)
        m_footer->update();
}

void TDBGridView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange)
        m_model->setSystemColors(systemColors());
}

QModelIndex TDBGridView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // Keeps a cell reached by the keyboard out from under the frozen columns.
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    const int frozen = m_model->options().frozenColumns;
    if (cursorAction == MoveLeft && current.isValid() && current.column() >= frozen &&
        visualRect(current).topLeft().x() < frozenWidth()) {
        const int newValue = horizontalScrollBar()->value() + visualRect(current).topLeft().x() - frozenWidth();
        horizontalScrollBar()->setValue(newValue);
    }
    return current;
}

bool TDBGridView::tabWouldWrap(bool next)
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return false;
    // The table's own move only works the cell out; this class's override would scroll.
    const QModelIndex to = QTableView::moveCursor(next ? MoveNext : MovePrevious, {});
    if (!to.isValid())
        return true;
    const auto place = [this](const QModelIndex& index) {
        return std::pair(index.row(), horizontalHeader()->visualIndex(index.column()));
    };
    return next ? place(to) <= place(current) : place(to) >= place(current);
}

bool TDBGridView::focusNextPrevChild(bool next)
{
    if (tabKeyNavigation() && tabWouldWrap(next))
        return QWidget::focusNextPrevChild(next); // NOLINT(bugprone-parent-virtual-call)
    return QTableView::focusNextPrevChild(next);
}

void TDBGridView::keyPressEvent(QKeyEvent* event)
{
    // Ctrl+Tab leaves the grid whatever the cell; the item view would take it as one more Tab.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && event->modifiers().testFlag(Qt::ControlModifier)) {
        const bool back = event->key() == Qt::Key_Backtab || event->modifiers().testFlag(Qt::ShiftModifier);
        QWidget::focusNextPrevChild(!back); // NOLINT(bugprone-parent-virtual-call)
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TDBGridView::headerClicked(int logicalIndex)
{
    if (logicalIndex >= 0 && logicalIndex < m_model->columnCount() && m_model->columns()[logicalIndex].titleButton)
        emit titleButtonClicked(logicalIndex);
}

void TDBGridView::SortByColumn(int column)
{
    const WaitCursor wait;
    if (m_model->titleClick(column)) {
        horizontalHeader()->viewport()->update();
        m_frozen->horizontalHeader()->viewport()->update();
    }
}

void TDBGridView::sectionResized(int logicalIndex, int, int newSize)
{
    if (m_clamping || logicalIndex >= m_model->columnCount())
        return;
    const TGridColumn& column = m_model->columns()[logicalIndex];
    int size = newSize;
    if (column.minWidth > 0)
        size = std::max(size, column.minWidth);
    if (column.maxWidth > 0)
        size = std::min(size, column.maxWidth);
    if (size != newSize) {
        m_clamping = true;
        horizontalHeader()->resizeSection(logicalIndex, size);
        m_clamping = false;
    }
    m_model->setColumnWidth(logicalIndex, size);
    if (logicalIndex < m_model->options().frozenColumns)
        updateGeometries();
    m_footer->update();
}

QList<int> TDBGridView::selectedPositions() const
{
    QList<int> positions;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        positions << index.row();
    return positions;
}
