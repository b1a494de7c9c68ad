#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "HistoryBooks.h"
#include "ModalDriver.h"

#include "app/TFrmMain.h"
#include "app/THolderEvent.h"
#include "bookings/TBookingStore.h"
#include "bookings/TDetailRow.h"
#include "history/TFrmAccountHistory.h"
#include "reports/TFrmReports.h"
#include "reports/TReportBookings.h"
#include "toolkit/TChartView.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TFileDialogService.h"
#include "toolkit/TGridModel.h"
#include "toolkit/TMessageService.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Report = TFrmReports::Report;

template <typename T>
T* child(const QWidget& w, const char* name)
{
    auto* c = w.findChild<T*>(QString::fromLatin1(name));
    if (c == nullptr)
        qFatal("no child %s", name);
    return c;
}

const char* const Names[] = {"IncomeSpending", "WhereMoneyGoes", "BalanceOverTime"};

TDBGridView* grid(const TFrmReports& w, Report report)
{
    return child<TDBGridView>(w, QByteArray("grd").append(Names[int(report)]).constData());
}

TChartView* chart(const TFrmReports& w, Report report)
{
    return child<TChartView>(w, QByteArray("cht").append(Names[int(report)]).constData());
}

// The money cells of a report's table, row by row, from the first money column on.
QList<QList<qint64>> tableMoney(const TFrmReports& w, Report report)
{
    const TRowSet& rows = grid(w, report)->gridModel()->rows();
    QList<QList<qint64>> table;
    for (int r = 0; r < rows.rowCount(); ++r) {
        QList<qint64> line;
        for (int c = 0; c < rows.columnCount(); ++c)
            if (rows.kind(c) == TRowSet::Kind::Money)
                line << rows.number(r, c);
        table << line;
    }
    return table;
}

// The same figures as the core computes them for the window's holders and period.
QList<QList<qint64>> coreMoney(const TFrmReports& w, Report report, bool income = false, bool payee = false)
{
    QList<QList<qint64>> table;
    if (report == Report::IncomeSpending) {
        for (const TIncomeSpending::Month& m : TIncomeSpending::compute(w.holders(), w.period()))
            table << QList<qint64>{m.income.raw(), m.spending.raw(), m.transfersIn.raw(), m.transfersOut.raw(),
                                   m.net().raw()};
    } else if (report == Report::WhereMoneyGoes) {
        const auto result = TWhereMoneyGoes::compute(
            w.holders(), w.period(), income ? TWhereMoneyGoes::Flow::Income : TWhereMoneyGoes::Flow::Spending,
            payee ? TWhereMoneyGoes::GroupBy::Payee : TWhereMoneyGoes::GroupBy::Purpose);
        for (const TWhereMoneyGoes::Group& g : result.groups)
            table << QList<qint64>{g.amount.raw()};
    } else {
        const TBalanceOverTime::Result r = TBalanceOverTime::compute(w.holders(), w.period());
        for (int m = 0; m < r.totals.size(); ++m) {
            QList<qint64> line;
            for (const TBalanceOverTime::Line& l : r.lines)
                line << l.balances[m].raw();
            table << (line << r.totals[m].raw());
        }
    }
    return table;
}

// The sum of the amounts the history window lists, and how many rows it has.
std::pair<qint64, int> historySum(const TFrmAccountHistory& history)
{
    const TRowSet& rows = child<TDBGridView>(history, "dbgrdh1")->gridModel()->rows();
    const int amount = rows.indexOf(u"Amount");
    qint64 sum = 0;
    for (int r = 0; r < rows.rowCount(); ++r)
        sum += rows.number(r, amount);
    return {sum, rows.rowCount()};
}

// Waits until the window shows the figures of its newest choice.
bool figuresShown(const TFrmReports& w)
{
    return QTest::qWaitFor([&w] { return !w.isCalculating(); }, 5000);
}

} // namespace

class TestReportsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { TMessageService::setTestMode(true); }
    void opensOnTheSelectedHolder_data();
    void opensOnTheSelectedHolder();
    void tablesShowTheCoreFigures_data();
    void tablesShowTheCoreFigures();
    void figureOpensExactlyItsBookings_data();
    void figureOpensExactlyItsBookings();
    void everyFigureListsBookingsThatAddUpToIt_data();
    void everyFigureListsBookingsThatAddUpToIt();
    void chartIsSavedAsPictureOrPdf_data();
    void chartIsSavedAsPictureOrPdf();
    void followsASavedBooking();
    void exportWritesTheTable();
    void printedFirstPageHoldsTheChart_data();
    void printedFirstPageHoldsTheChart();
    void sizeIsKeptAcrossRuns_data();
    void sizeIsKeptAcrossRuns();
};

void TestReportsWindow::opensOnTheSelectedHolder_data()
{
    QTest::addColumn<QString>("selected"); // "" for no tile
    QTest::addColumn<bool>("byMenu");
    dataRow("no tile, toolbar", "", false);
    dataRow("bank tile, menu", "bank", true);
    dataRow("cash tile, toolbar", "cash", false);
}

void TestReportsWindow::opensOnTheSelectedHolder()
{
    QFETCH(QString, selected);
    QFETCH(bool, byMenu);
    HistoryBooks b;
    TFrmMain w;
    const qint32 id = selected == u"bank" ? b.bank : selected == u"cash" ? b.cash : 0;
    if (id > 0) {
        THolderEvent e(THolderEvent::WM_HOLDERSELECT, id, selected == u"cash" ? 1 : 0);
        QCoreApplication::sendEvent(&w, &e);
    }
    child<QAction>(w, byMenu ? "mniMenu_Reports" : "btnToolReports")->trigger();
    TFrmReports* reports = w.reportsWindow();
    QVERIFY(reports != nullptr);
    QVERIFY(reports->isVisible());
    QVERIFY(!reports->isModal());
    QVERIFY(figuresShown(*reports));
    QCOMPARE(reports->holders().holderId(), id);
    QCOMPARE(tableMoney(*reports, Report::IncomeSpending), coreMoney(*reports, Report::IncomeSpending));
    reports->close();
}

void TestReportsWindow::tablesShowTheCoreFigures_data()
{
    QTest::addColumn<int>("holderEntry"); // of the holder list
    QTest::addColumn<int>("period");      // of the period list
    QTest::addColumn<int>("report");
    QTest::addColumn<bool>("income");
    QTest::addColumn<bool>("payee");
    dataRow("all, this year, income and spending", 0, 0, 0, false, false);
    dataRow("accounts, last 12 months, income and spending", 1, 1, 0, false, false);
    dataRow("first account, all years, where by purpose", 2, 2, 1, false, false);
    dataRow("all, this year, where, income by payee", 0, 0, 1, true, true);
    dataRow("accounts, all years, balance", 1, 2, 2, false, false);
    dataRow("all, last 12 months, balance", 0, 1, 2, false, false);
}

void TestReportsWindow::tablesShowTheCoreFigures()
{
    QFETCH(int, holderEntry);
    QFETCH(int, period);
    QFETCH(int, report);
    QFETCH(bool, income);
    QFETCH(bool, payee);
    HistoryBooks b;
    TFrmReports w;
    w.show();
    child<QTabWidget>(w, "tabReports")->setCurrentIndex(report);
    child<QComboBox>(w, "cbbHolder")->setCurrentIndex(holderEntry);
    child<QComboBox>(w, "cbbPeriod")->setCurrentIndex(period);
    child<QRadioButton>(w, income ? "rbIncome" : "rbSpending")->setChecked(true);
    child<QRadioButton>(w, payee ? "rbPayee" : "rbPurpose")->setChecked(true);
    QVERIFY(figuresShown(w));
    const QList<QList<qint64>> expected = coreMoney(w, Report(report), income, payee);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(tableMoney(w, Report(report)), expected);
    // The chart shows the same figures: one category per row.
    QCOMPARE(chart(w, Report(report))->categories().size(), expected.size());
}

void TestReportsWindow::figureOpensExactlyItsBookings_data()
{
    QTest::addColumn<int>("holderEntry"); // 0 all, 2 the bank
    QTest::addColumn<int>("report");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("category"); // -1: the last
    QTest::addColumn<bool>("byKey");   // Enter on the table's cell, else a click on the chart's element
    dataRow("bank: income of March, chart", 2, 0, 0, -1, false);
    dataRow("bank: spending of March, table", 2, 0, 1, -1, true);
    dataRow("all: spending of February, chart", 0, 0, 1, 1, false);
    dataRow("bank: transfers out of March, table", 2, 0, 3, -1, true);
    dataRow("all: income of March, table", 0, 0, 0, -1, true);
    dataRow("bank: largest purpose, chart", 2, 1, 0, 0, false);
    dataRow("all: largest purpose, table", 0, 1, 0, 0, true);
}

void TestReportsWindow::figureOpensExactlyItsBookings()
{
    QFETCH(int, holderEntry);
    QFETCH(int, report);
    QFETCH(int, series);
    QFETCH(int, category);
    QFETCH(bool, byKey);
    HistoryBooks b;
    TFrmReports w;
    w.show();
    child<QTabWidget>(w, "tabReports")->setCurrentIndex(report);
    // The bank alone: its transfer to Cash crosses the edge; for all holders none does.
    child<QComboBox>(w, "cbbHolder")->setCurrentIndex(holderEntry);
    QCOMPARE(w.holders().holderId(), holderEntry == 0 ? 0 : b.bank);
    QVERIFY(figuresShown(w));
    TChartView* c = chart(w, Report(report));
    const int row = category >= 0 ? category : int(c->categories().size()) - 1;
    const Currency figure = c->series()[series].values[row];
    QVERIFY(!figure.isZero());
    if (byKey) {
        TDBGridView* g = grid(w, Report(report));
        g->setFocus();
        g->setCurrentIndex(g->model()->index(row, report == 0 ? series + 1 : 1));
        QTest::keyClick(g, Qt::Key_Return);
    } else {
        emit c->activated(series, row);
    }
    TFrmAccountHistory* history = w.historyWindow();
    QVERIFY(history != nullptr);
    QVERIFY(history->showsFigure());
    const auto [sum, count] = historySum(*history);
    QCOMPARE(sum, figure.raw());
    QVERIFY(count > 0);
}

void TestReportsWindow::everyFigureListsBookingsThatAddUpToIt_data()
{
    QTest::addColumn<QString>("holders"); // all, accounts, wallets, bank, cash
    for (const char* h : {"all", "accounts", "wallets", "bank", "cash"})
        QTest::newRow(h) << QString::fromLatin1(h);
}

void TestReportsWindow::everyFigureListsBookingsThatAddUpToIt()
{
    // The month totals the figures come from and the ledger the bookings come from agree for every
    // month and figure (the net counts debits and transfers out negative).
    QFETCH(QString, holders);
    HistoryBooks b;
    const TReportHolders chosen = holders == u"all"        ? TReportHolders::choice(THolderFamily::All)
                                  : holders == u"accounts" ? TReportHolders::choice(THolderFamily::Accounts)
                                  : holders == u"wallets"  ? TReportHolders::choice(THolderFamily::Wallets)
                                  : holders == u"bank"     ? TReportHolders::choice(THolderFamily::Accounts, b.bank)
                                                           : TReportHolders::choice(THolderFamily::Wallets, b.cash);
    const TReportPeriod period = TReportPeriod::thisYear(HistoryBooks::now().date());
    int nonZero = 0;
    for (const TIncomeSpending::Month& m : TIncomeSpending::compute(chosen, period)) {
        const Currency figures[] = {m.income, m.spending, m.transfersIn, m.transfersOut, m.net()};
        for (int f = 0; f < 5; ++f) {
            const TRowSet rows =
                TReportBookings::rows(TIncomeSpending::filter(chosen, period, m.month, TIncomeSpending::Figure(f)));
            const int amount = rows.indexOf(u"Amount");
            const int type = rows.indexOf(u"type");
            qint64 sum = 0;
            for (int r = 0; r < rows.rowCount(); ++r) {
                const bool out = rows.number(r, type) == 1 || rows.number(r, type) == 2;
                sum += f == 4 && out ? -rows.number(r, amount) : rows.number(r, amount);
            }
            QCOMPARE(sum, figures[f].raw());
            nonZero += figures[f].isZero() ? 0 : 1;
        }
    }
    QVERIFY(nonZero > 0);
}

void TestReportsWindow::chartIsSavedAsPictureOrPdf_data()
{
    QTest::addColumn<int>("type"); // 1 PNG, 2 PDF
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("magic");
    dataRow("png without extension", 1, "chart", "chart.png", QByteArray("\x89PNG"));
    dataRow("pdf with extension", 2, "march.PDF", "march.PDF", QByteArray("%PDF"));
}

void TestReportsWindow::chartIsSavedAsPictureOrPdf()
{
    QFETCH(int, type);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QByteArray, magic);
    HistoryBooks b;
    TFrmReports w;
    w.show();
    QVERIFY(figuresShown(w));
    QTemporaryDir dir;
    TFileDialogService::setTestMode(true);
    TFileDialogService::setNextChoice(TFileDialogService::Choice{dir.filePath(typed), type});
    child<QAction>(w, "btnSaveChart")->trigger();
    QFile file(dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(magic));
    QVERIFY(TMessageService::takeShown().isEmpty());
}

void TestReportsWindow::followsASavedBooking()
{
    HistoryBooks b;
    TFrmReports w;
    w.show();
    QVERIFY(figuresShown(w));
    const QList<QList<qint64>> before = tableMoney(w, Report::IncomeSpending);
    TDetailRow row;
    row.Type = TDetailRow::Deposit;
    row.DestID = b.bank;
    row.Date = HistoryBooks::now();
    row.From = QStringLiteral("Bonus");
    row.Amount = money("123.45");
    TBookingStore::saveDetail(row);
    QTRY_VERIFY(tableMoney(w, Report::IncomeSpending) != before);
    QCOMPARE(tableMoney(w, Report::IncomeSpending), coreMoney(w, Report::IncomeSpending));
    QCOMPARE(tableMoney(w, Report::IncomeSpending).last().first() - before.last().first(), money("123.45").raw());
}

void TestReportsWindow::exportWritesTheTable()
{
    HistoryBooks b;
    TFrmReports w;
    w.show();
    QVERIFY(figuresShown(w));
    QTemporaryDir dir;
    TFileDialogService::setTestMode(true);
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    TFileDialogService::setNextChoice(TFileDialogService::Choice{path, 2});
    TMessageService::setNextAnswer(QMessageBox::No);
    child<QAction>(w, "btnExport")->trigger();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(file.readAll());
    for (const QString& month : chart(w, Report::IncomeSpending)->categories())
        QVERIFY2(text.contains(month), qPrintable(month));
    QVERIFY(text.contains(QStringLiteral("Transfers Out")));
}

void TestReportsWindow::printedFirstPageHoldsTheChart_data()
{
    QTest::addColumn<int>("report");
    dataRow("income and spending", int(Report::IncomeSpending));
    dataRow("where the money goes", int(Report::WhereMoneyGoes));
}

void TestReportsWindow::printedFirstPageHoldsTheChart()
{
    QFETCH(int, report);
    HistoryBooks b;
    TFrmReports w;
    w.show();
    child<QTabWidget>(w, "tabReports")->setCurrentIndex(report);
    QVERIFY(figuresShown(w));
    // The colour of the first series' largest bar, as the chart paints it.
    TChartView* c = chart(w, Report(report));
    const QList<Currency> values = c->series().first().values;
    const int largest = int(std::max_element(values.begin(), values.end()) - values.begin());
    QImage drawn(c->size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
        QPainter painter(&drawn);
        c->render(painter, drawn.rect());
    }
    const QColor bar = drawn.pixelColor(c->elementRect(0, largest).center());

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    {
        ModalDriver driver([&](QDialog* d) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(d);
            QVERIFY(preview != nullptr);
            preview->printer()->setOutputFormat(QPrinter::PdfFormat);
            preview->printer()->setOutputFileName(pdf);
            preview->findChild<QPrintPreviewWidget*>()->print();
        });
        child<QAction>(w, "btnPrint")->trigger();
        QVERIFY(driver.dialogSeen());
    }
    // The first page as a picture (poppler's pdftoppm).
    const QString png = dir.filePath(QStringLiteral("page"));
    QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                               {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-f"), QStringLiteral("1"),
                                QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-png"),
                                QStringLiteral("-singlefile"), pdf, png}),
             0);
    const QImage page(png + QStringLiteral(".png"));
    QVERIFY(!page.isNull());
    // The bar's colour in the upper half of the page, where the chart goes; none in the table below.
    int above = 0;
    int below = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor p = page.pixelColor(x, y);
            if (std::abs(p.red() - bar.red()) + std::abs(p.green() - bar.green()) + std::abs(p.blue() - bar.blue()) <
                12)
                ++(y < page.height() / 2 ? above : below);
        }
    }
    QVERIFY2(above > 20, qPrintable(QString::number(above)));
    QCOMPARE(below, 0);
}

void TestReportsWindow::sizeIsKeptAcrossRuns_data()
{
    QTest::addColumn<QSize>("set"); // invalid: the window never opened
    QTest::addColumn<QSize>("opens");
    dataRow("a size set", QSize(900, 700), QSize(900, 700));
    dataRow("another size set", QSize(1000, 620), QSize(1000, 620));
    dataRow("nothing kept", QSize(), QSize(760, 560));
}

void TestReportsWindow::sizeIsKeptAcrossRuns()
{
    QFETCH(QSize, set);
    QFETCH(QSize, opens);
    HistoryBooks b; // settings in Qt's test folder from here on
    QSettings(QStringLiteral("Tavrin"), QStringLiteral("Budget")).remove(QStringLiteral("WindowSizes"));
    if (set.isValid()) {
        TFrmReports first;
        first.show();
        first.resize(set);
        first.close();
    }
    // The settings as the next run reads them from the file.
    QCOMPARE(QSettings(QStringLiteral("Tavrin"), QStringLiteral("Budget"))
                 .value(QStringLiteral("WindowSizes/Reports"))
                 .toSize(),
             set);
    TFrmReports second;
    QCOMPARE(second.size(), opens);
}

QTEST_MAIN(TestReportsWindow)
#include "tst_reportswindow.moc"
