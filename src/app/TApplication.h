#pragma once

#include <QApplication>

// The application object. A failure that escapes an event handler ends that event's handling and
// is shown in the error box; the program goes on.
class TApplication final : public QApplication
{
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    // The program's name and version, set before any application object exists (--help and
    // --version answer without a display).
    static void setIdentity();

    bool notify(QObject* receiver, QEvent* event) override;
};
