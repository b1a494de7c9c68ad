#pragma once

#include <QEvent>

// The three messages through which the tiles speak to the main window. "Sent" is a synchronous
// QCoreApplication::sendEvent, "posted" a queued postEvent.
class THolderEvent : public QEvent
{
public:
    // A mouse button was pressed on a tile: wParam the holder id, lParam 1 for a wallet, 0 for an account.
    static constexpr QEvent::Type WM_HOLDERSELECT = static_cast<QEvent::Type>(1125);
    // A tile was dropped on another holder's tile: wParam the dragged holder, lParam the one dropped on.
    static constexpr QEvent::Type WM_HOLDERTRANSFER = static_cast<QEvent::Type>(1126);
    // A tile was double-clicked (posted): wParam the holder id.
    static constexpr QEvent::Type WM_HOLDERPROPERTIES = static_cast<QEvent::Type>(1127);

    THolderEvent(QEvent::Type type, qint32 wParam, qint32 lParam);

    qint32 wParam() const { return m_wParam; }
    qint32 lParam() const { return m_lParam; }

private:
    qint32 m_wParam;
    qint32 m_lParam;
};
