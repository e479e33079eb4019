#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

#include "common/statement_failure.h"

namespace korrimet {

// Storing into a Single: rounds to float; an overflow or invalid result
// (division by zero, log of zero, root of a negative) fails the statement.
inline float single(double v) {
    if (!std::isfinite(v)) throw StatementFailure("invalid result");
    float f = static_cast<float>(v);
    if (!std::isfinite(f)) throw StatementFailure("overflow", FailureKind::Overflow);
    return f;
}

inline double dbl(double v) {
    if (!std::isfinite(v)) throw StatementFailure("invalid result");
    return v;
}

// Division whose zero divisor must fail even where the rest of the
// expression would turn the infinity back into a finite value.
inline double divide(double a, double b) {
    if (b == 0) throw StatementFailure("division by zero", FailureKind::DivisionByZero);
    return a / b;
}

// Rounding to a Long: nearest whole number, halves to the even neighbour.
inline std::int32_t toLong(double v) {
    if (!std::isfinite(v)) throw StatementFailure("invalid result");
    double r = std::nearbyint(v);  // default rounding mode is to-nearest-even
    if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max())
        throw StatementFailure("overflow", FailureKind::Overflow);
    return static_cast<std::int32_t>(r);
}

inline std::int16_t toInteger(double v) {
    std::int32_t l = toLong(v);
    if (l < std::numeric_limits<std::int16_t>::min() || l > std::numeric_limits<std::int16_t>::max())
        throw StatementFailure("overflow", FailureKind::Overflow);
    return static_cast<std::int16_t>(l);
}

}  // namespace korrimet
