#pragma once

#include <cstddef>
#include <stdexcept>
#include <utility>
#include <vector>

#include "game/uniform_source.h"

// Hands out exactly the values it was given, and fails loudly when a test
// draws more often than it expected.
class ScriptedSource final : public UniformSource {
 public:
  ScriptedSource() = default;
  explicit ScriptedSource(std::vector<float> values) : values_(std::move(values)) {}

  float Next() override {
    if (next_ == values_.size()) {
      throw std::logic_error("unexpected draw from the random source");
    }
    return values_[next_++];
  }

  std::size_t draws() const { return next_; }

 private:
  std::vector<float> values_;
  std::size_t next_ = 0;
};

// Draws that RandomMove turns into each move.
inline constexpr float kDrawCooperate = 0.01f;  // x = 1
inline constexpr float kDrawDefect = 0.02f;     // x = 2
