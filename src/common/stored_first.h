#pragma once
#include <cmath>

#include "common/statement_failure.h"

namespace korrimet {

// Storing a result whose fault shows only after the store: the value lands
// in its Single rounded, even when it is infinite or undefined (a division
// by zero, an overflow at the store), and only then does the statement fail.
// A conversion that fails inside the statement fails it before the store.
inline void storeSingle(float& target, double value) {
    target = static_cast<float>(value);
    if (!std::isfinite(target)) throw StatementFailure("invalid result stored");
}

}  // namespace korrimet
