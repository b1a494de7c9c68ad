#include "bookings/TBookingWidgets.h"

#include "data/TClock.h"
#include "data/TDM.h"
#include "data/TDateText.h"
#include "toolkit/TDateTimeEdit.h"
#include "toolkit/TMessageService.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

QString TBookingWidgets::dateTimeFormat()
{
    const QLocale locale;
    QString date = locale.dateFormat(QLocale::ShortFormat);
    // A two-digit year cannot be edited past its century.
    if (!date.contains(QStringLiteral("yyyy")))
        date.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return date + u' ' + TDateText::longTimeFormat(locale);
}

QDateTimeEdit* TBookingWidgets::makeDatePicker(const char* name, QWidget* parent)
{
    auto* picker = new TDateTimeEdit(TClock::now(), parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(dateTimeFormat());
    picker->setAccessibleName(QCoreApplication::translate("TBookingWidgets", "Date"));
    return picker;
}

QComboBox* TBookingWidgets::makeCounterparty(const char* name, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

void TBookingWidgets::setSuggestions(QComboBox* combo, const QStringList& texts)
{
    combo->addItems(texts);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

QComboBox* TBookingWidgets::makeHolderList(const char* name, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(false);
    combo->setMaxVisibleItems(15);
    return combo;
}

QLineEdit* TBookingWidgets::makeAmountEdit(QWidget* parent)
{
    QLineEdit* edit = makeLineEdit("edtAmmount", parent);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setAccessibleName(QCoreApplication::translate("TBookingWidgets", "Amount"));
    return edit;
}

QLineEdit* TBookingWidgets::makeLineEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QPlainTextEdit* TBookingWidgets::makeMemo(QWidget* parent)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QStringLiteral("mmoMemo"));
    memo->setTabChangesFocus(true);
    memo->setAccessibleName(QCoreApplication::translate("TBookingWidgets", "Memo"));
    // The memo takes the height that is left; it does not stretch the dialog.
    memo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    memo->setMinimumHeight(36);
    return memo;
}

QLabel* TBookingWidgets::makeLabel(const char* name, const QString& caption, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    if (buddy != nullptr) {
        label->setBuddy(buddy);
        if (buddy->accessibleName().isEmpty())
            buddy->setAccessibleName(QString(caption).remove(u'&').remove(u':'));
    }
    return label;
}

QPushButton* TBookingWidgets::makeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString(caption).remove(u'&'));
    return button;
}

TNegativePolicy TBookingWidgets::negativePolicy(QWidget* parent, const QString& question)
{
    return TNegativePolicy::asking([parent, question](const TDataInfo&, Currency) {
        return TMessageService::show(parent, QCoreApplication::translate("TBookingWidgets", "Error"), question,
                                     QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
    });
}

void TBookingWidgets::refused(QWidget* parent, const TNegativeRefusal& refusal, const QString& text, QLineEdit* amount)
{
    if (refusal.reason() == TNegativeRefusal::Reason::Refused)
        TMessageService::ShowErrorBox(text, parent);
    focusSelected(amount);
}

void TBookingWidgets::focusSelected(QLineEdit* edit)
{
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}
