#include "game/play_round.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

#include "game/computer_move.h"
#include "game/round_report.h"

namespace {

struct Outcome {
  Move computer;
  Move player;
  std::string_view message;
  PayoffEntry computerGain;
  PayoffEntry playerGain;
};

// Tested in this order; exactly one matches any pair of moves.
constexpr std::array<Outcome, 4> kOutcomes{{
    {kDefect, kDefect, "Компютърът отказва, играчът отказва.", kBothDefect, kBothDefect},
    {kDefect, kCooperate, "Компютърът отказва, играчът се кооперира.", kLoneDefector,
     kLoneCooperator},
    {kCooperate, kDefect, "Компютърът се кооперира, играчът отказва.", kLoneCooperator,
     kLoneDefector},
    {kCooperate, kCooperate, "Компютърът се кооперира, играчът се кооперира.", kBothCooperate,
     kBothCooperate},
}};

bool FitsPlayerTotal(std::int64_t total) {
  return total >= std::numeric_limits<PlayerTotal>::min() &&
         total <= std::numeric_limits<PlayerTotal>::max();
}

void Settle(GameState& state, GameView& view, const Outcome& outcome) {
  const std::int64_t player = std::int64_t{state.PlayerScore} + state.Payoff[outcome.playerGain];
  if (!FitsPlayerTotal(player)) {
    view.SetReportText(RefusedRoundReport(outcome.message));
    return;
  }
  state.ComputerScore += state.Payoff[outcome.computerGain];
  state.PlayerScore = static_cast<PlayerTotal>(player);
  view.SetReportText(PlayedRoundReport(outcome.message, state.ComputerScore, state.PlayerScore));
  state.LastPlayerMove = state.PlayerMove;
}

}  // namespace

void PlayRound(GameState& state, GameView& view, UniformSource& source) {
  RefreshComputerMove(state, view, source);
  for (const Outcome& outcome : kOutcomes) {
    if (state.ComputerMove == outcome.computer && state.PlayerMove == outcome.player) {
      Settle(state, view, outcome);
    }
  }
}
