#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

#include <memory>

// A "Data.mdb" that the program cannot use, made on purpose at `path`:
//   "text"           a text file
//   "access"         the first page of a Microsoft Access (Jet 4) file, after the published layout
//   "zero bytes"     an empty file
//   "no tables"      an SQLite file with a table of another program
//   "newer version"  the program's tables, with a schema version above this program's
//   "read-only"      a good file without write permission for anyone
//   "read-only folder" a good file in a folder without write permission for anyone
//   "truncated"      a good file with bookings, cut off at half its length
//   "locked"         a good file that another process keeps locked (rollback journal)
//   "locked, wal"    the same for a file the program has used (write-ahead log)
// The lock lasts as long as the object.
class ForeignFile
{
public:
    ForeignFile(const QString& kind, const QString& path);
    ~ForeignFile();

    // The file's bytes as they are now.
    QByteArray bytes() const;

    // The process that locks a file, found beside the test programs.
    static QString lockTool();

private:
    QString m_path;
    QString m_lockedFolder;
    std::unique_ptr<QProcess> m_lock;
};
