#include "game/play_round.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

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

// The report box's line break.
constexpr std::string_view kLineBreak = "\n";
constexpr std::string_view kComputerLabel = "Компютър: ";
constexpr std::string_view kPlayerLabel = ", играч: ";
constexpr std::string_view kRefusal =
    "Рундът не е зачетен, защото сумата на играча би излязла извън допустимите граници.";

// Plain decimal: a leading minus for negatives, no grouping, no blank.
template <typename Integer>
void AppendDecimal(std::string& out, Integer value) {
  char digits[24];
  const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
  out.append(digits, result.ptr);
}

std::string PlayedRoundReport(std::string_view message, ComputerTotal computer,
                              PlayerTotal player) {
  std::string report;
  report.reserve(message.size() + kComputerLabel.size() + kPlayerLabel.size() + 48);
  report.append(message).append(kLineBreak).append(kComputerLabel);
  AppendDecimal(report, computer);
  report.append(kPlayerLabel);
  AppendDecimal(report, player);
  report.append(kLineBreak);
  return report;
}

std::string RefusedRoundReport(std::string_view message) {
  std::string report;
  report.reserve(message.size() + kRefusal.size() + 2 * kLineBreak.size());
  report.append(message).append(kLineBreak).append(kRefusal).append(kLineBreak);
  return report;
}

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
