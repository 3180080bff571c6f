#pragma once

#include "game/computer_move.h"
#include "game/game_state.h"
#include "game/game_view.h"

// Plays one round: settles the computer's move, lets the banker pay both
// players from the payoff table, writes the outcome and both totals into the
// report box, and remembers the player's move for the reciprocal computer.
//
// The report is two lines, each ending in a line break: the outcome, say
// "Компютърът отказва, играчът се кооперира.", then "Компютър: 1500, играч:
// 900", the totals in plain decimal. A round whose payoff would take the
// player's total out of its 32-bit range is refused whole: no total and no
// remembered move changes, and the second line says that the round did not
// count. A later round that keeps the total in range plays normally.
void PlayRound(GameState& state, GameView& view, UniformSource& source);
