// Times the history window's searches through the window itself, beside the sqlite3 shell running
// the same planned statements on the same file. Built with the project, run by hand (in a Release
// build):
//
//   bench_history [--db PATH]
//
// Without --db the database is made in a temporary folder and removed afterwards; an existing PATH
// is reused as it is (bench_search upgrades a file of version 1 and times that). Ours is what the
// user waits for: a keystroke in the search box (or the query dialog's OK) until the list is on
// view, that is the statement checked and submitted, run on the search runner's thread, the rows
// handed over, the "To" column added, the grid model filled and its footer summed. After the query
// dialog the window's activation runs too (the holder list read again, the simple search started
// and superseded by the advanced one), as it does for the user.

#include "BenchSupport.h"

#include "data/TClock.h"
#include "data/TDM.h"
#include "data/TLedgerQuery.h"
#include "history/TFrmAccountHistory.h"
#include "history/TFrmHistoryQuery.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TGridModel.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

using namespace Bench;

// The search runner's connection settings, for the shell.
const QString ShellSettings = QStringLiteral("PRAGMA mmap_size = 2147418112;\n"
                                             "PRAGMA cache_size = -65536;\n"
                                             "PRAGMA temp_store = MEMORY;");

// The 15th of the data's last month.
const QDateTime Now(QDate(2025, 12, 15), QTime(12, 0));

template <class T>
T* child(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no child %s", name);
    return found;
}

class HistoryBench
{
public:
    explicit HistoryBench(QString path)
        : m_path(std::move(path))
    {
        m_window.show();
        waitForList();
        QRadioButton* month = child<QRadioButton>(&m_window, "rbMonth");
        month->click();
        waitForList();
        m_search = child<QLineEdit>(&m_window, "edtSearch");
    }

    // `typed` in the search box, its last character (or, for an empty box, a Backspace) typed.
    void keystroke(const QString& typed)
    {
        const Timing ours = timeOurs([&] {
            {
                const QSignalBlocker quiet(m_search);
                m_search->setText(typed.isEmpty() ? QStringLiteral("x") : typed.chopped(1));
                m_search->setCursorPosition(m_search->text().size());
            }
            const QString key = typed.isEmpty() ? QString() : typed.right(1);
            QKeyEvent press(QEvent::KeyPress, typed.isEmpty() ? Qt::Key_Backspace : 0, Qt::NoModifier, key);
            QCoreApplication::sendEvent(m_search, &press);
            waitForList();
        });
        reportLast(QStringLiteral("Keystroke \"%1\": This Month, all holders").arg(typed), ours, 30);
    }

    // The query dialog over all years and all holders with `from` and `memo`, from its OK to the
    // list on view.
    void advanced(const QString& what, const QString& from, const QString& memo, double targetMs)
    {
        QList<double> walls;
        QList<double> cpus;
        for (int i = 0; i <= Repeats; ++i) {
            QElapsedTimer clock;
            double cpu = 0;
            QTimer::singleShot(0, &m_window, [&] {
                TFrmHistoryQuery* dialog = m_window.queryDialog();
                child<QDateTimeEdit>(dialog, "dtp1")->setDateTime(QDateTime(FirstDay, QTime(0, 0)));
                child<QDateTimeEdit>(dialog, "dtp2")->setDateTime(QDateTime(LastDay, QTime(23, 59, 59)));
                child<QComboBox>(dialog, "cbbAccWal")->setCurrentIndex(0);
                child<QComboBox>(dialog, "cbbType")->setCurrentIndex(0);
                child<QLineEdit>(dialog, "edtFrom")->setText(from);
                child<QLineEdit>(dialog, "edtMemo")->setText(memo);
                cpu = processorMs();
                clock.start();
                child<QPushButton>(dialog, "btnOK")->click();
            });
            m_window.btnQueryClick();
            waitForList();
            if (i > 0) {
                walls << clock.nsecsElapsed() / 1e6;
                cpus << processorMs() - cpu;
            }
        }
        reportLast(QStringLiteral("All years: %1").arg(what), {median(walls), median(cpus)}, targetMs);
    }

private:
    void waitForList()
    {
        if (!m_window.isBuilding())
            return;
        QEventLoop loop;
        QObject::connect(&m_window, &TFrmAccountHistory::listBuilt, &loop, &QEventLoop::quit);
        loop.exec();
    }

    // One line: ours beside the shell on the statement the window ran last.
    void reportLast(const QString& what, Timing ours, double targetMs)
    {
        const TLedgerQuery::Planned planned = m_window.currentSearch().plan(TDM::current().handle());
        const Timing shell =
            timeShell(m_path, literal(planned.sql, planned.values), QStringLiteral(".output /dev/null"), ShellSettings);
        const int rows = child<TDBGridView>(&m_window, "dbgrdh1")->gridModel()->rowCount();
        report(qPrintable(what), rows, ours, shell, 1e9, targetMs);
    }

    QString m_path;
    TFrmAccountHistory m_window;
    QLineEdit* m_search = nullptr;
};

} // namespace

int main(int argc, char** argv)
{
    prepareProcess();
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    QTemporaryDir dir;
    const QString path = prepareDatabase(app.arguments(), dir.path());
    TDM dm(path, false); // no daily backup of the benchmark file
    dm.DataModuleCreate();
    TClock::setFixed(Now);

    reportHeader();
    HistoryBench bench(path);
    for (const char* typed : {"", "m", "ma", "mar", "mark", "marke", "market", "MÜLLER"})
        bench.keystroke(QString::fromUtf8(typed));
    bench.advanced(QStringLiteral("Memo \"müller\" (about 1,000 bookings)"), QString(), QStringLiteral("müller"), 100);
    bench.advanced(QStringLiteral("From \"ard\" (about 140,000 bookings)"), QStringLiteral("ard"), QString(), 700);
    bench.advanced(QStringLiteral("Memo \"O'Neil\""), QString(), QStringLiteral("O'Neil"), 700);
    return 0;
}
