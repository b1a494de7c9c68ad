#pragma once

#include <QString>

// Gives a widget (or action) its object name as it is made, so that tests and the help's F1
// lookup find it: `auto* edit = named(new QLineEdit(this), "edtName");`
template <class W>
W* named(W* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}
