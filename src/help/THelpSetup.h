#pragma once

#include <QtGlobal>

// The program's help for the length of one run: the help file "budget.chm", the engine over it,
// the help viewer registered with the help manager, and F1. Made once in main, before any window.
class THelpSetup final
{
public:
    THelpSetup();
    // Closes the help window and lets the viewer go.
    ~THelpSetup();
    Q_DISABLE_COPY_MOVE(THelpSetup)
};
