#pragma once

class QWidget;

// The main window's booking list arrives from its search runner's thread: returns when the list
// asked for last is on view in `window` (the main window or any widget in it), or fails the test
// after ten seconds.
bool waitForBookingList(QWidget* window);
