#pragma once

#include "import/TCsvSettings.h"

#include <QString>
#include <QStringList>

#include <optional>

// The saved settings of banks' delimited statement files ("MyBank"), in the database. Names are
// unique whatever their case. Each profile remembers the holder it was last saved or used for, so
// the import offers that holder's last profile first.
class TImportProfiles
{
public:
    // The names, sorted without regard to case.
    static QStringList names();

    // The settings saved under `name` (any case); no value when there is none or it is damaged
    // (`error` says which).
    static std::optional<TCsvSettings> load(const QString& name, QString* error = nullptr);

    // The name as stored when a profile of that name exists (any case), else empty.
    static QString find(const QString& name);

    // Saves `settings` under `name` (blanks at both ends removed), replacing a profile of that name,
    // as the last profile of `holder`. Returns the name as stored. Throws std::invalid_argument for
    // an empty name.
    static QString save(const QString& name, const TCsvSettings& settings, qint32 holder);

    // The profile last saved or used for `holder`, else empty.
    static QString lastFor(qint32 holder);
};
