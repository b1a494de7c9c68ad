#include "toolkit/TDateTimeEdit.h"

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
