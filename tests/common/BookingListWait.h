#pragma once

class QWidget;

// The booking lists of the main window and of the history window arrive from their search runners'
// threads: returns when every list asked for last is on view in `window` (the window or any widget
// in it), or fails the test after ten seconds.
bool waitForBookingList(const QWidget* window);
