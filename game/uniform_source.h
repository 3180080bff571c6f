#pragma once

// A source of uniform single-precision values r with 0 <= r < 1. The game's
// one source of chance; injectable so that tests can feed exact values.
class UniformSource {
 public:
  virtual ~UniformSource() = default;
  virtual float Next() = 0;

 protected:
  UniformSource() = default;
  UniformSource(const UniformSource&) = default;
  UniformSource& operator=(const UniformSource&) = default;
};
