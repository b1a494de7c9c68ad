#include "toolkit/TDateTimeEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QRegularExpression>

#include <utility>

TDateTimeEdit::TDateTimeEdit(QWidget* parent)
    : QDateTimeEdit(parent)
{}

TDateTimeEdit::TDateTimeEdit(const QDateTime& value, QWidget* parent)
    : QDateTimeEdit(value, parent)
{}

bool TDateTimeEdit::focusNextPrevChild(bool next)
{
    // Past QDateTimeEdit, which would move to its next part.
    return QWidget::focusNextPrevChild(next); // NOLINT(bugprone-parent-virtual-call)
}

void TDateTimeEdit::focusInEvent(QFocusEvent* event)
{
    m_typedSection = -1;
    m_movedOn = false;
    // Qt puts a field entered by Shift+Tab on its last part, the seconds; a date is typed from its
    // first part whichever side the field is entered from.
    if (event->reason() == Qt::BacktabFocusReason) {
        QFocusEvent fromTab(QEvent::FocusIn, Qt::TabFocusReason);
        QDateTimeEdit::focusInEvent(&fromTab);
        return;
    }
    QDateTimeEdit::focusInEvent(event);
}

void TDateTimeEdit::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    const QChar c = text.size() == 1 && plain ? text.front() : QChar();
    const bool digit = c >= u'0' && c <= u'9';
    const bool separator = !c.isNull() && c.isPrint() && !c.isLetterOrNumber();
    const int section = currentSectionIndex();

    if (separator) {
        if (!std::exchange(m_movedOn, false) && section + 1 < sectionCount()) {
            // The part typed so far stands ("3" is the 3rd), and the next part is typed over. Qt's
            // own handling loses its place after a part shorter than its format under some locales.
            interpretText();
            setCurrentSectionIndex(section + 1);
            setSelectedSection(currentSection());
        }
        m_typedSection = -1;
        event->accept();
        return;
    }
    m_movedOn = false;
    if (digit && section != m_typedSection)
        setSelectedSection(currentSection());
    QDateTimeEdit::keyPressEvent(event);
    if (digit) {
        // A part typed in full moves on by itself.
        m_movedOn = currentSectionIndex() != section;
        m_typedSection = m_movedOn ? -1 : section;
    } else if (event->key() != Qt::Key_Backspace && event->key() != Qt::Key_Delete) {
        m_typedSection = -1;
    }
}

void TDateTimeEdit::mousePressEvent(QMouseEvent* event)
{
    // A part clicked into is typed over.
    m_typedSection = -1;
    m_movedOn = false;
    QDateTimeEdit::mousePressEvent(event);
}

TDateTimeEdit* TDateTimeEdit::datePicker(const char* objectName, const QString& accessibleName, QWidget* parent)
{
    auto* picker = new TDateTimeEdit(parent);
    picker->setObjectName(QString::fromLatin1(objectName));
    picker->setCalendarPopup(true);
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    picker->setDisplayFormat(format);
    picker->setAccessibleName(accessibleName);
    return picker;
}
