#pragma once

namespace korrimet {

// What an entry may physically be: a percentage, an amount that cannot be
// negative, a divisor that must be positive, a fraction.
enum class Range { Any, NonNegative, Positive, Percent, Fraction };

bool InRange(double value, Range range);
// The condition in words, as a message shows it: "须在0～100之间".
const char* RangeText(Range range);
// Fails the statement (a domain failure naming the range) when value lies outside.
void RequireRange(double value, Range range);
// Fails the statement with `reason` unless `ok`.
void Require(bool ok, const char* reason);

}  // namespace korrimet
