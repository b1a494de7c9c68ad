#include "toolkit/TDBGridFooter.h"

#include "toolkit/TDBGridView.h"
#include "toolkit/TGridModel.h"

#include <QHeaderView>
#include <QPainter>

TDBGridFooter::TDBGridFooter(TDBGridView* grid)
    : QWidget(grid)
    , m_grid(grid)
{
    setObjectName(QStringLiteral("footer"));
    setAccessibleDescription(tr("Footer"));
}

QRect TDBGridFooter::cellRect(int column) const
{
    const QHeaderView* header = m_grid->horizontalHeader();
    const int frozen = m_grid->gridModel()->options().frozenColumns;
    int x = header->sectionViewportPosition(column);
    if (column < frozen) {
        x = 0;
        for (int c = 0; c < column; ++c)
            x += header->sectionSize(c);
    }
    return QRect(x, 0, header->sectionSize(column), height());
}

void TDBGridFooter::updateAccessibleText()
{
    const QString text = m_grid->gridModel()->footerRowText();
    if (text != accessibleName())
        setAccessibleName(text);
}

void TDBGridFooter::paintEvent(QPaintEvent*)
{
    const TGridModel* model = m_grid->gridModel();
    const TGridOptions& options = model->options();
    QPainter painter(this);
    const QColor background(options.footerColor.resolve(model->systemColors()));
    painter.fillRect(rect(), background);

    QFont font(options.footerFont.family, options.footerFont.pointSize);
    font.setBold(options.footerFont.bold);
    font.setItalic(options.footerFont.italic);
    font.setUnderline(options.footerFont.underline);
    font.setStrikeOut(options.footerFont.strikeOut);
    painter.setFont(font);
    const QColor text(options.footerFont.color.resolve(model->systemColors()));
    const QColor line = palette().color(QPalette::Mid);

    // Scrolled columns first, then the frozen ones over them.
    const int frozen = options.frozenColumns;
    auto paintCell = [&](int column) {
        if (m_grid->isColumnHidden(column))
            return;
        const QRect cell = cellRect(column);
        painter.fillRect(cell, background);
        painter.setPen(line);
        painter.drawLine(cell.topRight(), cell.bottomRight());
        painter.setPen(text);
        painter.drawText(cell.adjusted(2, 0, -2, 0), int(model->footerAlignment(column) | Qt::AlignVCenter),
                         model->footerText(column));
    };
    for (int c = frozen; c < model->columnCount(); ++c)
        paintCell(c);
    for (int c = 0; c < frozen && c < model->columnCount(); ++c)
        paintCell(c);
    painter.setPen(line);
    painter.drawLine(rect().topLeft(), rect().topRight());
}
