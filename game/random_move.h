#pragma once

#include <cstdint>

#include "game/move.h"
#include "game/uniform_source.h"

// Rounds to the nearest integer, ties to the even neighbour, whatever the
// floating-point rounding mode is. For 0 <= x <= 100.
std::int32_t RoundHalfToEven(double x);

// The move that one draw r (0 <= r < 1) stands for: x = r * 100, taken
// exactly in double precision, rounded half to even; odd cooperates.
Move MoveFromDraw(float r);

// A fresh coin: draws once from the source.
Move RandomMove(UniformSource& source);
