#include "TotalScore.h"

#include <cstdio>
#include <limits>

namespace engine {

std::int32_t TotalScore::points32() const
{
    const std::int64_t p = points();
    if (p > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (p < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(p);
}

std::array<char, 24> TotalScore::text() const
{
    // The total only ever holds whole points, so the general format is the integer alone.
    std::array<char, 24> out{};
    std::snprintf(out.data(), out.size(), "%lld", static_cast<long long>(points()));
    return out;
}

}  // namespace engine
