#include "BookingListWait.h"
#include "BookingTestHelpers.h"
#include "HistoryBooks.h"
#include "ModalDriver.h"

#include "history/TFrmAccountHistory.h"
#include "history/TFrmHistoryQuery.h"
#include "toolkit/TDBGridView.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList Boxes = {"edtFrom", "edtAmount1", "edtAmount2", "edtTo", "edtMemo"};

void type(const QDialog& d, const QStringList& texts)
{
    for (int i = 0; i < Boxes.size(); ++i)
        child<QLineEdit>(d, Boxes[i])->setText(texts.value(i));
}

QStringList typed(const QDialog& d)
{
    QStringList texts;
    for (const QString& box : Boxes)
        texts << child<QLineEdit>(d, box)->text();
    return texts;
}

void press(const QDialog& d, const char* button)
{
    QTest::mouseClick(child<QPushButton>(d, QString::fromLatin1(button)), Qt::LeftButton);
}

} // namespace

class TestHistoryQuery : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void controlsAndTabOrder();
    void startState();
    void holderListIsBuiltOnceAtCreation();
    void validation_data();
    void validation();
    void accessors();
    void criteriaKeptBetweenSearches_data();
    void criteriaKeptBetweenSearches();
};

void TestHistoryQuery::init()
{
    pinLocale("en_US");
    TMessageService::setTestMode(true);
}

void TestHistoryQuery::controlsAndTabOrder()
{
    TestDb db;
    TFrmHistoryQuery d;
    QCOMPARE(d.windowTitle(), QStringLiteral("Query for History"));
    QVERIFY(d.width() >= 300 && d.height() >= 286);
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QCOMPARE(child<QGroupBox>(d, "grp1")->title(), QStringLiteral("Basic Info"));
    QCOMPARE(child<QGroupBox>(d, "grp2")->title(), QStringLiteral("Match info"));
    const QList<std::pair<const char*, const char*>> labels = {
        {"lblDate", "dtp1"},           {"lblDateTo", "dtp2"},  {"lblAccWal", "cbbAccWal"},
        {"lblType", "cbbType"},        {"lblFrom", "edtFrom"}, {"lblAmount", "edtAmount1"},
        {"lblAmountTo", "edtAmount2"}, {"lblTo", "edtTo"},     {"lblMemo", "edtMemo"}};
    QStringList captions;
    for (auto [label, buddy] : labels) {
        QLabel* l = child<QLabel>(d, QString::fromLatin1(label));
        QCOMPARE(l->buddy()->objectName(), QString::fromLatin1(buddy));
        captions << l->text();
    }
    QCOMPARE(captions, (QStringList{"Date:", "to", "Acc/Wal:", "Type:", "From:", "Amount:", "to", "To:", "Memo:"}));
    QCOMPARE(child<QPushButton>(d, "btnOK")->text(), QStringLiteral("&Query"));
    QVERIFY(child<QPushButton>(d, "btnOK")->isDefault());
    QCOMPARE(child<QPushButton>(d, "btnClose")->text(), QStringLiteral("&Close"));
    const QStringList order = {"dtp1",       "dtp2",  "cbbAccWal", "cbbType", "edtFrom", "edtAmount1",
                               "edtAmount2", "edtTo", "edtMemo",   "btnOK",   "btnClose"};
    QCOMPARE(tabOrder(child<QWidget>(d, "dtp1"), order), order);
}

void TestHistoryQuery::startState()
{
    HistoryBooks books;
    TFrmHistoryQuery d;
    QCOMPARE(d.GetDateFrom(), HistoryBooks::now());
    QCOMPARE(d.GetDateTo(), HistoryBooks::now());
    QCOMPARE(d.GetHolderIndex(), 0);
    QVERIFY(!d.GetSelectedHolder());
    QCOMPARE(d.GetTypeIndex(), 0);
    QStringList types;
    auto* type = child<QComboBox>(d, "cbbType");
    for (int i = 0; i < type->count(); ++i)
        types << type->itemText(i);
    QCOMPARE(types, (QStringList{"-----All-----", "Deposit", "Debit", "Trans in", "Trans out"}));
    QCOMPARE(typed(d), (QStringList{"", "", "", "", ""}));
    QCOMPARE(child<QComboBox>(d, "cbbAccWal")->maxVisibleItems(), 15);
}

void TestHistoryQuery::holderListIsBuiltOnceAtCreation()
{
    HistoryBooks books;
    TFrmHistoryQuery d;
    auto* list = child<QComboBox>(d, "cbbAccWal");
    QStringList before;
    for (int i = 0; i < list->count(); ++i)
        before << list->itemText(i);
    QCOMPARE(before, (QStringList{"-----All-----", "---Account---", "    Bank", "    Card", "---Wallet---", "    Cash",
                                  "    Purse"}));
    books.db.addHolder(QStringLiteral("Later"), 0);
    d.show();
    d.hide();
    d.show();
    QCOMPARE(list->count(), before.size());
    list->setCurrentIndex(5);
    QCOMPARE(d.GetSelectedHolder()->ID, books.cash);
    QCOMPARE(d.GetSelectedHolder()->Text, QStringLiteral("    Cash"));
    list->setCurrentIndex(4);
    QVERIFY(!d.GetSelectedHolder());
    QCOMPARE(d.GetHolderIndex(), 4);
}

void TestHistoryQuery::validation_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("focus");
    QTest::newRow("both empty") << "en_US"
                                << ""
                                << ""
                                << ""
                                << "";
    QTest::newRow("minimum 10 alone") << "en_US"
                                      << "10"
                                      << ""
                                      << ""
                                      << "";
    QTest::newRow("maximum 10 alone") << "en_US"
                                      << ""
                                      << "10"
                                      << ""
                                      << "";
    QTest::newRow("equal") << "en_US"
                           << "10"
                           << "10"
                           << ""
                           << "";
    QTest::newRow("minimum of letters") << "en_US"
                                        << "ten"
                                        << "eleven"
                                        << "The minimum amount of money must be a number!"
                                        << "edtAmount1";
    QTest::newRow("maximum of letters") << "en_US"
                                        << "1"
                                        << "eleven"
                                        << "The maximum amount of money must be a number!"
                                        << "edtAmount2";
    QTest::newRow("minimum 20, maximum 10") << "en_US"
                                            << "20"
                                            << "10"
                                            << "The minimum amount should not be large than the maximum!!"
                                            << "edtAmount2";
    QTest::newRow("de_DE decimal comma") << "de_DE"
                                         << "2,5"
                                         << "10,25"
                                         << ""
                                         << "";
    QTest::newRow("de_DE point") << "de_DE"
                                 << "2.5"
                                 << ""
                                 << "The minimum amount of money must be a number!"
                                 << "edtAmount1";
}

void TestHistoryQuery::validation()
{
    QFETCH(QString, locale);
    QFETCH(QString, min);
    QFETCH(QString, max);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    pinLocale(qPrintable(locale));
    TestDb db;
    TFrmHistoryQuery d;
    d.show();
    type(d, {"", min, max, "", ""});
    child<QLineEdit>(d, "edtFrom")->setFocus();
    press(d, "btnOK");
    const auto shown = TMessageService::takeShown();
    if (message.isEmpty()) {
        QVERIFY(shown.isEmpty());
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(TDialog::mrOk));
        return;
    }
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, QStringLiteral("Error"));
    QCOMPARE(shown[0].icon, QMessageBox::Critical);
    QCOMPARE(shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(shown[0].text, message);
    QVERIFY(d.isVisible());
    QCOMPARE(d.focusWidget()->objectName(), focus);
    auto* box = child<QLineEdit>(d, focus);
    QCOMPARE(box->selectedText(), box->text());
}

void TestHistoryQuery::accessors()
{
    HistoryBooks books;
    TFrmHistoryQuery d;
    child<QDateTimeEdit>(d, "dtp1")->setDateTime(QDateTime(QDate(2026, 3, 1), QTime(23, 0)));
    child<QComboBox>(d, "cbbAccWal")->setCurrentIndex(2);
    child<QComboBox>(d, "cbbType")->setCurrentIndex(4);
    type(d, {"  Employer  ", " 1 ", "2", " Grocer ", " pay "});
    QCOMPARE(d.GetDateFrom(), QDateTime(QDate(2026, 3, 1), QTime(23, 0)));
    QCOMPARE(d.GetHolderIndex(), 2);
    QCOMPARE(d.GetSelectedHolder()->ID, books.bank);
    QCOMPARE(d.GetTypeIndex(), 4);
    QCOMPARE(d.GetFromText(), QStringLiteral("Employer"));
    QCOMPARE(d.GetMinAmountText(), QStringLiteral(" 1 "));
    QCOMPARE(d.GetMaxAmountText(), QStringLiteral("2"));
    QCOMPARE(d.GetToText(), QStringLiteral(" Grocer "));
    QCOMPARE(d.GetMemoText(), QStringLiteral(" pay "));
    const THistorySearch::Advanced c = d.criteria();
    QCOMPARE(c.first, QDate(2026, 3, 1));
    QCOMPARE(c.last, HistoryBooks::now().date());
    QCOMPARE(c.holderId, books.bank);
    QCOMPARE(c.fromText, QStringLiteral("Employer"));
}

void TestHistoryQuery::criteriaKeptBetweenSearches_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("rows");
    QTest::newRow("en_US") << "en_US" << QStringList{"", "2.5", "4", "", ""} << 3;
    QTest::newRow("de_DE") << "de_DE" << QStringList{"", "2,5", "4", "", ""} << 3;
    QTest::newRow("texts") << "en_US" << QStringList{" atm ", "", "", "", "cash"} << 2;
}

void TestHistoryQuery::criteriaKeptBetweenSearches()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, texts);
    QFETCH(int, rows);
    HistoryBooks books;
    pinLocale(qPrintable(locale));
    TFrmAccountHistory w;
    w.show();
    auto* grid = child<TDBGridView>(w, "dbgrdh1");
    {
        ModalDriver driver([&](QDialog* d) {
            child<QComboBox>(*d, "cbbAccWal")->setCurrentIndex(0);
            type(*d, texts);
            press(*d, "btnOK");
        });
        w.btnQueryClick();
        QVERIFY(driver.dialogSeen());
        QVERIFY(!driver.leftOpen());
    }
    QVERIFY(TMessageService::takeShown().isEmpty());
    QVERIFY(waitForBookingList(&w));
    QCOMPARE(grid->model()->rowCount(), rows);

    QStringList seen;
    {
        ModalDriver driver([&](QDialog* d) {
            seen = typed(*d);
            press(*d, "btnClose");
        });
        w.btnQueryClick();
        QVERIFY(driver.dialogSeen());
    }
    QCOMPARE(seen, texts);
    QCOMPARE(w.queryDialog()->result(), int(TDialog::mrCancel));
}

QTEST_MAIN(TestHistoryQuery)
#include "tst_historyquery.moc"
