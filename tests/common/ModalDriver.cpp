#include "ModalDriver.h"

#include <QApplication>
#include <QTimer>

struct ModalDriver::State
{
    std::function<void(QDialog*)> act;
    bool active = true;
    bool seen = false;
    bool leftOpen = false;
    QString className;
};

namespace {

void poll(const std::shared_ptr<ModalDriver::State>& state);

void schedule(const std::shared_ptr<ModalDriver::State>& state, int ms)
{
    QTimer::singleShot(ms, [state] { poll(state); });
}

void poll(const std::shared_ptr<ModalDriver::State>& state)
{
    if (!state->active || state->seen)
        return;
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
        schedule(state, 10);
        return;
    }
    state->seen = true;
    state->className = QString::fromLatin1(dialog->metaObject()->className());
    state->act(dialog);
    if (dialog->isVisible() && QApplication::activeModalWidget() == dialog) {
        state->leftOpen = true;
        dialog->reject();
    }
}

} // namespace

ModalDriver::ModalDriver(std::function<void(QDialog*)> act)
    : m_state(std::make_shared<State>())
{
    m_state->act = std::move(act);
    schedule(m_state, 0);
}

ModalDriver::~ModalDriver()
{
    m_state->active = false;
}

bool ModalDriver::dialogSeen() const
{
    return m_state->seen;
}

QString ModalDriver::seenClass() const
{
    return m_state->className;
}

bool ModalDriver::leftOpen() const
{
    return m_state->leftOpen;
}
