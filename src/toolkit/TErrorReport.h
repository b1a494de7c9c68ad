#pragma once

#include <QString>

#include <functional>

class QWidget;

// The program-wide error report. A command runs inside run(): a failure it does not handle itself
// (a failed statement, a file that cannot be read) ends the command there and the engine's or the
// system's text is shown in a message box. The program goes on; windows stay open, and what was
// written before the failure stays written.
class TErrorReport
{
public:
    // Runs `command`; returns false when it failed and the failure was reported.
    static bool run(QWidget* parent, const std::function<void()>& command);

    // Shows the error box of an unhandled failure.
    static void show(QWidget* parent, const QString& text);

    // A slot for a connect(): runs `member` of `receiver` inside run().
    template <class T>
    static auto guard(T* receiver, void (T::*member)())
    {
        return [receiver, member]() {
            run(receiver, [receiver, member]() { (receiver->*member)(); });
        };
    }
};
