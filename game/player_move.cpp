#include "game/player_move.h"

void ApplyPlayerMoveClick(GameState& state, std::int16_t index) {
  if (index == kPlayerDefectIndex) {
    state.PlayerMove = kDefect;
  }
  if (index == kPlayerCooperateIndex) {
    state.PlayerMove = kCooperate;
  }
}
