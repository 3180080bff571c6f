#pragma once

#include <cstdint>

#include "game/game_state.h"
#include "game/game_view.h"
#include "game/uniform_source.h"

// What clicking the computer's mode button with this index does at once:
// the fixed modes set the move, random mode draws one, reciprocal mode leaves
// the move for the next round to set. Any other index does nothing.
void ApplyModeClick(GameState& state, std::int16_t index, UniformSource& source);

// The first step of every round: random mode draws a fresh move, reciprocal
// mode repeats the player's move of the latest round. The fixed modes keep
// the move their click set.
void RefreshComputerMove(GameState& state, const GameView& view, UniformSource& source);
