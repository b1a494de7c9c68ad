#pragma once

#include <QList>

// Where the windows send their help requests: a topic by the window's help context number, or the
// table of contents. The help viewer takes the requests over; until it is there, they are recorded
// (tests read them) and nothing is shown.
class THelpRouter
{
public:
    enum class Kind
    {
        Context,
        Contents
    };
    struct Request
    {
        Kind kind;
        int context;
    };

    static void showContext(int context);
    static void showContents(int data = 1000);

    static QList<Request> takeRequests();
};
