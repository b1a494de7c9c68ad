#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Hands addresses and programs to the desktop: web pages, mail, files, the calculator and the text
// editor. Failures are ignored, as a desktop's "open" is. Tests switch on the test mode and read
// back what would have been opened.
class TShell
{
public:
    static void openUrl(const QUrl& url);
    // Starts the first of `programs` that exists on the PATH; nothing happens when none does.
    static void runFirstOf(const QStringList& programs);

    static void setTestMode(bool on);
    // What was opened or started in test mode: URLs as text, programs as "run:" and their list.
    static QStringList takeRequests();
};
