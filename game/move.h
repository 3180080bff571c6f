#pragma once

// A player's move in one round: true cooperates, false defects.
using Move = bool;

inline constexpr Move kCooperate = true;
inline constexpr Move kDefect = false;
