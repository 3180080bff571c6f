#include "game/starting_values.h"

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
