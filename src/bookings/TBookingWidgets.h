#pragma once

#include "bookings/TNegativeRule.h"

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
    // Offers the texts of `sql` (one column, empty texts left out) in the combo's drop-down, in the
    // order returned; the combo's own text stays empty.
    static void loadSuggestions(QComboBox* combo, const QString& sql, const QVariantList& values = {});
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

    // Applies the outcome of the negative-balance rule: asks `question` (a box titled "Error" with
    // the question icon, OK and Cancel) or shows `refusal`; false when the save must stop, with the
    // focus in the amount box and its text selected.
    static bool passesNegativeRule(QWidget* parent, TNegativeRule::Outcome outcome, const QString& question,
                                   const QString& refusal, QLineEdit* amount);
    // Focus into the amount box with its text selected.
    static void focusSelected(QLineEdit* edit);
};
