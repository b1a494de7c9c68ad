#pragma once

#include <QDateTimeEdit>

// A date (and time) field that Tab and Shift+Tab leave, as every other field does. Inside the
// field the arrow keys move between its parts, and a part typed in full (or its separator) moves on
// to the next; Qt's own field would take a Tab for every part, seven for a date with its time.
class TDateTimeEdit final : public QDateTimeEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDateTimeEdit)

public:
    explicit TDateTimeEdit(QWidget* parent = nullptr);
    TDateTimeEdit(const QDateTime& value, QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
};
