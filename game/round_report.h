#pragma once

#include <string>
#include <string_view>

#include "game/game_state.h"

// The report box's line break.
inline constexpr std::string_view kLineBreak = "\n";

// The two lines of a played round: the outcome message, then both totals.
std::string PlayedRoundReport(std::string_view message, ComputerTotal computer, PlayerTotal player);

// The two lines of a refused round: the outcome message, then why the round
// did not count.
std::string RefusedRoundReport(std::string_view message);
