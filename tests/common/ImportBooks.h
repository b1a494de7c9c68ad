#pragma once

#include "StatementFiles.h"
#include "TestDb.h"

#include "import/TImportPreview.h"
#include "import/TStatementFile.h"

#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// The bank's statement files as the user picks them, and imports of them through the import store.

enum class StatementKind
{
    Csv,
    Ofx,
    Qif
};

// The bank's statement of `entries` in `kind` (OFX as SGML).
QByteArray statementOf(StatementKind kind, const QList<StatementEntry>& entries);

// Statement files in a temporary folder.
class StatementDir
{
public:
    // Writes `bytes` into the folder as `name`; returns its path.
    QString write(const QString& name, const QByteArray& bytes);
    // The bank's statement of `entries` as "<name>.csv", ".ofx" or ".qif".
    QString write(const QString& name, StatementKind kind, const QList<StatementEntry>& entries);

private:
    QTemporaryDir m_dir;
};

// The file at `path`; a file that cannot be read ends the test program loudly.
TStatementFile statementFile(const QString& path);
// The settings the bank's files are read with: bankCsvSettings() for its CSV files, the file's own
// guess for the others.
TCsvSettings settingsFor(const TStatementFile& file);
// The preview of the file at `path` for `holder`, against the holder's stored fingerprints.
TImportPreview previewFor(const QString& path, qint32 holder);
// Books the new rows of the file at `path` for `holder` (every new row ticked); returns the import.
qint32 importFile(const QString& path, qint32 holder, const QString& profile = {});

// A holder's bookings, each "yyyy-MM-dd HH:mm:ss <signed amount> <From> | <For>", sorted.
QStringList bookingsOf(TestDb& db, qint32 holder);
// `entries` as bookingsOf() shows them once imported.
QStringList asBookings(const QList<StatementEntry>& entries);
