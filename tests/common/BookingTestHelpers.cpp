#include "BookingTestHelpers.h"

#include "data/TClock.h"
#include "help/THelpRouter.h"
#include "toolkit/TFileDialogService.h"
#include "toolkit/TShell.h"

#include <QApplication>
#include <QMetaEnum>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTest>

void startWindowTest(const QDateTime& now)
{
    pinLocale("en_US");
    // Settings (the windows' sizes) go to the test's own folder, never to the user's.
    QStandardPaths::setTestModeEnabled(true);
    TClock::setFixed(now);
    TMessageService::setTestMode(true);
    TMessageService::takeShown();
    TFileDialogService::setTestMode(true);
    TShell::setTestMode(true);
    TShell::takeRequests();
    THelpRouter::takeRequests();
}

QStringList tabOrder(QWidget* first, const QStringList& names)
{
    QStringList order;
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && names.contains(w->objectName()) && !order.contains(w->objectName()))
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    return order;
}

QStringList shownTexts()
{
    QStringList texts;
    for (const TMessageService::Shown& box : TMessageService::takeShown())
        texts << box.text;
    return texts;
}

QStringList shownBoxes()
{
    const QMetaEnum icons = QMetaEnum::fromType<QMessageBox::Icon>();
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Ok, "Ok"},         {QMessageBox::Save, "Save"},   {QMessageBox::Yes, "Yes"},
        {QMessageBox::No, "No"},         {QMessageBox::Abort, "Abort"}, {QMessageBox::Retry, "Retry"},
        {QMessageBox::Ignore, "Ignore"}, {QMessageBox::Close, "Close"}, {QMessageBox::Cancel, "Cancel"}};
    QStringList boxes;
    for (const TMessageService::Shown& box : TMessageService::takeShown()) {
        QStringList buttons;
        for (const auto& [button, name] : names) {
            if (box.buttons.testFlag(button))
                buttons << QLatin1String(name);
        }
        boxes << QStringLiteral("%1 (%2, %3): %4")
                     .arg(box.title, QLatin1String(icons.valueToKey(box.icon)), buttons.join(u'|'), box.text);
    }
    return boxes;
}

QStringList helpRequests()
{
    QStringList requests;
    for (const THelpRouter::Request& r : THelpRouter::takeRequests())
        requests << QStringLiteral("%1 %2")
                        .arg(r.kind == THelpRouter::Kind::Context ? QStringLiteral("context")
                                                                  : QStringLiteral("contents"))
                        .arg(r.context);
    return requests;
}

QWidget* shownHelpWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("FrmHelp") && w->isVisible())
            return w;
    }
    return nullptr;
}

QStringList comboTexts(const QComboBox* combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

void chooseRowByKeys(QComboBox* list, int index)
{
    if (index < 0 || index >= list->count())
        qFatal("no row %d in %s", index, qPrintable(list->objectName()));
    while (list->currentIndex() < index)
        QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > index)
        QTest::keyClick(list, Qt::Key_Up);
}

QString snapshot(TestDb& db)
{
    return db.snapshot();
}

namespace {

// Each holder's bookings: deposits - debits + transfers in - transfers out.
const char* const BookedBalance = "coalesce((select sum(Amount) from Detail where DestID = a.ID and type = 0), 0)"
                                  " - coalesce((select sum(Amount) from Detail where DestID = a.ID and type = 1), 0)"
                                  " + coalesce((select sum(Amount) from Transfer where DestID = a.ID), 0)"
                                  " - coalesce((select sum(Amount) from Transfer where SourceID = a.ID), 0)";

} // namespace

QStringList drift(TestDb& db)
{
    QSqlQuery q = db.dm().select(
        QStringLiteral("select a.ID, a.Balance, %1 from Account a").arg(QString::fromLatin1(BookedBalance)));
    QStringList out;
    while (q.next()) {
        if (q.value(1).toLongLong() != q.value(2).toLongLong())
            out << QStringLiteral("holder %1: Balance %2, bookings %3")
                       .arg(q.value(0).toInt())
                       .arg(q.value(1).toLongLong())
                       .arg(q.value(2).toLongLong());
    }
    return out;
}

TDetailRow detailRow(int type, qint32 holder, Currency amount, const QDateTime& when, const QString& from, qint32 id)
{
    return {id, type, holder, when, from, amount, {}, {}};
}

TTransferRow transferRow(qint32 source, qint32 dest, Currency amount, const QDateTime& when, const QString& from,
                         qint32 id)
{
    return {id, source, dest, when, from, amount, {}, {}};
}

void settleBalances(TestDb& db)
{
    db.dm().execute(QStringLiteral("update Account set Balance = (select %1 from Account a where a.ID = Account.ID)")
                        .arg(QString::fromLatin1(BookedBalance)));
}

QStringList columnTexts(const QAbstractItemModel* model, int column)
{
    QStringList out;
    for (int r = 0; r < model->rowCount(); ++r)
        out << model->data(model->index(r, column)).toString();
    return out;
}

QStringList headerTexts(const QAbstractItemModel* model)
{
    QStringList out;
    for (int c = 0; c < model->columnCount(); ++c)
        out << model->headerData(c, Qt::Horizontal).toString();
    return out;
}

void clickRow(QTableView* grid, int row, Qt::KeyboardModifiers modifiers)
{
    const int column = grid->model()->columnCount() > 2 ? 2 : 0;
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, cell.center());
}

QStringList pdfPages(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        QTest::qFail("pdftotext could not read the file (is poppler-utils installed?)", __FILE__, __LINE__);
        return {};
    }
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\f');
    // The text ends with a form feed after the last page.
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

void failBalanceUpdates(TestDb& db)
{
    db.addTrigger(QStringLiteral("Account"), QStringLiteral("UPDATE"), TestDb::TriggerEffect::Fail);
}

void allowBalanceUpdates(TestDb& db)
{
    db.dropTrigger(QStringLiteral("Account"), QStringLiteral("UPDATE"));
}
