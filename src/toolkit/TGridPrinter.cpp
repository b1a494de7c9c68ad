#include "toolkit/TGridPrinter.h"

#include "data/TClock.h"
#include "toolkit/TGridModel.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

// Layout happens in the grid's own pixels (96 to the inch), which the painter scales to the page.
constexpr qreal GridDpi = 96.0;
constexpr qreal CellPadding = 3.0;
// What a cell adds to its text: the padding on both sides and a pixel to spare, so that a text
// measured to fit is never cut.
constexpr qreal CellExtra = 2 * CellPadding + 1;
// The narrowest a column without a title is printed, unless its contents need less.
constexpr qreal LeastWidth = 24;
// Between the texts of the header's second line.
constexpr qreal DetailGap = 24;
// Between the first page's picture and the table below it.
constexpr qreal PictureGap = 8;

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
    qreal detailHeight = 0; // 0 without details
    qreal headerHeight = 0;
    qreal rowHeight = 0;
    qreal pageFootHeight = 0;
    int rowsPerPage = 1;
    int pictureRows = 0; // the rows' room the first page's picture takes
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

void TGridPrinter::setPicture(Picture picture, qreal share)
{
    m_picture = std::move(picture);
    m_pictureShare = std::clamp<qreal>(share, 0, 1);
}

int TGridPrinter::pageCount(int rows, int rowsPerPage, int footerRows)
{
    rowsPerPage = std::max(1, rowsPerPage);
    const int pages = std::max(1, (rows + rowsPerPage - 1) / rowsPerPage);
    const int onLast = rows - (pages - 1) * rowsPerPage;
    // The footer goes to a page of its own when the last page is full.
    return footerRows > 0 && onLast + footerRows > rowsPerPage ? pages + 1 : pages;
}

TGridPrinter::Fit TGridPrinter::fitColumns(const QList<qreal>& natural, const QList<qreal>& least, qreal width)
{
    Fit fit;
    qreal needed = 0;
    qreal titles = 0;
    for (qsizetype c = 0; c < natural.size(); ++c) {
        needed += natural[c];
        titles += least[c];
    }
    if (natural.isEmpty() || width <= 0)
        return fit;
    if (needed <= width) {
        // Room to spare: every column grows by the same share of what it needs.
        for (const qreal n : natural)
            fit.widths << n * width / needed;
    } else if (titles <= width) {
        // Too little room: every title stays whole, and what is left goes to the texts in the
        // measure of what each lacks.
        const qreal share = needed > titles ? (width - titles) / (needed - titles) : 0;
        for (qsizetype c = 0; c < natural.size(); ++c)
            fit.widths << least[c] + (natural[c] - least[c]) * share;
    } else {
        // Not even the titles fit: they are kept whole and the grid drawn smaller.
        fit.widths = least;
        fit.scale = width / titles;
    }
    return fit;
}

TGridPrinter::Needs TGridPrinter::measure() const
{
    const TGridOptions& o = m_model.options();
    const QFontMetricsF title(gridFont(o.titleFont));
    const QFontMetricsF footer(gridFont(o.footerFont));
    Needs needs;
    for (int c = 0; c < m_model.columnCount(); ++c) {
        const qreal titleWidth = o.showTitles ? title.horizontalAdvance(m_model.title(c)) + CellExtra : 0;
        const QFontMetricsF cell(gridFont(m_model.font(c)));
        qreal widest = o.footerRows > 0 ? footer.horizontalAdvance(m_model.footerText(c)) : 0;
        if (m_model.columns()[c].rowNumbers) {
            widest = std::max(widest, cell.horizontalAdvance(QString::number(std::max(1, m_model.rowCount()))));
        } else {
            // Past the widest a column grows, the other rows need not be measured.
            for (int p = 0; p < m_model.rowCount() && widest + CellExtra < MaxTextWidth; ++p)
                widest = std::max(widest, cell.horizontalAdvance(m_model.cellText(p, c)));
        }
        const qreal natural = std::max(titleWidth, std::min(widest + CellExtra, MaxTextWidth));
        needs.natural << natural;
        needs.least << std::min(natural, std::max(titleWidth, LeastWidth));
        needs.total += natural;
    }
    return needs;
}

QPageLayout::Orientation TGridPrinter::orientationFor(const QPageLayout& layout) const
{
    auto printableWidth = [&layout](QPageLayout::Orientation orientation) {
        QPageLayout turned = layout;
        turned.setOrientation(orientation);
        return turned.paintRect(QPageLayout::Inch).width() * GridDpi;
    };
    const qreal portrait = printableWidth(QPageLayout::Portrait);
    return measure().total > portrait && printableWidth(QPageLayout::Landscape) > portrait ? QPageLayout::Landscape
                                                                                           : QPageLayout::Portrait;
}

void TGridPrinter::fitOrientation(QPagedPaintDevice& device) const
{
    device.setPageOrientation(orientationFor(device.pageLayout()));
}

int TGridPrinter::print(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error(
            QCoreApplication::translate("TGridPrinter", "The printer could not be started.").toStdString());

    const TGridOptions& o = m_model.options();
    Metrics m;
    // Device pixels per grid pixel, smaller when not even the column titles fit the page.
    const qreal dpiScale = device.logicalDpiX() / GridDpi;
    const Needs needs = measure();
    const Fit fit = fitColumns(needs.natural, needs.least, device.width() / dpiScale);
    const qreal scale = dpiScale * fit.scale;
    painter.scale(scale, scale);
    m.pageWidth = device.width() / scale;
    m.pageHeight = device.height() / scale;
    qreal left = 0;
    for (const qreal width : fit.widths) {
        m.lefts << left;
        m.widths << width;
        left += width;
    }

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
    m.titleHeight = QFontMetricsF(m.titleFont).height() + 2;
    m.detailHeight = m_details.isEmpty() ? 0 : QFontMetricsF(m.pageFont).height() + 2;
    m.headerHeight = m.titleHeight + m.detailHeight + 6;
    m.pageFootHeight = QFontMetricsF(m.pageFont).height() + 6;
    const qreal forRows = m.pageHeight - m.headerHeight - m.pageFootHeight - (o.showTitles ? m.rowHeight : 0);
    m.rowsPerPage = std::max(1, int(forRows / m.rowHeight));
    // The picture takes whole rows of the first page, and leaves at least one for the table.
    if (m_picture && m.rowsPerPage > 1)
        m.pictureRows = std::clamp(int(std::ceil(forRows * m_pictureShare / m.rowHeight)), 1, m.rowsPerPage - 1);

    const int pages = pageCount(m_model.rowCount() + m.pictureRows, m.rowsPerPage, o.footerRows);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage())
            throw std::runtime_error(
                QCoreApplication::translate("TGridPrinter", "The printer could not start a new page.").toStdString());
        printPage(painter, m, page, pages);
    }
    painter.end();
    return pages;
}

void TGridPrinter::drawHeader(QPainter& painter, const Metrics& m) const
{
    // The moment of printing at the right of the title's line, the title in the room left of it.
    const QDateTime when = m_printedAt.isValid() ? m_printedAt : TClock::now();
    const QString printed =
        QCoreApplication::translate("TGridPrinter", "Printed: %1").arg(QLocale().toString(when, QLocale::ShortFormat));
    painter.setFont(m.pageFont);
    painter.setPen(Qt::black);
    const qreal printedWidth = QFontMetricsF(m.pageFont).horizontalAdvance(printed) + 1;
    painter.drawText(QRectF(0, 0, m.pageWidth, m.titleHeight), Qt::AlignRight | Qt::AlignBottom, printed);

    const qreal titleRoom = std::max<qreal>(0, m.pageWidth - printedWidth - DetailGap);
    painter.setPen(QColor(m_model.options().titleFont.color.resolve(m_model.systemColors())));
    painter.setFont(m.titleFont);
    painter.drawText(QRectF(0, 0, titleRoom, m.titleHeight), Qt::AlignLeft | Qt::AlignBottom,
                     QFontMetricsF(m.titleFont).elidedText(m_title, Qt::ElideRight, titleRoom));

    painter.setFont(m.pageFont);
    painter.setPen(Qt::black);
    const QFontMetricsF details(m.pageFont);
    qreal left = 0;
    for (const QString& detail : m_details) {
        const qreal room = m.pageWidth - left;
        if (room <= 0)
            break;
        const QString shown = details.elidedText(detail, Qt::ElideRight, room);
        painter.drawText(QRectF(left, m.titleHeight, room, m.detailHeight), Qt::AlignLeft | Qt::AlignVCenter, shown);
        left += details.horizontalAdvance(shown) + DetailGap;
    }
}

void TGridPrinter::printPage(QPainter& painter, const Metrics& m, int page, int pages) const
{
    drawHeader(painter, m);

    qreal top = m.headerHeight;
    if (page == 0 && m.pictureRows > 0) {
        const qreal height = m.pictureRows * m.rowHeight;
        painter.save();
        const QRect target = painter.transform().mapRect(QRectF(0, top, m.pageWidth, height - PictureGap)).toRect();
        painter.resetTransform();
        m_picture(painter, target);
        painter.restore();
        top += height;
    }
    if (m_model.options().showTitles) {
        drawTitles(painter, m, top);
        top += m.rowHeight;
    }
    // The pages hold rowsPerPage places each; the picture fills the first pictureRows of them.
    const int first = std::max(0, page * m.rowsPerPage - m.pictureRows);
    const int last = std::min(m_model.rowCount(), (page + 1) * m.rowsPerPage - m.pictureRows);
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
                     Qt::AlignHCenter | Qt::AlignBottom,
                     QCoreApplication::translate("TGridPrinter", "Page %1 of %2").arg(page + 1).arg(pages));
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
