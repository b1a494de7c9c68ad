#pragma once

#include <QString>

// The program's help for the length of one run: the help file, the engine over it, the help viewer
// registered with the help manager, and F1. Made once in main, before any window. The program says
// where the help file and the program that vets it are (help knows no folders of its own); the help
// file in the user's language beside it is opened instead when there is one (THelpLanguage).
class THelpSetup final
{
public:
    THelpSetup(const QString& helpFile, const QString& checkProgram);
    // Closes the help window and lets the viewer go.
    ~THelpSetup();
    Q_DISABLE_COPY_MOVE(THelpSetup)
};
