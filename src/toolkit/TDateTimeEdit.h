#pragma once

#include <QDateTimeEdit>

// A date (and time) field that Tab and Shift+Tab leave, as every other field does. Inside the
// field the arrow keys move between its parts, and a part typed in full (or its separator) moves on
// to the next; Qt's own field would take a Tab for every part, seven for a date with its time.
//
// Typing goes as in a text field: entering the field from either side starts at its first part, a
// digit typed over a part that was not typed into yet replaces it ("3" over "9"), and a whole date
// typed in the field's order ("15.12.2026" in de_DE, "12/15/2026" in en_US) sets it, whether a
// part is typed in full (and moved past at once) or ended by its separator.
class TDateTimeEdit final : public QDateTimeEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDateTimeEdit)

public:
    explicit TDateTimeEdit(QWidget* parent = nullptr);
    TDateTimeEdit(const QDateTime& value, QWidget* parent = nullptr);

    // A field for a day: calendar pop-up, the locale's short date with a four-digit year (a
    // two-digit one cannot pass its century), named for tests and screen readers.
    static TDateTimeEdit* datePicker(const char* objectName, const QString& accessibleName, QWidget* parent);

protected:
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The part typed into last, whose next digit adds to it; -1 when the next digit starts a part.
    int m_typedSection = -1;
    // A typed part filled up and the field moved on by itself: the separator the user types next
    // closes the part already left and is passed over.
    bool m_movedOn = false;
};
