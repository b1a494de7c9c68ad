#pragma once

class QApplication;
class QWidget;

// The program's look: one application style and palette, and a style sheet for the program's own
// windows. Message boxes and file dialogs keep the platform's look.
class TSkin
{
public:
    // Sets the style and palette of the application.
    static void applyTo(QApplication& app);
    // Gives one of the program's own windows its style sheet, unless the application's palette is
    // a dark one.
    static void applyTo(QWidget* window);
    // Whether the application's palette is a dark one (a dark window colour).
    static bool isDark();
    // The dialogs' font: bold 9-point "MS Sans Serif" (the platform substitutes a sans serif).
    static void setDialogFont(QWidget* window);
};
