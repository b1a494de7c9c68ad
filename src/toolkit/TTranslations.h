#pragma once

#include <QLocale>
#include <QString>

// The program's texts in the user's language: budget_<language>.qm from the translations folder
// beside the executable (TPaths), and Qt's own qtbase_<language>.qm for the standard dialogs and
// buttons. The program, the tests and the tools set up their application through install().
class TTranslations final
{
public:
    TTranslations() = delete;

    // Installs the translations of the first of the locale's languages (in the order of its
    // uiLanguages(), which follow LANGUAGE, LC_ALL and LANG) that the program has; English, the
    // language of the source texts, stops the search. Replaces what an earlier call installed.
    // Returns the language loaded ("de"), empty when the program shows its English texts.
    static QString install(const QLocale& locale = QLocale::system());
    // Takes out what install() put in place.
    static void remove();
};
