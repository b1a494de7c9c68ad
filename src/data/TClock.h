#pragma once

#include <QDateTime>

// The program's one source of the current time, so that "today", "this month" and the status-bar
// clock can be pinned in tests.
class TClock
{
public:
    static QDateTime now();

    // Pins now() to a fixed moment; an invalid QDateTime returns to the system clock.
    static void setFixed(const QDateTime& moment);
};
