#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The banker's payoff table: four signed amounts added to the players' totals.
using Payoff = std::array<std::int16_t, 4>;

// Which entry of the table pays whom.
enum PayoffEntry : std::size_t {
  kBothDefect = 0,      // each player, when both defect: the fine for mutual defection
  kLoneCooperator = 1,  // the player who cooperated while the other defected
  kLoneDefector = 2,    // the player who defected while the other cooperated
  kBothCooperate = 3,   // each player, when both cooperate
};
