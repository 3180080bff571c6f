// The game rules alone: PlayRound against a view that only keeps the report,
// rounds per second over many rounds, in a fixed and in the random mode.
//
//   bench_rules [ROUNDS]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/computer_move.h"
#include "game/game_state.h"
#include "game/play_round.h"
#include "monotonic_clock.h"

namespace {

class ReportOnlyView final : public GameView {
 public:
  explicit ReportOnlyView(ComputerMode mode) : mode_(mode) {}
  bool IsModeSelected(ComputerMode mode) const override { return mode == mode_; }
  std::string GetReportText() const override { return report_; }
  void SetReportText(const std::string& text) override { report_ = text; }
  std::size_t ReportSize() const { return report_.size(); }

 private:
  ComputerMode mode_;
  std::string report_;
};

void Measure(const char* name, ComputerMode mode, std::int64_t rounds) {
  GameState state = StartingGameState();
  ReportOnlyView view(mode);
  RandomGenerator generator;
  generator.SeedFromClock();
  ApplyModeClick(state, ModeIndex(mode), generator);
  std::size_t checksum = 0;

  const std::int64_t start = MonotonicNanoseconds();
  for (std::int64_t round = 0; round < rounds; ++round) {
    // The player defects twice, then cooperates twice: every outcome occurs.
    state.PlayerMove = (round & 2) != 0;
    PlayRound(state, view, generator);
    checksum += view.ReportSize();
  }
  const double seconds = static_cast<double>(MonotonicNanoseconds() - start) / 1e9;

  std::printf("  %-12s %6.2f M rounds/s  (%5.1f ns a round; totals %lld and %d; %zu)\n", name,
              static_cast<double>(rounds) / seconds / 1e6,
              seconds * 1e9 / static_cast<double>(rounds),
              static_cast<long long>(state.ComputerScore), state.PlayerScore, checksum % 10);
}

}  // namespace

int main(int argc, char** argv) {
  const std::int64_t rounds = argc > 1 ? std::atoll(argv[1]) : 10000000;
  std::printf("PlayRound with a report-only view, %lld rounds (goal >= 5 M rounds/s):\n",
              static_cast<long long>(rounds));
  Measure("reciprocal", ComputerMode::kReciprocal, rounds);
  Measure("random", ComputerMode::kRandom, rounds);
  Measure("always defect", ComputerMode::kAlwaysDefect, rounds);
  return 0;
}
