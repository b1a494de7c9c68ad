#include "BookingListWait.h"

#include "app/TBookingList.h"

#include <QTest>
#include <QWidget>

bool waitForBookingList(QWidget* window)
{
    auto* list = window->window()->findChild<TBookingList*>(QStringLiteral("BookingList"));
    if (list == nullptr) {
        QTest::qFail("the window has no booking list", __FILE__, __LINE__);
        return false;
    }
    if (!QTest::qWaitFor([list] { return !list->isBuilding(); }, 10000)) {
        QTest::qFail("the booking list did not arrive", __FILE__, __LINE__);
        return false;
    }
    return true;
}
