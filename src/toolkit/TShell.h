#pragma once

#include "toolkit/TDesktopTools.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// Hands addresses and programs to the desktop: web pages, mail, files, the calculator and the text
// editor. Failures to open an address are ignored, as a desktop's "open" is; a tool that is not
// installed is told to the caller. Tests switch on the test mode and read back what would have been
// opened.
class TShell
{
public:
    static void openUrl(const QUrl& url);
    // Starts the desktop's calculator or text editor (see TDesktopTools), trying the next one found
    // when one fails to start; false when none is installed or none started.
    static bool startTool(TDesktopTools::Tool tool);

    static void setTestMode(bool on);
    // In test mode: the programs on the PATH, each found as its bare name; every program when not
    // given (the default after setTestMode). The desktop names no text handler in test mode.
    static void setTestPrograms(const std::optional<QStringList>& programs);
    // What was opened or started in test mode: URLs as text, programs as "run:" with the program and
    // its arguments separated by blanks.
    static QStringList takeRequests();
};
