#pragma once

class QComboBox;
class QLabel;
class QString;

// Screen readers on this platform hear a combo box's current entry as its name and take what it is
// for from the label whose buddy it is. A combo box without a label on screen gets one here that
// is never shown, so it is announced as, for example, "Type, -----All-----".
class TAccessibleLabel
{
public:
    static QLabel* attach(QComboBox* combo, const QString& name);
};
