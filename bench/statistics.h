#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// The q-quantile (0 <= q <= 1) of the samples, by the nearest rank.
template <typename T>
T Quantile(std::vector<T> samples, double q) {
  if (samples.empty()) {
    return T{};
  }
  const auto rank = static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1) + 0.5);
  std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(rank),
                   samples.end());
  return samples[rank];
}

template <typename T>
T Median(std::vector<T> samples) {
  return Quantile(std::move(samples), 0.5);
}
