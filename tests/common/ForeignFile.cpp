#include "ForeignFile.h"

#include "TestDb.h"

#include "data/TSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The first page of a Jet 4 database: the magic number, the engine's name, the version (1 for Jet
// 4), then the header's scrambled bytes (any values here) and the rest of the 4096-byte page.
QByteArray accessPage()
{
    QByteArray page(4096, '\0');
    page.replace(0, 4, QByteArrayLiteral("\x00\x01\x00\x00"));
    page.replace(4, 16, QByteArrayLiteral("Standard Jet DB\0"));
    page[0x14] = 1;
    for (int i = 0x18; i < 0x18 + 126; ++i)
        page[i] = char((i * 37 + 11) & 0xff);
    return page;
}

void run(const QString& path, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        for (const QString& sql : statements) {
            QSqlQuery q(db);
            if (!q.exec(sql))
                qFatal("cannot run %s", qPrintable(sql));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
}

} // namespace

QString ForeignFile::lockTool()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("budget-crashdriver"));
}

ForeignFile::ForeignFile(const QString& kind, const QString& path)
    : m_path(path)
{
    if (kind == QStringLiteral("text")) {
        write(path, "Shopping list\nmilk\nbread\n");
    } else if (kind == QStringLiteral("access")) {
        write(path, accessPage());
    } else if (kind == QStringLiteral("zero bytes")) {
        write(path, QByteArray());
    } else if (kind == QStringLiteral("no tables")) {
        run(path, {QStringLiteral("create table Notes (id integer primary key, text)"),
                   QStringLiteral("insert into Notes (text) values ('mine')")});
    } else if (kind == QStringLiteral("newer version")) {
        TestDb::createFile(path);
        run(path, {QStringLiteral("PRAGMA user_version = %1").arg(TSchema::Version + 1)});
    } else if (kind == QStringLiteral("read-only")) {
        TestDb::createFile(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    } else if (kind == QStringLiteral("read-only folder")) {
        TestDb::createFile(path);
        m_lockedFolder = QFileInfo(path).absolutePath();
        QFile::setPermissions(m_lockedFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                  QFileDevice::ExeGroup);
    } else if (kind == QStringLiteral("truncated")) {
        TestDb::createFile(path);
        QStringList fill{QStringLiteral("insert into Account (name, type) values ('Bank', 0)")};
        for (int i = 0; i < 400; ++i)
            fill << QStringLiteral("insert into Detail (type, DestID, Date, [From], Amount) values "
                                   "(0, 1, '2026-01-01 10:00:00', 'a payer with a longer name %1', 10000)")
                        .arg(i);
        run(path, fill);
        QFile f(path);
        if (!f.resize(f.size() / 2))
            qFatal("cannot cut %s", qPrintable(path));
    } else if (kind.startsWith(QStringLiteral("locked"))) {
        TestDb::createFile(path);
        if (!kind.endsWith(QStringLiteral("wal")))
            run(path, {QStringLiteral("PRAGMA journal_mode = DELETE")});
        m_lock = std::make_unique<QProcess>();
        m_lock->start(lockTool(), {QStringLiteral("--hold-lock"), path});
        if (!m_lock->waitForReadyRead(10000) || !m_lock->readAllStandardOutput().startsWith("locked"))
            qFatal("cannot lock %s: %s", qPrintable(path), m_lock->readAllStandardError().constData());
    } else {
        qFatal("no foreign file of the kind %s", qPrintable(kind));
    }
}

ForeignFile::~ForeignFile()
{
    if (!m_lockedFolder.isEmpty())
        QFile::setPermissions(m_lockedFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (m_lock) {
        m_lock->closeWriteChannel();
        m_lock->waitForFinished(5000);
    }
}

QByteArray ForeignFile::bytes() const
{
    QFile f(m_path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
