#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Finds the desktop's calculator and text editor for the Tools menu: the text editor is the
// desktop's own choice for plain text first (`xdg-mime query default text/plain` names its desktop
// entry, whose Exec line is started without a file), then a well-known editor on the PATH; the
// calculator is a well-known one on the PATH, as desktops name no default calculator.
class TDesktopTools
{
public:
    enum class Tool
    {
        Calculator,
        TextEditor
    };

    // A program to start, with its arguments.
    struct Launch
    {
        QString program;
        QStringList arguments;

        bool operator==(const Launch&) const = default;
    };

    // What the search asks of the system; tests give their own.
    struct System
    {
        // The path of the executable `name` on the PATH (or `name` itself when it is the path of an
        // executable); empty when there is none.
        std::function<QString(const QString& name)> findExecutable;
        // The desktop entry that opens plain text ("org.gnome.TextEditor.desktop"); empty when unknown.
        std::function<QString()> textHandler;
        // The contents of the desktop entry `id` from the applications folders; empty when none.
        std::function<QByteArray(const QString& id)> desktopEntry;
    };
    // The system the program runs on.
    static System realSystem();

    // The well-known programs, in the order in which they are tried.
    static QStringList calculators();
    static QStringList textEditors();

    // The programs installed for `tool`, the one to try first first; empty when there is none.
    static QList<Launch> candidates(Tool tool, const System& system);

    // The program of a desktop entry: its Exec line split into arguments (with the entry's quoting
    // and escapes) and its field codes for files, URLs, icon, name and location left out. Nothing for
    // an entry that is hidden, is not an application, runs in a terminal (nothing would show), or
    // whose program (or TryExec) is not installed.
    static std::optional<Launch> fromDesktopEntry(const QByteArray& entry, const System& system);
};
