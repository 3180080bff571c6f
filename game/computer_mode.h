#pragma once

#include <cstdint>

// How the computer chooses its move. The value is the index of the mode's
// option button in the computer's frame; the window's selection is the mode,
// so it is never stored anywhere else.
enum class ComputerMode : std::int16_t {
  kAlwaysDefect = 0,
  kAlwaysCooperate = 1,
  kRandom = 2,
  kReciprocal = 3,  // tit for tat: repeat the player's previous move
};

// The option button index of a mode, as the click handlers receive it.
constexpr std::int16_t ModeIndex(ComputerMode mode) {
  return static_cast<std::int16_t>(mode);
}
