#include "toolkit/TChartScale.h"

#include <algorithm>
#include <cstdint>

namespace {

using Int128 = __int128;

// Rounds `value` down (or up) to a multiple of `step`.
Int128 floorTo(Int128 value, Int128 step)
{
    Int128 q = value / step;
    if (value % step != 0 && value < 0)
        --q;
    return q * step;
}

Int128 ceilTo(Int128 value, Int128 step)
{
    Int128 q = value / step;
    if (value % step != 0 && value > 0)
        ++q;
    return q * step;
}

std::int64_t clampRaw(Int128 value)
{
    return static_cast<std::int64_t>(std::clamp<Int128>(value, INT64_MIN, INT64_MAX));
}

} // namespace

TChartScale::Axis TChartScale::axis(Currency low, Currency high, int maxSteps)
{
    maxSteps = std::max(1, maxSteps);
    const Int128 lo = std::min<Int128>(0, std::min(low.raw(), high.raw()));
    const Int128 hi = std::max<Int128>(0, std::max(low.raw(), high.raw()));
    // An empty range still gets one step of one unit.
    if (lo == hi)
        return {Currency(), Currency::fromUnits(1), Currency::fromUnits(1)};

    // The smallest 1, 2 or 5 × 10^k whose rounded-out range needs no more than maxSteps steps.
    Int128 step = 0;
    for (Int128 power = 1; step == 0; power *= 10) {
        for (const int factor : {1, 2, 5}) {
            const Int128 candidate = power * factor;
            if ((ceilTo(hi, candidate) - floorTo(lo, candidate)) / candidate <= maxSteps) {
                step = candidate;
                break;
            }
        }
    }
    return {Currency::fromRaw(clampRaw(floorTo(lo, step))), Currency::fromRaw(clampRaw(ceilTo(hi, step))),
            Currency::fromRaw(clampRaw(step))};
}

QList<Currency> TChartScale::marks(const Axis& axis)
{
    QList<Currency> result;
    if (axis.step.raw() <= 0)
        return result;
    for (Int128 v = axis.low.raw(); v <= axis.high.raw(); v += axis.step.raw())
        result << Currency::fromRaw(static_cast<std::int64_t>(v));
    return result;
}

int TChartScale::decimals(const Axis& axis)
{
    int decimals = 0;
    for (std::int64_t unit = Currency::Scale; decimals < 4 && axis.step.raw() % unit != 0; unit /= 10)
        ++decimals;
    return decimals;
}

int TChartScale::labelEvery(int count, double labelExtent, double slotExtent, double gap)
{
    static constexpr int Steps[] = {1, 2, 3, 4, 6, 12, 24, 36, 60, 120, 180, 240, 360, 600, 1200, 2400, 6000, 12000};
    for (const int every : Steps) {
        if (every * slotExtent >= labelExtent + gap)
            return every;
    }
    return std::max(1, count);
}
