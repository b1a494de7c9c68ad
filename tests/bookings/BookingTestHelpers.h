#pragma once

#include "TestDb.h"

#include "toolkit/TMessageService.h"

#include <QString>
#include <QStringList>
#include <QWidget>

// Small helpers shared by the booking tests.

// The child `name` of `parent`; a missing child ends the test program loudly.
template <class T>
T* child(const QWidget& parent, const QString& name)
{
    T* found = parent.findChild<T*>(name);
    if (found == nullptr)
        qFatal("no child %s of type %s", qPrintable(name), T::staticMetaObject.className());
    return found;
}

// The object names among `names`, in the order in which Tab visits them starting from `first`.
QStringList tabOrder(QWidget* first, const QStringList& names);

// The texts of the message boxes shown since the last call.
QStringList shownTexts();

// Everything in Account, Detail and Transfer, to compare before and after.
QString snapshot(TestDb& db);

// A temporary trigger that makes every change of Account fail.
void failBalanceUpdates(TestDb& db);
void allowBalanceUpdates(TestDb& db);
