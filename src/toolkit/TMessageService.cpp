#include "toolkit/TMessageService.h"

#include <QApplication>
#include <QCoreApplication>
#include <QQueue>
#include <QWindow>

namespace {

struct TestState
{
    bool on = false;
    QQueue<QMessageBox::StandardButton> answers;
    TMessageService::Handler handler;
    QList<TMessageService::Shown> shown;
};

TestState& state()
{
    static TestState s;
    return s;
}

QMessageBox::StandardButton fallbackAnswer(QMessageBox::StandardButtons buttons)
{
    for (QMessageBox::StandardButton b : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok}) {
        if (buttons.testFlag(b))
            return b;
    }
    return QMessageBox::Ok;
}

} // namespace

QMessageBox::StandardButton TMessageService::show(QWidget* parent, const QString& title, const QString& text,
                                                  QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton)
{
    TestState& s = state();
    if (s.on) {
        const Shown box{title, text, icon, buttons};
        s.shown.append(box);
        if (!s.answers.isEmpty())
            return s.answers.dequeue();
        if (s.handler)
            return s.handler(box);
        return fallbackAnswer(buttons);
    }
    if (parent == nullptr)
        parent = QApplication::activeWindow();
    // The box is not a child of the window, so the window's style sheet does not reach it and it
    // keeps the platform's look; it stays modal and on top of the window that asked.
    QMessageBox box(icon, title, text, buttons);
    box.setWindowModality(Qt::ApplicationModal);
    if (parent != nullptr) {
        box.winId();
        if (QWindow* owner = parent->window()->windowHandle())
            box.windowHandle()->setTransientParent(owner);
    }
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    const int result = box.exec();
    return static_cast<QMessageBox::StandardButton>(result);
}

void TMessageService::ShowErrorBox(const QString& text, QWidget* parent)
{
    show(parent, QCoreApplication::translate("TMessageService", "Error"), text, QMessageBox::Critical, QMessageBox::Ok);
}

bool TMessageService::ask(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                          QMessageBox::StandardButton yes)
{
    return show(parent, QCoreApplication::translate("TMessageService", "Query"), text, QMessageBox::Question,
                buttons) == yes;
}

void TMessageService::setTestMode(bool on)
{
    TestState& s = state();
    s.on = on;
    s.answers.clear();
    s.handler = nullptr;
    s.shown.clear();
}

void TMessageService::setNextAnswer(QMessageBox::StandardButton answer)
{
    state().answers.enqueue(answer);
}

void TMessageService::setHandler(Handler handler)
{
    state().handler = std::move(handler);
}

QList<TMessageService::Shown> TMessageService::takeShown()
{
    return std::exchange(state().shown, {});
}

const QList<TMessageService::Shown>& TMessageService::shown()
{
    return state().shown;
}
