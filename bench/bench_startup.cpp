// Times the program's start, to its main window painted over the large database (at the current
// schema, month totals and all), beside the start of a bare Qt program showing an empty window, in
// the same run. Built with the project, run by hand (in a Release build):
//
//   bench_startup [--db PATH]
//
// Without --db the database is made in a temporary folder and removed afterwards; an existing PATH
// is reused (a file of an older version is upgraded once before the timing). Each start is a
// process of its own, timed from its launch to the line "ready" it writes when its window has been
// painted: the program starts as main starts it (application, single instance, skin, help, program
// and main window with its tiles and list).

#include "BenchSupport.h"

#include "app/TApplication.h"
#include "app/TFrmMain.h"
#include "app/TProgram.h"
#include "data/TDM.h"
#include "data/TPaths.h"
#include "data/TSingleInstance.h"
#include "help/THelpSetup.h"
#include "toolkit/TSkin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>

namespace {

using namespace Bench;

// Writes "ready" once the first paint of the window `window()` names has been flushed, and ends.
class ReadyMark final : public QObject
{
public:
    explicit ReadyMark(std::function<QWidget*()> window)
        : m_window(std::move(window))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!m_marked && event->type() == QEvent::Paint && widget && widget->window() == m_window()) {
            m_marked = true;
            QTimer::singleShot(0, [] {
                std::printf("ready\n");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    std::function<QWidget*()> m_window;
    bool m_marked = false;
};

int emptyWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    ReadyMark mark([&window] { return &window; });
    window.show();
    return app.exec();
}

// Writes how long the step just done took, from main() on: "step <name> <ms>".
void step(const QElapsedTimer& clock, const char* name)
{
    std::printf("step %s %.1f\n", name, clock.nsecsElapsed() / 1e6);
}

int program(int argc, char** argv, const QString& dataFile)
{
    QElapsedTimer clock;
    clock.start();
    TApplication app(argc, argv);
    step(clock, "application");
    TSingleInstance instance(dataFile);
    if (instance.claim() != TSingleInstance::Claim::First)
        return 1;
    step(clock, "single-instance");
    TSkin::applyTo(app);
    THelpSetup help(TPaths::helpFile(), TPaths::helpCheckProgram());
    step(clock, "skin-and-help");
    TProgram started(dataFile);
    // Watching before start(), which shows the window.
    ReadyMark mark([&started]() -> QWidget* { return started.window(); });
    started.start();
    step(clock, "program-started");
    const int status = app.exec();
    return status;
}

// Milliseconds from the launch of this program with `arguments` to its "ready".
// The steps the program's last start wrote.
QByteArray g_steps;

double timeStart(const QStringList& arguments)
{
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments(arguments);
    QElapsedTimer clock;
    clock.start();
    child.start();
    double ms = -1;
    g_steps.clear();
    while (child.waitForReadyRead(60000)) {
        g_steps += child.readAllStandardOutput();
        if (g_steps.contains("ready")) {
            ms = clock.nsecsElapsed() / 1e6;
            break;
        }
    }
    if (!child.waitForFinished(60000))
        child.kill();
    return ms;
}

double medianStart(const QStringList& arguments)
{
    timeStart(arguments); // warm-up: the libraries and the file in the page cache
    QList<double> runs;
    for (int i = 0; i < Repeats; ++i)
        runs << timeStart(arguments);
    return median(runs);
}

} // namespace

int main(int argc, char** argv)
{
    prepareProcess();
    if (argc >= 2 && qstrcmp(argv[1], "--empty-window") == 0)
        return emptyWindow(argc, argv);
    if (argc >= 3 && qstrcmp(argv[1], "--program") == 0)
        return program(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = prepareDatabase(app.arguments(), dir.path());
    {
        // The file at the current schema before any timed start: the upgrade is timed by bench_reports.
        TDM dm(path, false);
        dm.DataModuleCreate();
    }
    const double empty = medianStart({QStringLiteral("--empty-window")});
    const double ours = medianStart({QStringLiteral("--program"), path});
    std::printf("The program's steps in its last start, ms from its main():\n%s", g_steps.constData());
    std::printf("Start to a painted window, median of %d (ms): empty Qt window %.0f; the program over %d deposits"
                " and debits and %d transfers %.0f: %.2f times the empty window (at most 1.5: %s)\n",
                Repeats, empty, Details, Transfers, ours, ours / empty, ours <= 1.5 * empty ? "ok" : "SLOWER");
    return 0;
}
