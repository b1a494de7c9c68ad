#include "toolkit/TGridPrinter.h"

#include "toolkit/TGridModel.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace {

// Layout happens in the grid's own pixels (96 to the inch), which the painter scales to the page.
constexpr qreal GridDpi = 96.0;
constexpr qreal CellPadding = 3.0;

// A font of the given point size as pixels of the grid, so that it scales with the grid.
QFont gridFont(const TGridFont& f, qreal scale = 1.0)
{
    QFont font = f.toQFont();
    font.setPixelSize(std::max(1, qRound(f.pointSize * GridDpi / 72.0 * scale)));
    return font;
}

} // namespace

struct TGridPrinter::Metrics
{
    qreal pageWidth = 0;  // in grid pixels
    qreal pageHeight = 0; // in grid pixels
    qreal titleHeight = 0;
    qreal rowHeight = 0;
    qreal pageFootHeight = 0;
    int rowsPerPage = 1;
    QFont titleFont;
    QFont headerFont;
    QFont footerFont;
    QFont pageFont;
    QList<QFont> cellFonts;
    QList<qreal> lefts; // left edge of each column
    QList<qreal> widths;
};

TGridPrinter::TGridPrinter(const TGridModel& model)
    : m_model(model)
{}

int TGridPrinter::pageCount(int rows, int rowsPerPage, int footerRows)
{
    rowsPerPage = std::max(1, rowsPerPage);
    const int pages = std::max(1, (rows + rowsPerPage - 1) / rowsPerPage);
    const int onLast = rows - (pages - 1) * rowsPerPage;
    // The footer goes to a page of its own when the last page is full.
    return footerRows > 0 && onLast + footerRows > rowsPerPage ? pages + 1 : pages;
}

int TGridPrinter::print(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error("The printer could not be started.");

    const TGridOptions& o = m_model.options();
    Metrics m;
    qreal gridWidth = 0;
    for (int c = 0; c < m_model.columnCount(); ++c) {
        m.lefts << gridWidth;
        m.widths << m_model.columns()[c].width;
        gridWidth += m_model.columns()[c].width;
    }
    // Device pixels per grid pixel, smaller when the grid is wider than the page.
    qreal scale = device.logicalDpiX() / GridDpi;
    if (gridWidth * scale > device.width())
        scale = device.width() / gridWidth;
    painter.scale(scale, scale);
    m.pageWidth = device.width() / scale;
    m.pageHeight = device.height() / scale;

    m.headerFont = gridFont(o.titleFont);
    m.footerFont = gridFont(o.footerFont);
    TGridFont title = o.titleFont;
    title.bold = true;
    m.titleFont = gridFont(title, 1.5);
    TGridFont page;
    m.pageFont = gridFont(page);
    qreal textHeight = std::max(QFontMetricsF(m.headerFont).height(), QFontMetricsF(m.footerFont).height());
    for (int c = 0; c < m_model.columnCount(); ++c) {
        m.cellFonts << gridFont(m_model.font(c));
        textHeight = std::max(textHeight, QFontMetricsF(m.cellFonts.last()).height());
    }
    m.rowHeight = textHeight + 2 * CellPadding;
    m.titleHeight = QFontMetricsF(m.titleFont).height() + 8;
    m.pageFootHeight = QFontMetricsF(m.pageFont).height() + 6;
    const qreal forRows = m.pageHeight - m.titleHeight - m.pageFootHeight - (o.showTitles ? m.rowHeight : 0);
    m.rowsPerPage = std::max(1, int(forRows / m.rowHeight));

    const int pages = pageCount(m_model.rowCount(), m.rowsPerPage, o.footerRows);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage())
            throw std::runtime_error("The printer could not start a new page.");
        printPage(painter, m, page, pages);
    }
    painter.end();
    return pages;
}

void TGridPrinter::printPage(QPainter& painter, const Metrics& m, int page, int pages) const
{
    painter.setPen(QColor(m_model.options().titleFont.color.resolve(m_model.systemColors())));
    painter.setFont(m.titleFont);
    painter.drawText(QRectF(0, 0, m.pageWidth, m.titleHeight), Qt::AlignLeft | Qt::AlignTop, m_title);

    qreal top = m.titleHeight;
    if (m_model.options().showTitles) {
        drawTitles(painter, m, top);
        top += m.rowHeight;
    }
    const int first = page * m.rowsPerPage;
    const int last = std::min(m_model.rowCount(), first + m.rowsPerPage);
    for (int position = first; position < last; ++position) {
        drawRow(painter, m, top, position);
        top += m.rowHeight;
    }
    if (page == pages - 1) {
        for (int footer = 0; footer < m_model.options().footerRows; ++footer) {
            drawFooter(painter, m, top);
            top += m.rowHeight;
        }
    }

    painter.setFont(m.pageFont);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, m.pageHeight - m.pageFootHeight, m.pageWidth, m.pageFootHeight),
                     Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
}

namespace {

void drawCell(QPainter& painter, const QRectF& cell, QRgb background, const QFont& font, QRgb colour,
              Qt::Alignment alignment, const QString& text)
{
    painter.fillRect(cell, QColor(background));
    painter.setPen(QPen(QColor(160, 160, 160), 0));
    painter.drawRect(cell);
    if (text.isEmpty())
        return;
    painter.setFont(font);
    painter.setPen(QColor(colour));
    const QRectF inner = cell.adjusted(CellPadding, 0, -CellPadding, 0);
    const QString shown = QFontMetricsF(font).elidedText(text, Qt::ElideRight, inner.width());
    painter.drawText(inner, int(alignment | Qt::AlignVCenter) | Qt::TextSingleLine, shown);
}

} // namespace

void TGridPrinter::drawTitles(QPainter& painter, const Metrics& m, qreal top) const
{
    const TGridOptions& o = m_model.options();
    const QRgb background = o.fixedColor.resolve(m_model.systemColors());
    const QRgb colour = o.titleFont.color.resolve(m_model.systemColors());
    for (int c = 0; c < m_model.columnCount(); ++c)
        drawCell(painter, QRectF(m.lefts[c], top, m.widths[c], m.rowHeight), background, m.headerFont, colour,
                 m_model.columns()[c].titleAlignment, m_model.title(c));
}

void TGridPrinter::drawRow(QPainter& painter, const Metrics& m, qreal top, int position) const
{
    for (int c = 0; c < m_model.columnCount(); ++c) {
        const TGridColumn& column = m_model.columns()[c];
        const QString text = column.rowNumbers ? QString::number(position + 1) : m_model.cellText(position, c);
        drawCell(painter, QRectF(m.lefts[c], top, m.widths[c], m.rowHeight), m_model.background(position, c),
                 m.cellFonts[c], m_model.font(c).color.resolve(m_model.systemColors()), m_model.alignment(c), text);
    }
}

void TGridPrinter::drawFooter(QPainter& painter, const Metrics& m, qreal top) const
{
    const TGridOptions& o = m_model.options();
    const QRgb background = o.footerColor.resolve(m_model.systemColors());
    const QRgb colour = o.footerFont.color.resolve(m_model.systemColors());
    for (int c = 0; c < m_model.columnCount(); ++c)
        drawCell(painter, QRectF(m.lefts[c], top, m.widths[c], m.rowHeight), background, m.footerFont, colour,
                 m_model.footerAlignment(c), m_model.footerText(c));
}
