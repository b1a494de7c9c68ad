#pragma once

#include "import/TCsvSettings.h"
#include "import/TImportFormat.h"
#include "import/TImportPreview.h"
#include "import/TStatement.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <atomic>
#include <optional>

// A bank statement file as the import reads it: its bytes, taken once, and its format. The reading
// settings are a TCsvSettings for every format: all of them for delimited files, the encoding, the
// date order and the amount notation for QIF files, none for OFX files (which say all themselves).
class TStatementFile
{
public:
    // Larger files are refused: no bank statement comes near it.
    static constexpr qint64 MaxSize = 256LL * 1024 * 1024;

    QString path;
    QByteArray bytes;
    TImportFormat::Kind format = TImportFormat::Kind::Csv;

    // Reads the file at `path`; no value (and `error` in the user's words) when it cannot be read.
    static std::optional<TStatementFile> load(const QString& path, QString* error);

    // The file's name without its folder.
    QString fileName() const;
    // "CSV", "OFX" or "QIF"; for a file that is no statement, what it is ("Spreadsheet", "PDF", "Binary").
    QString formatName() const;

    // Settings that read this file when nothing is known about its bank: guessed from a delimited
    // file, the QIF reader's guess for a QIF file, defaults for others. The date order is not taken as
    // chosen.
    TCsvSettings guess() const;

    // The statement in the file; a failed one (TStatement::failed) with the reason for a file that is
    // no statement at all.
    // `stop`, when given and set by another thread, ends the reading of a delimited file early.
    TStatement read(const TCsvSettings& settings, const std::atomic<bool>* stop = nullptr) const;

    // The columns of a delimited file read with `settings`, each as "title (first value)" from the
    // column titles (where the settings say the file has them) and the first transaction's line;
    // as many as the wider of the two has. Only the head of the file is read.
    QStringList columns(const TCsvSettings& settings) const;

    // The preview of the file read with `settings`, against the fingerprints the holder knows.
    TImportPreview preview(const TCsvSettings& settings, const QSet<QString>& known,
                           const std::atomic<bool>* stop = nullptr) const;
};
