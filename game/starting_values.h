#pragma once

#include "game/game_state.h"

// The values a game starts with. The window's load sequence applies them one
// step at a time, around selecting the default option buttons.
inline constexpr Payoff kStartingPayoff{-10, -100, 500, 300};
inline constexpr PlayerTotal kStartingTotal = 1000;
inline constexpr Move kStartingMove = kDefect;
// Before the first round the reciprocal computer acts as if the player had
// cooperated, so it opens by cooperating.
inline constexpr Move kStartingLastPlayerMove = kCooperate;

// A whole game state with the starting values, for play without a window.
GameState StartingGameState();
