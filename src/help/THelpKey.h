#pragma once

#include <QObject>

class QWidget;

// F1 anywhere in the program: asks the help manager for the help context of the focused control,
// or of its nearest container that has one (the widget property "helpContext", an int above 0).
// Where a window binds F1 itself (the main window's "&Help Topics"), that binding comes first; in
// the help window F1 asks nothing.
class THelpKey final : public QObject
{
    Q_OBJECT

public:
    // Watches the application's key presses; a second call adds nothing.
    static void install();
    // The help context of the widget or of its nearest container that has one; 0 for none.
    static int contextOf(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
