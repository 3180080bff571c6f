#include "game/random_move.h"

#include <cmath>

std::int32_t RoundHalfToEven(double x) {
  // floor is exact, and so is the difference below (both lie within one unit
  // of x), so no step depends on the current rounding mode.
  const double whole = std::floor(x);
  const double fraction = x - whole;
  auto n = static_cast<std::int32_t>(whole);
  if (fraction > 0.5 || (fraction == 0.5 && n % 2 != 0)) {
    ++n;
  }
  return n;
}

Move MoveFromDraw(float r) {
  constexpr float kHundred = 100.0f;
  // A float has a 24-bit mantissa and 100 needs 7 bits: the product is exact
  // in double precision, and must not be rounded to float.
  const double x = static_cast<double>(r) * static_cast<double>(kHundred);
  return RoundHalfToEven(x) % 2 != 0;
}

Move RandomMove(UniformSource& source) {
  return MoveFromDraw(source.Next());
}
