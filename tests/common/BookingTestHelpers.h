#pragma once

#include "TestDb.h"

#include "bookings/TDetailRow.h"
#include "bookings/TTransferRow.h"
#include "toolkit/TMessageService.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <QWidget>

// Small helpers shared by the tests of windows and bookings.

// The start of each test of windows: the locale pinned to en_US and the clock to `now` (the system's
// clock when null); settings in Qt's test folder; message boxes, file dialogs and outside programs answered by the test, and what
// was shown or asked of them and of the help before forgotten.
void startWindowTest(const QDateTime& now = {});

// The child `name` of `parent`; a missing child ends the test program loudly.
template <class T>
T* child(const QWidget& parent, const QString& name)
{
    T* found = parent.findChild<T*>(name);
    if (found == nullptr)
        qFatal("no child %s of type %s", qPrintable(name), T::staticMetaObject.className());
    return found;
}

template <class T>
T* child(const QWidget* parent, const QString& name)
{
    return child<T>(*parent, name);
}

// The object names among `names`, in the order in which Tab visits them starting from `first`.
QStringList tabOrder(QWidget* first, const QStringList& names);

// The texts of the message boxes shown since the last call.
QStringList shownTexts();
// The message boxes shown since the last call, whole, each as "Title (Icon, Buttons): text", for
// example "Error (Critical, Ok): Error occured!" or "Query (Question, Yes|No): Are you sure to exit?".
QStringList shownBoxes();

// The help requests of the windows since the last call, each as "context 1009" or "contents 1000".
QStringList helpRequests();
// The help window on view ("FrmHelp"), or nullptr.
QWidget* shownHelpWindow();

// The texts of the rows of a combo box, top to bottom.
QStringList comboTexts(const QComboBox* combo);
// Moves the current row of `list` to `index` with the arrow keys, as a user would.
void chooseRowByKeys(QComboBox* list, int index);

// Everything in Account, Detail and Transfer, to compare before and after.
QString snapshot(TestDb& db);

// Each holder's Balance against its bookings, recomputed from the tables: deposits - debits +
// transfers in - transfers out. Returns the holders where the two differ.
QStringList drift(TestDb& db);
// Sets every holder's Balance to the sum of its bookings.
void settleBalances(TestDb& db);

// A booking to save: a deposit (type 0) or debit (type 1) of `holder`, or a transfer from `source`
// to `dest`; `id` 0 for a new one, else the one it edits.
TDetailRow detailRow(int type, qint32 holder, Currency amount, const QDateTime& when, const QString& from,
                     qint32 id = 0);
TTransferRow transferRow(qint32 source, qint32 dest, Currency amount, const QDateTime& when, const QString& from,
                         qint32 id = 0);

// The display texts of one column of a grid, top to bottom.
QStringList columnTexts(const QAbstractItemModel* model, int column);
// The titles of the columns of a grid, left to right.
QStringList headerTexts(const QAbstractItemModel* model);
// A click on row `row` of a grid, in a column that scrolls (not under the frozen ones).
void clickRow(QTableView* grid, int row, Qt::KeyboardModifiers modifiers = {});

// The text of each page of a PDF file, read with pdftotext (poppler-utils); fails the test when
// the tool cannot read it.
QStringList pdfPages(const QString& path);

// A temporary trigger that makes every change of Account fail.
void failBalanceUpdates(TestDb& db);
void allowBalanceUpdates(TestDb& db);
