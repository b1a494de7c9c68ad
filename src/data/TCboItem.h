#pragma once

#include <QMetaType>
#include <QString>

// Carries a holder's identity on an entry of a drop-down list (as the entry's user data).
class TCboItem
{
public:
    TCboItem() = default;
    TCboItem(qint32 id, const QString& text);

    qint32 ID = 0;
    QString Text;
};

Q_DECLARE_METATYPE(TCboItem)
