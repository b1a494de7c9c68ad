#pragma once

#include <QDialog>

#include <functional>
#include <memory>

// Drives the next modal dialog a command opens: once it is up, `act` runs on it (fill its boxes,
// click its buttons). If `act` leaves it open, it is rejected so the test never hangs. Waiting
// stops when the driver goes out of scope.
class ModalDriver
{
public:
    explicit ModalDriver(std::function<void(QDialog*)> act);
    ~ModalDriver();

    bool dialogSeen() const;
    // The class name of the dialog that was driven; empty when none opened.
    QString seenClass() const;
    // Whether the action left the dialog open, so that the driver had to close it.
    bool leftOpen() const;

    struct State;

private:
    std::shared_ptr<State> m_state;
};
