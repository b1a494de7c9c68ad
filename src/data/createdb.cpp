// budget-createdb: creates a new, empty "Data.mdb" with the program's tables.
//
//   budget-createdb [path]      (default: the program's data file, Data.mdb beside this executable)
//
// An existing file is never touched: the tool refuses and exits with status 2. The database is
// built under a temporary name and linked into place only when complete, so an interrupted run
// leaves no half-made file behind.

#include "data/DbError.h"
#include "data/TPaths.h"
#include "data/TSchema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

int fail(const QString& message, int status)
{
    std::fprintf(stderr, "budget-createdb: %s\n", qPrintable(message));
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString target = QFileInfo(args.size() > 1 ? args.at(1) : TPaths::dataFile()).absoluteFilePath();
    if (QFileInfo::exists(target))
        return fail(QStringLiteral("%1 exists; it is left as it is.").arg(target), 2);

    QTemporaryFile temp(target + QStringLiteral(".XXXXXX"));
    if (!temp.open())
        return fail(temp.errorString(), 1);
    const QString tempPath = temp.fileName();
    temp.close();

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("create"));
        db.setDatabaseName(tempPath);
        if (!db.open())
            return fail(db.lastError().text(), 1);
        try {
            TSchema::create(db);
        } catch (const DbError& e) {
            return fail(e.text(), 1);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("create"));

    // link() refuses an existing target, so a file that appeared meanwhile is not replaced either.
    if (::link(QFile::encodeName(tempPath).constData(), QFile::encodeName(target).constData()) != 0)
        return fail(QStringLiteral("cannot create %1: %2").arg(target, QString::fromLocal8Bit(std::strerror(errno))),
                    1);
    std::printf("Created %s\n", qPrintable(target));
    return 0;
}
