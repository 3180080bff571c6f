#pragma once

#include <cstdint>
#include <random>

#include "game/game_state.h"
#include "game/game_view.h"

// A source of uniform single-precision values r with 0 <= r < 1: the game's
// one source of chance, injectable so that tests can feed exact values.
class UniformSource {
 public:
  virtual ~UniformSource() = default;
  virtual float Next() = 0;

 protected:
  UniformSource() = default;
  UniformSource(const UniformSource&) = default;
  UniformSource& operator=(const UniformSource&) = default;
};

// The program's own uniform generator: a Mersenne twister whose 32-bit output
// keeps its top 24 bits, one float mantissa's worth, scaled exactly into
// [0, 1). (std::generate_canonical<float> can round up to 1.0 itself.)
class RandomGenerator final : public UniformSource {
 public:
  // Seeds from the clock; the window does this once, at load.
  void SeedFromClock();
  void Seed(std::uint32_t seed) { engine_.seed(seed); }

  float Next() override;

  // The value that one 32-bit engine output stands for.
  static float FromBits(std::uint32_t bits);

 private:
  std::mt19937 engine_;
};

// Rounds to the nearest integer, ties to the even neighbour, whatever the
// floating-point rounding mode is. For 0 <= x <= 100.
std::int32_t RoundHalfToEven(double x);

// The move that one draw r (0 <= r < 1) stands for: x = r * 100, taken
// exactly in double precision, rounded half to even; odd cooperates.
Move MoveFromDraw(float r);

// A fresh coin: draws once from the source.
Move RandomMove(UniformSource& source);

// What clicking the computer's mode button with this index does at once:
// the fixed modes set the move, random mode draws one, reciprocal mode leaves
// the move for the next round to set. Any other index does nothing.
void ApplyModeClick(GameState& state, std::int16_t index, UniformSource& source);

// The first step of every round: random mode draws a fresh move, reciprocal
// mode repeats the player's move of the latest round. The fixed modes keep
// the move their click set.
void RefreshComputerMove(GameState& state, const GameView& view, UniformSource& source);
