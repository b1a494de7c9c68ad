#include "app/TStatusSection.h"

TStatusSection::TStatusSection(const QString& text, int width, QWidget* parent)
    : QLabel(text, parent)
    , m_width(width)
{}

QSize TStatusSection::sizeHint() const
{
    const QSize text = QLabel::sizeHint();
    return {qMax(m_width, text.width()), text.height()};
}

QSize TStatusSection::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}
