#pragma once

#include "orders/TStandingOrder.h"

#include <QCoreApplication>
#include <QString>

// The words the order windows show for an order: its kind, its holders and its rhythm.
class TOrderTexts
{
    Q_DECLARE_TR_FUNCTIONS(TOrderTexts)

public:
    static QString kind(TStandingOrder::Kind kind);
    // "Every month", "Every 2 weeks", with its end ("until 12/31/27", "6 times").
    static QString rhythm(const TStandingOrder& order);
    // The holder's name; a transfer's source and destination ("Bank -> Cash").
    static QString holders(const TStandingOrder& order);
    // The units in the order of TStandingOrder::Unit, for a list to choose from.
    static QStringList units();
    // The weekend rules in the order of TStandingOrder::Weekend.
    static QStringList weekendRules();
};
