#include "TestDb.h"

#include "data/TLedgerQuery.h"
#include "history/TExportCommand.h"
#include "history/THistoryGrid.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TFileDialogService.h"
#include "toolkit/TGridModel.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TShell.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// A grid of `count` bookings: No., Date, Amount with its sum, memo.
void fill(TDBGridView& grid, int count, const QByteArray& memo = "memo")
{
    TGridOptions o;
    o.name = QStringLiteral("dbgrdh1");
    o.footerRows = 1;
    TGridColumn no;
    no.title = QStringLiteral("No.");
    no.rowNumbers = true;
    TGridColumn date;
    date.title = QStringLiteral("Date");
    date.field = QStringLiteral("Date1");
    date.footer = TGridColumn::Footer::Text;
    date.footerText = QStringLiteral("SUM");
    TGridColumn amount;
    amount.field = QStringLiteral("Amount");
    amount.footer = TGridColumn::Footer::Sum;
    TGridColumn text;
    text.field = QStringLiteral("Memo");
    grid.setGridLayout(o, {no, date, amount, text});
    TRowSet rows = TLedgerQuery::emptyRows();
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        rows.appendRow();
        rows.setNumber(TLedgerQuery::Date1, QDate(2026, 3, 1).toJulianDay());
        rows.setNumber(TLedgerQuery::Amount, money("2.5").raw());
        rows.setText(TLedgerQuery::Memo, memo);
    }
    grid.setRows(std::move(rows));
}

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestExportCommand : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void extensionRule_data();
    void extensionRule();
    void dialogAndQuestion_data();
    void dialogAndQuestion();
    void cancelWritesNothing();
    void unwritablePathShowsTheSystemMessage();
    void failedWriteKeepsTheExistingFile();
    void excelLimitIsRefused_data();
    void excelLimitIsRefused();
    void selectionAndCurrentRowStay();
    void htmlTakesTheWidthsAsShown_data();
    void htmlTakesTheWidthsAsShown();

private:
    QTemporaryDir m_dir;
};

void TestExportCommand::init()
{
    pinLocale("en_US");
    TMessageService::setTestMode(true);
    TFileDialogService::setTestMode(true);
    TShell::setTestMode(true);
}

void TestExportCommand::extensionRule_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("written");
    QTest::newRow("report") << "report"
                            << "xls"
                            << "report.xls";
    QTest::newRow("report.XLS") << "report.XLS"
                                << "xls"
                                << "report.XLS";
    QTest::newRow("report.xlsx") << "report.xlsx"
                                 << "xls"
                                 << "report.xlsx.xls";
    QTest::newRow("fooxls") << "fooxls"
                            << "xls"
                            << "fooxls";
    QTest::newRow("text") << "notes.htm"
                          << "txt"
                          << "notes.htm.txt";
    QTest::newRow("html") << "page.HTM"
                          << "htm"
                          << "page.HTM";
}

void TestExportCommand::extensionRule()
{
    QFETCH(QString, typed);
    QFETCH(QString, extension);
    QFETCH(QString, written);
    QCOMPARE(TExportCommand::withExtension(typed, extension), written);
    // And through the command: the file appears under that name.
    TDBGridView grid;
    fill(grid, 2);
    const int type = extension == QStringLiteral("xls") ? 1 : extension == QStringLiteral("txt") ? 2 : 3;
    TFileDialogService::setNextChoice(TFileDialogService::Choice{m_dir.filePath(typed), type});
    TMessageService::setNextAnswer(QMessageBox::No);
    TExportCommand::run(nullptr, &grid);
    QVERIFY2(QFile::exists(m_dir.filePath(written)), qPrintable(written));
    QVERIFY(QFile::remove(m_dir.filePath(written)));
}

void TestExportCommand::dialogAndQuestion_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("Excel, Yes") << 1 << true << QByteArray::fromHex("0908080000001000");
    QTest::newRow("text, No") << 2 << false << QByteArray("No.\tDate\tAmount\tmemo\r\n\t3/1/26\t2.5\tmemo");
    QTest::newRow("HTML, Yes") << 3 << true << QByteArray("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\r\n");
}

void TestExportCommand::dialogAndQuestion()
{
    QFETCH(int, type);
    QFETCH(bool, yes);
    QFETCH(QByteArray, start);
    TDBGridView grid;
    fill(grid, 3);
    const QString path = m_dir.filePath(QStringLiteral("dayreport"));
    TFileDialogService::setNextChoice(TFileDialogService::Choice{path, type});
    TMessageService::setNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
    QCOMPARE(TExportCommand::run(nullptr, &grid), TExportCommand::Outcome::Written);

    QCOMPARE(TFileDialogService::lastDefaultName(), QStringLiteral("dayreport"));
    QCOMPARE(
        TFileDialogService::lastFilters(),
        (QStringList{QStringLiteral("Excel(*.xls)"), QStringLiteral("text(*.txt)"), QStringLiteral("htm(*.htm)")}));
    const QString file = path + QStringLiteral(".") + QStringList{"xls", "txt", "htm"}.at(type - 1);
    QVERIFY(contentOf(file).startsWith(start));

    const auto shown = TMessageService::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, QStringLiteral("Confirm"));
    QCOMPARE(shown[0].text, QStringLiteral("Do you want to lunch the file?"));
    QCOMPARE(shown[0].icon, QMessageBox::Question);
    QCOMPARE(shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
    const QStringList opened = TShell::takeRequests();
    QCOMPARE(opened, yes ? QStringList{QUrl::fromLocalFile(file).toString()} : QStringList{});
    QVERIFY(QFile::remove(file));
}

void TestExportCommand::cancelWritesNothing()
{
    TDBGridView grid;
    fill(grid, 1);
    TFileDialogService::setNextChoice(std::nullopt);
    QCOMPARE(TExportCommand::run(nullptr, &grid), TExportCommand::Outcome::Cancelled);
    QVERIFY(TMessageService::takeShown().isEmpty());
    QVERIFY(QDir(m_dir.path()).isEmpty());
}

void TestExportCommand::unwritablePathShowsTheSystemMessage()
{
    TDBGridView grid;
    fill(grid, 2);
    const QString path = m_dir.filePath(QStringLiteral("missing/folder/report.txt"));
    TFileDialogService::setNextChoice(TFileDialogService::Choice{path, 2});
    TMessageService::setNextAnswer(QMessageBox::Yes);
    QCOMPARE(TExportCommand::run(nullptr, &grid), TExportCommand::Outcome::Failed);
    const auto shown = TMessageService::takeShown();
    QCOMPARE(shown.size(), 1); // the error, and no question
    QCOMPARE(shown[0].icon, QMessageBox::Critical);
    QVERIFY2(shown[0].text.contains(QStringLiteral("No such file or directory")), qPrintable(shown[0].text));
    QVERIFY2(shown[0].text.contains(QStringLiteral("report.txt")), qPrintable(shown[0].text));
    QVERIFY(!QFile::exists(path));
    QVERIFY(TShell::takeRequests().isEmpty());
}

void TestExportCommand::failedWriteKeepsTheExistingFile()
{
    const QString path = m_dir.filePath(QStringLiteral("keep.htm"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the previous export");
    }
    TDBGridView grid;
    fill(grid, 500);
    TFileDialogService::setNextChoice(TFileDialogService::Choice{path, 3});
    // A file-size limit makes the system refuse the write part way, even for root.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    TExportCommand::run(nullptr, &grid);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    const auto shown = TMessageService::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].icon, QMessageBox::Critical);
    QVERIFY2(shown[0].text.contains(QStringLiteral("keep.htm")), qPrintable(shown[0].text));
    QCOMPARE(contentOf(path), QByteArray("the previous export"));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.htm")});
    QVERIFY(TShell::takeRequests().isEmpty());
}

void TestExportCommand::excelLimitIsRefused_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("textBytes");
    QTest::newRow("too many rows") << 65534 << 4;
    QTest::newRow("text too long") << 1 << 70000;
}

void TestExportCommand::excelLimitIsRefused()
{
    QFETCH(int, rows);
    QFETCH(int, textBytes);
    const QString path = m_dir.filePath(QStringLiteral("big.xls"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("older");
    }
    TDBGridView grid;
    fill(grid, rows, QByteArray(textBytes, 'x'));
    TFileDialogService::setNextChoice(TFileDialogService::Choice{path, 1});
    TExportCommand::run(nullptr, &grid);
    const auto shown = TMessageService::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, QStringLiteral("Error"));
    QVERIFY2(shown[0].text.contains(QStringLiteral("cannot be written as an Excel file")), qPrintable(shown[0].text));
    QCOMPARE(contentOf(path), QByteArray("older"));
    QVERIFY(QFile::remove(path));

    // The same list as text is written.
    TFileDialogService::setNextChoice(TFileDialogService::Choice{path, 2});
    TMessageService::setNextAnswer(QMessageBox::No);
    TExportCommand::run(nullptr, &grid);
    QCOMPARE(contentOf(path + QStringLiteral(".txt")).count("\r\n"), rows + 1);
}

void TestExportCommand::selectionAndCurrentRowStay()
{
    TDBGridView grid;
    fill(grid, 5);
    grid.selectRow(1);
    grid.setCurrentIndex(grid.model()->index(3, 1));
    const QString path = m_dir.filePath(QStringLiteral("all.txt"));
    TFileDialogService::setNextChoice(TFileDialogService::Choice{path, 2});
    TMessageService::setNextAnswer(QMessageBox::No);
    TExportCommand::run(nullptr, &grid);
    // All five rows are written, whatever is selected; the current row is where it was.
    QCOMPARE(contentOf(path).count("\r\n"), 6);
    QCOMPARE(grid.currentIndex().row(), 3);
}

void TestExportCommand::htmlTakesTheWidthsAsShown_data()
{
    QTest::addColumn<QList<int>>("resized"); // column, width, column, width, ...
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("as designed") << QList<int>{} << QList<int>{30, 100, 100, 100, 100, 100, 100, 100, 200};
    QTest::newRow("resized by the user") << QList<int>{8, 260, 5, 70}
                                         << QList<int>{30, 100, 100, 100, 100, 70, 100, 100, 260};
    QTest::newRow("a fixed column keeps its width")
        << QList<int>{0, 60, 1, 45} << QList<int>{30, 45, 100, 100, 100, 100, 100, 100, 200};
}

void TestExportCommand::htmlTakesTheWidthsAsShown()
{
    QFETCH(QList<int>, resized);
    QFETCH(QList<int>, widths);
    TDBGridView grid;
    grid.setGridLayout(THistoryGrid::options(), THistoryGrid::columns());
    grid.setRows(TLedgerQuery::emptyRows());
    grid.resize(900, 300);
    grid.show();
    for (int i = 0; i + 1 < resized.size(); i += 2)
        grid.horizontalHeader()->resizeSection(resized[i], resized[i + 1]);
    const QString path = m_dir.filePath(QStringLiteral("widths.htm"));
    TFileDialogService::setNextChoice(TFileDialogService::Choice{path, 3});
    TMessageService::setNextAnswer(QMessageBox::No);
    QCOMPARE(TExportCommand::run(nullptr, &grid), TExportCommand::Outcome::Written);
    // Every row of the file, titles and footer alike, has the widths as shown.
    const QString html = QString::fromUtf8(contentOf(path));
    QList<int> written;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("<TD WIDTH=(\\d+)")).globalMatch(html))
        written << m.captured(1).toInt();
    QCOMPARE(written.size(), 2 * widths.size());
    QCOMPARE(written.mid(0, widths.size()), widths);
    QCOMPARE(written.mid(widths.size()), widths);
    QVERIFY(QFile::remove(path));
}

QTEST_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
