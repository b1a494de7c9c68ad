#include "data/TNewDataFile.h"

#include "data/DbError.h"
#include "data/TSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

void TNewDataFile::create(const QString& path)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    if (QFileInfo::exists(target))
        throw DbError(QCoreApplication::translate("TNewDataFile", "%1 exists; it is left as it is.")
                          .arg(QDir::toNativeSeparators(target)));
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        throw DbError(QCoreApplication::translate("TNewDataFile", "The folder of %1 cannot be made.")
                          .arg(QDir::toNativeSeparators(target)));

    QTemporaryFile temp(target + QStringLiteral(".XXXXXX"));
    if (!temp.open())
        throw DbError(temp.errorString());
    const QString tempPath = temp.fileName();
    temp.close();

    const QString connection = QStringLiteral("create-%1").arg(quintptr(&temp));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(tempPath);
        if (!db.open()) {
            const QString text = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            throw DbError(text);
        }
        try {
            TSchema::create(db);
        } catch (const DbError&) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);

    // link() refuses an existing target, so a file that appeared meanwhile is not replaced either.
    if (::link(QFile::encodeName(tempPath).constData(), QFile::encodeName(target).constData()) != 0)
        throw DbError(QCoreApplication::translate("TNewDataFile", "%1 cannot be made: %2")
                          .arg(QDir::toNativeSeparators(target), QString::fromLocal8Bit(std::strerror(errno))));
}
