#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "game/computer_move.h"

// Hands out exactly the values it was given, in order, and counts every
// draw; past the end of its script it hands out 0 (a defection), so a test
// sees an unexpected draw in draws() rather than in an exception thrown
// through the toolkit.
class ScriptedSource final : public UniformSource {
 public:
  ScriptedSource() = default;
  explicit ScriptedSource(std::vector<float> values) : values_(std::move(values)) {}

  void Feed(std::initializer_list<float> values) {
    values_.insert(values_.end(), values.begin(), values.end());
  }

  float Next() override {
    const std::size_t draw = draws_++;
    return draw < values_.size() ? values_[draw] : 0.0f;
  }

  std::size_t draws() const { return draws_; }

 private:
  std::vector<float> values_;
  std::size_t draws_ = 0;
};

// Draws that RandomMove turns into each move.
inline constexpr float kDrawCooperate = 0.01f;  // x = 1
inline constexpr float kDrawDefect = 0.02f;     // x = 2
