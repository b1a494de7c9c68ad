// libFuzzer target: the currency parser (see FuzzTargets.h).
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzTargets::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzTargets::currency(data, size);
    return 0;
}
