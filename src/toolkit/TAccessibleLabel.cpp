#include "toolkit/TAccessibleLabel.h"

#include <QComboBox>
#include <QLabel>

QLabel* TAccessibleLabel::attach(QComboBox* combo, const QString& name)
{
    combo->setAccessibleName(name);
    // A sibling: the label relation is looked for among the combo box's siblings.
    auto* label = new QLabel(name, combo->parentWidget());
    label->setObjectName(combo->objectName() + QStringLiteral("Label"));
    label->setBuddy(combo);
    label->hide();
    return label;
}
