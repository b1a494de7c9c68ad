#include "toolkit/TToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Size = 32;

void disc(QPainter& p, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(0, 2, 0, 30);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(QPen(bottom.darker(130), 1.2));
    p.drawEllipse(QRectF(2.5, 2.5, 27, 27));
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width = 3.2)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QLineF line(to, from);
    QLineF head1 = line;
    head1.setLength(7);
    head1.setAngle(line.angle() + 35);
    QLineF head2 = line;
    head2.setLength(7);
    head2.setAngle(line.angle() - 35);
    p.drawLine(head1);
    p.drawLine(head2);
}

void card(QPainter& p, QRectF r, const QColor& colour)
{
    p.setPen(QPen(colour.darker(150), 1));
    p.setBrush(colour);
    p.drawRoundedRect(r, 3, 3);
    p.setBrush(QColor(0xf0, 0xc8, 0x50));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(r.left() + 3, r.top() + 3, 5, 4));
}

void wallet(QPainter& p, QRectF r)
{
    p.setPen(QPen(QColor(0x3a, 0x22, 0x10), 1));
    p.setBrush(QColor(0x8a, 0x5a, 0x36));
    p.drawRoundedRect(r, 3, 3);
    p.setBrush(QColor(0x6b, 0x42, 0x24));
    p.drawRoundedRect(QRectF(r.right() - 7, r.center().y() - 3, 7, 6), 2, 2);
}

void clockFace(QPainter& p, QPointF c)
{
    p.setPen(QPen(QColor(0x2b, 0x3b, 0x5c), 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 7, 7);
    p.drawLine(c, c + QPointF(0, -4.5));
    p.drawLine(c, c + QPointF(3.5, 0));
}

// A sheet of paper with lines of text.
void sheet(QPainter& p, QRectF r)
{
    p.setPen(QPen(QColor(0x44, 0x55, 0x66), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(0x90, 0xa0, 0xb0), 1));
    for (qreal y = r.top() + 4; y < r.bottom() - 2; y += 4)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

void glyph(QPainter& p, const QString& text, const QColor& colour, int pixelSize)
{
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(0, 0, Size, Size), Qt::AlignCenter, text);
}

} // namespace

QIcon TToolIcons::icon(const QString& name)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    if (name == u"deposit") {
        disc(p, QColor(0x5c, 0xc4, 0x6a), QColor(0x1e, 0x7d, 0x32));
        arrow(p, QPointF(16, 7), QPointF(16, 24), Qt::white);
    } else if (name == u"debit") {
        disc(p, QColor(0xf0, 0x7a, 0x6a), QColor(0xb3, 0x26, 0x1e));
        arrow(p, QPointF(16, 24), QPointF(16, 7), Qt::white);
    } else if (name == u"transfer") {
        disc(p, QColor(0x6a, 0xa8, 0xf0), QColor(0x1e, 0x55, 0xb3));
        arrow(p, QPointF(7, 12), QPointF(25, 12), Qt::white, 2.6);
        arrow(p, QPointF(25, 21), QPointF(7, 21), Qt::white, 2.6);
    } else if (name == u"property") {
        card(p, QRectF(3, 7, 22, 15), QColor(0x2c, 0x4f, 0x8f));
        p.setBrush(QColor(0xff, 0xc8, 0x3d));
        p.setPen(QPen(QColor(0x9a, 0x70, 0x10), 1));
        p.drawEllipse(QRectF(15, 15, 15, 15));
        p.setPen(QPen(QColor(0x40, 0x2a, 0x00), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22.5, 21), QPointF(22.5, 26.5));
        p.drawPoint(QPointF(22.5, 18));
    } else if (name == u"acchistory") {
        card(p, QRectF(2, 5, 22, 15), QColor(0x2c, 0x4f, 0x8f));
        clockFace(p, QPointF(22, 22));
    } else if (name == u"walhistory") {
        wallet(p, QRectF(2, 6, 22, 16));
        clockFace(p, QPointF(22, 22));
    } else if (name == u"help") {
        disc(p, QColor(0x8a, 0x9c, 0xd8), QColor(0x38, 0x4a, 0x99));
        glyph(p, QStringLiteral("?"), Qt::white, 20);
    } else if (name == u"web") {
        p.setPen(QPen(QColor(0x1e, 0x55, 0xb3), 1.6));
        p.setBrush(QColor(0xd8, 0xe8, 0xff));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(10, 3, 12, 26));
        p.drawLine(QPointF(3, 16), QPointF(29, 16));
        p.drawLine(QPointF(16, 3), QPointF(16, 29));
        p.drawLine(QPointF(5.5, 9.5), QPointF(26.5, 9.5));
        p.drawLine(QPointF(5.5, 22.5), QPointF(26.5, 22.5));
    } else if (name == u"exit") {
        p.setPen(QPen(QColor(0x5a, 0x3a, 0x20), 1.2));
        p.setBrush(QColor(0xb0, 0x7a, 0x48));
        p.drawRect(QRectF(5, 3, 15, 26));
        p.setBrush(QColor(0xe8, 0xc0, 0x5a));
        p.drawEllipse(QPointF(16.5, 16), 1.5, 1.5);
        arrow(p, QPointF(17, 16), QPointF(29, 16), QColor(0xc0, 0x30, 0x20), 2.6);
    } else if (name == u"export") {
        sheet(p, QRectF(5, 3, 18, 24));
        arrow(p, QPointF(16, 22), QPointF(29, 22), QColor(0x1e, 0x7d, 0x32), 2.6);
    } else if (name == u"reports") {
        // Three bars of a chart over its axis.
        p.setPen(QPen(QColor(0x2b, 0x3b, 0x5c), 1));
        p.setBrush(QColor(0x6a, 0xa8, 0xf0));
        p.drawRect(QRectF(5, 16, 6, 12));
        p.setBrush(QColor(0xf0, 0xa0, 0x3a));
        p.drawRect(QRectF(13, 6, 6, 22));
        p.setBrush(QColor(0x5c, 0xc4, 0x6a));
        p.drawRect(QRectF(21, 11, 6, 17));
        p.setPen(QPen(QColor(0x2b, 0x3b, 0x5c), 2));
        p.drawLine(QPointF(3, 29), QPointF(29, 29));
    } else if (name == u"query") {
        p.setPen(QPen(QColor(0x2b, 0x3b, 0x5c), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19, 19), QPointF(28, 28));
        p.setPen(QPen(QColor(0x2b, 0x3b, 0x5c), 2));
        p.setBrush(QColor(0xd8, 0xe8, 0xff));
        p.drawEllipse(QPointF(13, 13), 9, 9);
    } else if (name == u"edit") {
        sheet(p, QRectF(4, 3, 18, 24));
        p.setPen(QPen(QColor(0xc0, 0x80, 0x20), 4.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(27, 9), QPointF(14, 24));
        p.setPen(QPen(QColor(0x40, 0x2a, 0x00), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 24), QPointF(12, 28));
    } else if (name == u"delete") {
        p.setPen(QPen(QColor(0xc0, 0x30, 0x20), 4.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(24, 24));
        p.drawLine(QPointF(24, 8), QPointF(8, 24));
    } else if (name == u"copy") {
        sheet(p, QRectF(4, 3, 16, 20));
        sheet(p, QRectF(12, 9, 16, 20));
    } else if (name == u"print") {
        sheet(p, QRectF(9, 3, 14, 12));
        p.setPen(QPen(QColor(0x44, 0x55, 0x66), 1));
        p.setBrush(QColor(0x9a, 0xa8, 0xb8));
        p.drawRoundedRect(QRectF(3, 13, 26, 11), 2, 2);
        sheet(p, QRectF(9, 20, 14, 9));
    } else {
        return QIcon();
    }
    p.end();
    return QIcon(pixmap);
}
