#include "BookingListWait.h"

#include "data/TLedgerSearch.h"

#include <QTest>
#include <QWidget>

#include <algorithm>

bool waitForBookingList(const QWidget* window)
{
    const QList<TLedgerSearch*> runners = window->window()->findChildren<TLedgerSearch*>();
    if (runners.isEmpty()) {
        QTest::qFail("the window has no booking list", __FILE__, __LINE__);
        return false;
    }
    const auto idle = [&runners] {
        return std::none_of(runners.begin(), runners.end(), [](const TLedgerSearch* r) { return r->isBusy(); });
    };
    if (!QTest::qWaitFor(idle, 10000)) {
        QTest::qFail("the booking list did not arrive", __FILE__, __LINE__);
        return false;
    }
    return true;
}
