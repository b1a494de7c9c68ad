#pragma once

#include "bookings/TNegativePolicy.h"

#include <QString>
#include <QVariantList>

class QComboBox;
class QDateTimeEdit;
class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSize;
class QWidget;

// The pieces the deposit, debit and transfer dialogs share: their window look, the booking fields
// and the message boxes of a booking.
class TBookingWidgets
{
public:
    // A date picker holding date and time of day, with a calendar pop-up.
    static QDateTimeEdit* makeDatePicker(const char* name, QWidget* parent);
    // The picker's text form: the locale's short date with a four-digit year and its long time.
    static QString dateTimeFormat();
    // An editable counterparty combo, empty.
    static QComboBox* makeCounterparty(const char* name, QWidget* parent);
    // Offers `texts` in the combo's drop-down, in their order; the combo's own text stays empty.
    static void setSuggestions(QComboBox* combo, const QStringList& texts);
    // A holder list: not editable, 15 rows shown.
    static QComboBox* makeHolderList(const char* name, QWidget* parent);
    // The amount box, text aligned to the right.
    static QLineEdit* makeAmountEdit(QWidget* parent);
    static QLineEdit* makeLineEdit(const char* name, QWidget* parent);
    // A multi-line memo; Tab moves on to the next control.
    static QPlainTextEdit* makeMemo(QWidget* parent);
    // A label that names `buddy` for keyboard users and assistive tools.
    static QLabel* makeLabel(const char* name, const QString& caption, QWidget* buddy, QWidget* parent);
    static QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent);

    // The negative-balance policy of a dialog's save: where the rule asks, `question` in a box
    // titled "Error" with the question icon, OK and Cancel; OK goes on.
    static TNegativePolicy negativePolicy(QWidget* parent, const QString& question);
    // After the store stopped a save by the rule: shows `refusal` where the holder may not go
    // negative (nothing where the user said Cancel), and puts the focus into the amount box with its
    // text selected.
    static void refused(QWidget* parent, const TNegativeRefusal& refusal, const QString& text, QLineEdit* amount);
    // Focus into the amount box with its text selected.
    static void focusSelected(QLineEdit* edit);
};
