#pragma once
// The game's points: a signed 64-bit count of 1/10000 points that always holds a whole number.

#include <array>
#include <cstdint>

namespace engine {

class TotalScore {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr TotalScore() = default;
    static constexpr TotalScore fromPoints(std::int64_t points)
    {
        return TotalScore(points * Scale);
    }

    constexpr std::int64_t points() const { return ticks_ / Scale; }
    constexpr std::int64_t ticks() const { return ticks_; }
    // Points clamped to what a 32-bit score can hold.
    std::int32_t points32() const;

    // Plain decimal digits with an optional minus sign, NUL-terminated.
    std::array<char, 24> text() const;

    constexpr TotalScore &operator+=(std::int64_t points)
    {
        ticks_ += points * Scale;
        return *this;
    }
    constexpr bool operator==(const TotalScore &) const = default;

private:
    constexpr explicit TotalScore(std::int64_t ticks) : ticks_(ticks) {}
    std::int64_t ticks_ = 0;
};

}  // namespace engine
