#pragma once

#include <cstdint>

#include "game/game_state.h"

// Option button indices of the player's frame.
inline constexpr std::int16_t kPlayerDefectIndex = 0;
inline constexpr std::int16_t kPlayerCooperateIndex = 1;

// What clicking the player's move button with this index does: sets the
// player's move for the next round. Any other index does nothing.
void ApplyPlayerMoveClick(GameState& state, std::int16_t index);
