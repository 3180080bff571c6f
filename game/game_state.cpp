#include "game/game_state.h"

GameState StartingGameState() {
  GameState state;
  state.Payoff = kStartingPayoff;
  state.ComputerScore = kStartingTotal;
  state.PlayerScore = kStartingTotal;
  state.ComputerMove = kStartingMove;
  state.PlayerMove = kStartingMove;
  state.LastPlayerMove = kStartingLastPlayerMove;
  return state;
}

void ApplyPlayerMoveClick(GameState& state, std::int16_t index) {
  if (index == kPlayerDefectIndex) {
    state.PlayerMove = kDefect;
  }
  if (index == kPlayerCooperateIndex) {
    state.PlayerMove = kCooperate;
  }
}
