#include "BookingListWait.h"
#include "HistoryBooks.h"

#include "app/TFrmMain.h"
#include "bookings/TFrmDebit.h"
#include "bookings/TFrmDeposit.h"
#include "bookings/TFrmTransfer.h"
#include "history/TFrmAccountHistory.h"
#include "history/TFrmHistoryQuery.h"
#include "holders/TFrmBankAccount.h"
#include "holders/TFrmWallet.h"
#include "reports/TFrmReports.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Every window of the program, made over the bookings of HistoryBooks.
std::unique_ptr<QWidget> makeWindow(const QString& name, const HistoryBooks& books)
{
    if (name == u"main")
        return std::make_unique<TFrmMain>();
    if (name == u"account")
        return std::make_unique<TFrmBankAccount>();
    if (name == u"wallet")
        return std::make_unique<TFrmWallet>();
    if (name == u"deposit") {
        auto d = std::make_unique<TFrmDeposit>();
        d->PresetHolder(books.bank);
        return d;
    }
    if (name == u"debit") {
        auto d = std::make_unique<TFrmDebit>();
        d->PresetHolder(books.bank);
        return d;
    }
    if (name.startsWith(u"transfer")) {
        // "transfer:bank,0": the source and the destination preset, 0 for none.
        const QStringList sides = name.contains(u':') ? name.section(u':', 1).split(u',')
                                                      : QStringList{QStringLiteral("bank"), QStringLiteral("cash")};
        auto holder = [&](int side) {
            return sides.value(side) == u"bank" ? books.bank : sides.value(side) == u"cash" ? books.cash : 0;
        };
        auto d = std::make_unique<TFrmTransfer>();
        d->PresetHolders(holder(0), holder(1));
        return d;
    }
    if (name == u"history")
        return std::make_unique<TFrmAccountHistory>();
    if (name == u"reports")
        return std::make_unique<TFrmReports>();
    return std::make_unique<TFrmHistoryQuery>();
}

} // namespace

// What a screen reader meets in each window: every control the keyboard reaches has a name.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("en_US"); }
    void everyFocusableControlIsNamed_data();
    void everyFocusableControlIsNamed();
    void bookingDialogsStartAtTheFirstFieldToFill_data();
    void bookingDialogsStartAtTheFirstFieldToFill();
    void tabLeavesADateField_data();
    void tabLeavesADateField();
};

void TestAccessibility::everyFocusableControlIsNamed_data()
{
    QTest::addColumn<QString>("window");
    for (const char* w : {"main", "account", "wallet", "deposit", "debit", "transfer", "history", "reports", "query"})
        QTest::newRow(w) << QString::fromLatin1(w);
}

void TestAccessibility::everyFocusableControlIsNamed()
{
    QFETCH(QString, window);
    HistoryBooks books;
    std::unique_ptr<QWidget> w = makeWindow(window, books);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QStringList unnamed;
    for (QWidget* control : w->findChildren<QWidget*>()) {
        if (!control->isVisible() || !control->isEnabled() || !(control->focusPolicy() & Qt::TabFocus) ||
            control->focusProxy() != nullptr)
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
        // On this platform a combo box's name is its current entry: its label comes from the label
        // whose buddy it is, which screen readers read with it.
        const bool named = a != nullptr && !a->text(QAccessible::Name).trimmed().isEmpty() &&
                           (!qobject_cast<QComboBox*>(control) || !a->relations(QAccessible::Label).isEmpty());
        if (!named)
            unnamed << control->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
}

void TestAccessibility::bookingDialogsStartAtTheFirstFieldToFill_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("first");
    QTest::newRow("deposit") << "deposit"
                             << "cbbFrom";
    QTest::newRow("debit") << "debit"
                           << "cbbTo";
    QTest::newRow("transfer, both holders chosen") << "transfer"
                                                   << "cbbFrom";
    QTest::newRow("transfer, no source") << "transfer:0,cash"
                                         << "cbbInf1";
    QTest::newRow("transfer, no destination") << "transfer:bank,0"
                                              << "cbbInf2";
}

void TestAccessibility::bookingDialogsStartAtTheFirstFieldToFill()
{
    QFETCH(QString, window);
    QFETCH(QString, first);
    HistoryBooks books;
    std::unique_ptr<QWidget> w = makeWindow(window, books);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(QApplication::focusWidget()->objectName(), first);
}

void TestAccessibility::tabLeavesADateField_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("next");
    QTest::newRow("deposit") << "deposit"
                             << "dtpDate" << true << "cbbFrom";
    QTest::newRow("deposit, back") << "deposit"
                                   << "dtpDate" << false << "cbbInf";
    QTest::newRow("debit") << "debit"
                           << "dtpDate" << true << "cbbTo";
    QTest::newRow("transfer") << "transfer"
                              << "dtpDate" << true << "cbbFrom";
    QTest::newRow("transfer, back") << "transfer"
                                    << "dtpDate" << false << "cbbInf2";
    QTest::newRow("query, first day") << "query"
                                      << "dtp1" << true << "dtp2";
    QTest::newRow("query, last day") << "query"
                                     << "dtp2" << true << "cbbAccWal";
    QTest::newRow("main window, first day") << "main"
                                            << "dtpRange1" << true << "dtpRange2";
    QTest::newRow("main window, last day") << "main"
                                           << "dtpRange2" << true << "cbbType";
    QTest::newRow("main window, last day, back") << "main"
                                                 << "dtpRange2" << false << "dtpRange1";
}

void TestAccessibility::tabLeavesADateField()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(bool, forward);
    QFETCH(QString, next);
    HistoryBooks books;
    std::unique_ptr<QWidget> w = makeWindow(window, books);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto* date = w->findChild<QWidget*>(field);
    QVERIFY(date != nullptr);
    date->setFocus(Qt::TabFocusReason);
    QTest::keyClick(date, forward ? Qt::Key_Tab : Qt::Key_Backtab, forward ? Qt::NoModifier : Qt::ShiftModifier);
    QVERIFY(QApplication::focusWidget() != nullptr);
    QCOMPARE(QApplication::focusWidget()->objectName(), next);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
