#pragma once

#include "TestDb.h"

#include "toolkit/TMessageService.h"

#include <QAbstractItemModel>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <QWidget>

// Small helpers shared by the tests of windows and bookings.

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

// Each holder's Balance against its bookings, recomputed from the tables: deposits - debits +
// transfers in - transfers out. Returns the holders where the two differ.
QStringList drift(TestDb& db);
// Sets every holder's Balance to the sum of its bookings.
void settleBalances(TestDb& db);

// The display texts of one column of a grid, top to bottom.
QStringList columnTexts(const QAbstractItemModel* model, int column);
// A click on row `row` of a grid, in a column that scrolls (not under the frozen ones).
void clickRow(QTableView* grid, int row, Qt::KeyboardModifiers modifiers = {});

// The text of each page of a PDF file, read with pdftotext (poppler-utils); fails the test when
// the tool cannot read it.
QStringList pdfPages(const QString& path);

// A temporary trigger that makes every change of Account fail.
void failBalanceUpdates(TestDb& db);
void allowBalanceUpdates(TestDb& db);
