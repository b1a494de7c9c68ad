#pragma once

#include "data/Currency.h"

#include <QList>

#include <vector>

class TDM;

// The balance changes of one write, one entry per holder, applied inside the caller's transaction.
// Holders of a booking as it is written must exist; holders that only give an old booking back may
// be gone.
class TBalanceChanges
{
public:
    // Adds `delta` to what `holder` gets; a sum outside the range of money is refused.
    void add(qint32 holder, Currency delta, bool mustExist);

    // Runs one relative update per holder. A balance that would leave the currency range is refused
    // rather than handed to the engine, which would turn it into a floating-point value.
    void apply(const TDM& db) const;

    // The holders in the order they were first added.
    QList<qint32> holders() const;

private:
    struct Change
    {
        qint32 holder;
        Currency delta;
        bool mustExist;
    };
    std::vector<Change> m_changes;
};
