#pragma once

#include <QApplication>

// The application object. A failure that escapes an event handler ends that event's handling and
// is shown in the error box; the program goes on.
class TApplication final : public QApplication
{
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
