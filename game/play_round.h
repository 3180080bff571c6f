#pragma once

#include "game/game_state.h"
#include "game/game_view.h"
#include "game/uniform_source.h"

// Plays one round: settles the computer's move, lets the banker pay both
// players from the payoff table, writes the outcome and both totals into the
// report box, and remembers the player's move for the reciprocal computer.
//
// A round whose payoff would take the player's total out of its 32-bit range
// is refused whole: no total and no remembered move changes, and the report
// says why. A later round that keeps the total in range plays normally.
void PlayRound(GameState& state, GameView& view, UniformSource& source);
