#include "app/TStatusSection.h"

TStatusSection::TStatusSection(const QString& text, int width, QWidget* parent)
    : QLabel(text, parent)
    , m_width(width)
{}

void TStatusSection::setSectionWidth(int width)
{
    if (width == m_width)
        return;
    m_width = width;
    updateGeometry();
}

QSize TStatusSection::sizeHint() const
{
    const QSize text = QLabel::sizeHint();
    return {qMax(m_width, text.width()), text.height()};
}

QSize TStatusSection::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}
