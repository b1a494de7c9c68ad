#include "app/THolderEvent.h"

THolderEvent::THolderEvent(QEvent::Type type, qint32 wParam, qint32 lParam)
    : QEvent(type)
    , m_wParam(wParam)
    , m_lParam(lParam)
{}
