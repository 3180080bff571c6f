#pragma once

#include <cstdint>
#include <random>

#include "game/uniform_source.h"

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
