#pragma once

#include <QLabel>

// A section of the status bar: it asks for its designed width, or more where its text needs it,
// but, like a header section, lets the window shrink past it and is cut off then.
class TStatusSection final : public QLabel
{
    Q_OBJECT

public:
    TStatusSection(const QString& text, int width, QWidget* parent);

    // The width the section asks for from now on (its text may still need more).
    void setSectionWidth(int width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int m_width;
};
