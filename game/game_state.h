#pragma once

#include <cstdint>
#include <limits>

#include "game/computer_mode.h"
#include "game/move.h"
#include "game/payoff.h"

// The computer's running total. It must never fail when added to and stay
// exact; a 64-bit integer is exact over every total that play can reach
// (at most 500 a round, so billions of years of rounds away from its limit).
using ComputerTotal = std::int64_t;

// The player's running total: a plain signed 32-bit integer. A round that
// would take it out of range is refused whole (see PlayRound).
using PlayerTotal = std::int32_t;

static_assert(std::numeric_limits<ComputerTotal>::digits >= 63);
static_assert(sizeof(Payoff::value_type) == 2 &&
              std::numeric_limits<Payoff::value_type>::is_signed);

// Everything the game remembers between clicks. The members start out
// zeroed; the window's load sequence gives them the starting values
// (see starting_values.h).
struct GameState {
  ComputerTotal ComputerScore = 0;
  PlayerTotal PlayerScore = 0;
  Move ComputerMove = kDefect;    // the computer's move for the next round
  Move PlayerMove = kDefect;      // the player's move for the next round
  Move LastPlayerMove = kDefect;  // the player's move in the latest round played
  ::Payoff Payoff{};              // the banker's table, filled at load and never changed
};
