// bench_backup: how long the daily backup keeps the window from answering, on a large file.
//
//   bench_backup --db PATH [--older N]
//
// PATH: a large Data.mdb (bench_lists --db PATH makes a 158 MB one). Opens the file as the program
// does, with a backup due, and runs the event loop until the copy is done, checked and placed, with
// a 1 ms timer beside it: the longest gap between two ticks is the longest the window could not
// answer. With --older N, the same again after that copy was put in the folder as the backups of
// the N days before: the rotation then checks each of them (on the worker thread). Then the same
// copy by the bare engine in one call (the SQLite C interface), and by the sqlite3 shell's
// ".backup", for comparison. The backups go to PATH's folder "backup", which is emptied first.

#include "data/TClock.h"
#include "data/TDM.h"
#include "data/TDailyBackup.h"
#include "data/TPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <sqlite3.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--db"));
    if (at < 0 || at + 1 >= args.size() || !QFileInfo::exists(args.at(at + 1))) {
        std::fprintf(stderr, "usage: bench_backup --db PATH [--older N] (PATH: an existing, large Data.mdb)\n");
        return 64;
    }
    const QString path = QFileInfo(args.at(at + 1)).absoluteFilePath();
    const qsizetype olderAt = args.indexOf(QStringLiteral("--older"));
    const int older = olderAt >= 0 && olderAt + 1 < args.size() ? args.at(olderAt + 1).toInt() : 0;
    const QString folder = TPaths::backupFolderFor(path);
    QDir(folder).removeRecursively();
    std::printf("%s: %.0f MB\n", qPrintable(path), QFileInfo(path).size() / 1e6);

    for (int round = 0; round < (older > 0 ? 2 : 1); ++round) {
        if (round == 1) {
            // The first round's copy stands in for the backups of the days before.
            const QDate today = TClock::now().date();
            const QString copy = QDir(folder).filePath(TDailyBackup::fileNameFor(today));
            for (int day = 1; day <= older; ++day) {
                const QString name = QDir(folder).filePath(TDailyBackup::fileNameFor(today.addDays(-day)));
                QFile::copy(copy, name);
                QFile f(name);
                f.open(QIODevice::ReadWrite);
                f.setFileTime(TClock::now().addDays(-day), QFileDevice::FileModificationTime);
            }
            QFile::remove(copy);
        }
        double longestGap = 0;
        double total = 0;
        double openMs = 0;
        int slices = 0;
        double longestSlice = 0;
        QElapsedTimer clock;
        clock.start();
        TDM dm(path);
        dm.DataModuleCreate();
        openMs = clock.nsecsElapsed() / 1e6;
        TDailyBackup* backup = dm.backup();
        if (backup == nullptr) {
            std::fprintf(stderr, "no backup was due\n");
            return 1;
        }
        QElapsedTimer sinceTick;
        sinceTick.start();
        QTimer ticker;
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestGap = std::max(longestGap, sinceTick.nsecsElapsed() / 1e6);
            sinceTick.restart();
        });
        ticker.start();
        QObject::connect(backup, &TDailyBackup::finished, &app, &QCoreApplication::quit);
        QObject::connect(backup, &TDailyBackup::failed, &app, [&](const QString& text) {
            std::fprintf(stderr, "backup failed: %s\n", qPrintable(text));
            app.exit(1);
        });
        if (app.exec() != 0)
            return 1;
        total = clock.nsecsElapsed() / 1e6;
        slices = backup->slices();
        longestSlice = backup->longestSliceMs();
        if (round == 1)
            std::printf("         again, with the backups of %d days before in the folder:\n", older);
        std::printf("ours:    open with the checks and the durability settings, and start the copy: %7.1f ms\n",
                    openMs);
        std::printf("         the copy, %d slices, checked, placed and rotated after            %7.1f ms\n", slices,
                    total);
        std::printf("         longest slice %.1f ms; longest the event loop did not answer     %7.1f ms\n",
                    longestSlice, longestGap);
    }

    // The bare engine: the whole copy in one step, the window blocked throughout.
    const QString bare = QDir(folder).filePath(QStringLiteral("bare.mdb"));
    QElapsedTimer clock;
    clock.start();
    sqlite3* src = nullptr;
    sqlite3* dst = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &src, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_open_v2(QFile::encodeName(bare).constData(), &dst, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    sqlite3_backup* b = sqlite3_backup_init(dst, "main", src, "main");
    const int rc = sqlite3_backup_step(b, -1);
    sqlite3_backup_finish(b);
    sqlite3_close(dst);
    sqlite3_close(src);
    std::printf("C API:   sqlite3_backup_step(-1) in one call (%s)                           %7.1f ms\n",
                rc == SQLITE_DONE ? "done" : "FAILED", clock.nsecsElapsed() / 1e6);
    QFile::remove(bare);

    QProcess shell;
    clock.restart();
    shell.start(QStringLiteral("sqlite3"), {path, QStringLiteral(".backup '%1'").arg(bare)});
    if (shell.waitForFinished(600000) && shell.exitCode() == 0)
        std::printf("sqlite3: .backup                                                           %7.1f ms\n",
                    clock.nsecsElapsed() / 1e6);
    else
        std::printf("sqlite3: the shell is not there or failed\n");
    QFile::remove(bare);
    return 0;
}
