#pragma once

#include <compare>
#include <cstdint>

namespace glint {

// Fixed-point currency with four decimal places, held as whole
// ten-thousandths so that stakes of 0.25 and coins of 1.00 add up exactly.
class Money {
public:
    static constexpr int64_t kScale = 10000;

    constexpr Money() = default;

    static constexpr Money fromTenThousandths(int64_t units) { return Money(units); }
    static constexpr Money fromWhole(int64_t whole) { return Money(whole * kScale); }
    static constexpr Money fromCents(int64_t cents) { return Money(cents * (kScale / 100)); }

    constexpr int64_t tenThousandths() const { return units_; }

    // Rounds toward minus infinity, the way a prize is rounded down.
    constexpr int64_t floorWhole() const
    {
        int64_t q = units_ / kScale;
        return (units_ % kScale < 0) ? q - 1 : q;
    }

    // The amount scaled by num/den, rounded down to a whole number.
    constexpr int64_t floorWholeOfFraction(int64_t num, int64_t den) const
    {
        int64_t n = units_ * num;
        int64_t d = kScale * den;
        int64_t q = n / d;
        return (n % d != 0 && ((n < 0) != (d < 0))) ? q - 1 : q;
    }

    constexpr Money operator+(Money o) const { return Money(units_ + o.units_); }
    constexpr Money operator-(Money o) const { return Money(units_ - o.units_); }
    constexpr Money& operator+=(Money o) { units_ += o.units_; return *this; }
    constexpr Money& operator-=(Money o) { units_ -= o.units_; return *this; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(int64_t units) : units_(units) {}
    int64_t units_ = 0;
};

} // namespace glint
