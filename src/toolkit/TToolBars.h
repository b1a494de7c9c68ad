#pragma once

class QAction;
class QToolBar;
class QWidget;

// The program's tool bars: flat, 32 x 32 pictures with their captions below.
class TToolBars
{
public:
    // A tool bar named `name` (the style sheet knows "tlb1"), fixed in place.
    static QToolBar* make(const char* name, QWidget* parent);
    // Adds `action` (named, with its caption and picture) as a button `width` x `height`, wider
    // only where its caption needs it; the button is named after the action and "Button", and its
    // caption is its accessible name.
    static QWidget* addButton(QToolBar* bar, QAction* action, int width, int height);
};
