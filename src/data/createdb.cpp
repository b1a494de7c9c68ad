// budget-createdb: creates a new, empty "Data.mdb" with the program's tables.
//
//   budget-createdb [path]      (default: the program's data file, Data.mdb beside this executable)
//
// An existing file is never touched: the tool refuses and exits with status 2. The database is
// built under a temporary name and linked into place only when complete, so an interrupted run
// leaves no half-made file behind.

#include "data/DbError.h"
#include "data/TNewDataFile.h"
#include "data/TPaths.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

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

    try {
        TNewDataFile::create(target);
    } catch (const DbError& e) {
        return fail(e.text(), QFileInfo::exists(target) ? 2 : 1);
    }
    std::printf("Created %s\n", qPrintable(target));
    return 0;
}
