#pragma once

#include <QString>
#include <QStringList>

// Which help file the program opens: the one in the user's language when it lies beside the
// program's help file ("budget_de.chm" beside "budget.chm"), else the program's help file, which is
// English. The languages are the user's, most wanted first, as QLocale::uiLanguages() gives them
// ("de-DE", "de", "en-US"); the first one that is English, or has a help file, decides.
class THelpLanguage final
{
public:
    static QString helpFileFor(const QString& helpFile, const QStringList& uiLanguages);
    // The help file for the user's languages as Qt reads them (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    static QString systemHelpFile(const QString& helpFile);
};
