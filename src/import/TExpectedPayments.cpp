#include "import/TExpectedPayments.h"

#include <atomic>

namespace {

std::atomic<const TExpectedPayments*> provider{nullptr};

} // namespace

TExpectedPayments::~TExpectedPayments() = default;

const TExpectedPayments* TExpectedPayments::installed()
{
    return provider.load();
}

void TExpectedPayments::install(const TExpectedPayments* p)
{
    provider.store(p);
}
