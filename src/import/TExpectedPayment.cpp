#include "import/TExpectedPayment.h"

bool TExpectedPayment::matchesAmount(Currency rowAmount) const
{
    return rowAmount == amount;
}
