#include "import/TExpectedPayment.h"

bool TExpectedPayment::matchesAmount(Currency rowAmount) const
{
    // The same direction, and no further apart than the tolerance allows.
    if (rowAmount.isNegative() != amount.isNegative() || rowAmount.isZero())
        return false;
    const __int128 gap = static_cast<__int128>(rowAmount.raw()) - amount.raw();
    const __int128 expected = amount.raw();
    return (gap < 0 ? -gap : gap) * 100 <= (expected < 0 ? -expected : expected) * tolerancePercent;
}
