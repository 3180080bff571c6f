#include "game/random_generator.h"

#include <chrono>

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
