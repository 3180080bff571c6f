#include "game/computer_move.h"

#include "game/random_move.h"

void ApplyModeClick(GameState& state, std::int16_t index, UniformSource& source) {
  if (index == ModeIndex(ComputerMode::kAlwaysDefect)) {
    state.ComputerMove = kDefect;
  }
  if (index == ModeIndex(ComputerMode::kAlwaysCooperate)) {
    state.ComputerMove = kCooperate;
  }
  if (index == ModeIndex(ComputerMode::kRandom)) {
    state.ComputerMove = RandomMove(source);
  }
  // Reciprocal: nothing changes until the next round starts.
}

void RefreshComputerMove(GameState& state, const GameView& view, UniformSource& source) {
  if (view.IsModeSelected(ComputerMode::kRandom)) {
    state.ComputerMove = RandomMove(source);
  }
  if (view.IsModeSelected(ComputerMode::kReciprocal)) {
    state.ComputerMove = state.LastPlayerMove;
  }
}
