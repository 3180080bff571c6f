#include "game/computer_move.h"

#include <chrono>
#include <cmath>

void RandomGenerator::SeedFromClock() {
  const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
  const auto wide = static_cast<std::uint64_t>(ticks);
  std::seed_seq seq{static_cast<std::uint32_t>(wide), static_cast<std::uint32_t>(wide >> 32)};
  engine_.seed(seq);
}

float RandomGenerator::FromBits(std::uint32_t bits) {
  constexpr float kOneOver2To24 = 0x1p-24f;
  return static_cast<float>(bits >> 8) * kOneOver2To24;
}

float RandomGenerator::Next() {
  return FromBits(static_cast<std::uint32_t>(engine_()));
}

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

void ApplyModeClick(GameState& state, std::int16_t index, UniformSource& source) {
  if (index == ModeIndex(ComputerMode::kAlwaysDefect)) {
    state.ComputerMove = kDefect;
  }
  if (index == ModeIndex(ComputerMode::kAlwaysCooperate)) {
    state.ComputerMove = kCooperate;
  }
  if (index == ModeIndex(ComputerMode::kRandom)) {
    state.ComputerMove = RandomMove(source);
  }
  // Reciprocal: nothing changes until the next round starts.
}

void RefreshComputerMove(GameState& state, const GameView& view, UniformSource& source) {
  if (view.IsModeSelected(ComputerMode::kRandom)) {
    state.ComputerMove = RandomMove(source);
  }
  if (view.IsModeSelected(ComputerMode::kReciprocal)) {
    state.ComputerMove = state.LastPlayerMove;
  }
}
