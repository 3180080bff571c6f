#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "game/computer_move.h"
#include "game/game_state.h"
#include "game/play_round.h"
#include "support/fake_game_view.h"
#include "support/reference_payoffs.h"
#include "support/scripted_source.h"

namespace {

constexpr char kBothDefect[] = "Компютърът отказва, играчът отказва.\n";
constexpr char kComputerDefects[] = "Компютърът отказва, играчът се кооперира.\n";
constexpr char kPlayerDefects[] = "Компютърът се кооперира, играчът отказва.\n";
constexpr char kBothCooperate[] = "Компютърът се кооперира, играчът се кооперира.\n";
constexpr char kRefused[] =
    "Рундът не е зачетен, защото сумата на играча би излязла извън допустимите граници.\n";

constexpr std::int32_t kMaxPlayer = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinPlayer = std::numeric_limits<std::int32_t>::min();

std::string FirstLine(const std::string& report) {
  return report.substr(0, report.find('\n') + 1);
}

// A game with a fixed computer mode, played through PlayRound.
class Game {
 public:
  explicit Game(ComputerMode mode = ComputerMode::kAlwaysDefect, std::vector<float> draws = {})
      : view_(mode), source_(std::move(draws)) {
    ApplyModeClick(state_, ModeIndex(mode), clickSource_);
  }

  std::string Play(Move player) {
    state_.PlayerMove = player;
    PlayRound(state_, view_, source_);
    return view_.GetReportText();
  }

  GameState& state() { return state_; }
  FakeGameView& view() { return view_; }
  ScriptedSource& source() { return source_; }

 private:
  GameState state_ = StartingGameState();
  FakeGameView view_;
  ScriptedSource source_;
  ScriptedSource clickSource_{{kDrawDefect}};
};

struct FirstRound {
  ComputerMode mode;
  Move player;
  std::string report;
};

TEST(PlayRound, EachOutcomePaysAndReportsItsRound) {
  const FirstRound rounds[] = {
      {ComputerMode::kAlwaysDefect, kDefect,
       std::string(kBothDefect) + "Компютър: 990, играч: 990\n"},
      {ComputerMode::kAlwaysDefect, kCooperate,
       std::string(kComputerDefects) + "Компютър: 1500, играч: 900\n"},
      {ComputerMode::kAlwaysCooperate, kDefect,
       std::string(kPlayerDefects) + "Компютър: 900, играч: 1500\n"},
      {ComputerMode::kAlwaysCooperate, kCooperate,
       std::string(kBothCooperate) + "Компютър: 1300, играч: 1300\n"},
  };
  for (const FirstRound& round : rounds) {
    Game game(round.mode);
    EXPECT_EQ(game.Play(round.player), round.report);
    EXPECT_EQ(game.view().writes(), 1);
  }
}

TEST(PlayRound, ReplacesTheRulesTextAndShowsOnlyTheLatestRound) {
  Game game(ComputerMode::kAlwaysCooperate);
  game.view().SetReportText("The rules.\nSecond line.\n");
  game.Play(kCooperate);
  EXPECT_EQ(game.Play(kDefect), std::string(kPlayerDefects) + "Компютър: 1200, играч: 1800\n");
}

TEST(PlayRound, MutualDefectionFromTheStartReachesMinusTen) {
  Game game;
  std::string report;
  for (int round = 0; round < 101; ++round) {
    report = game.Play(kDefect);
  }
  EXPECT_EQ(report, std::string(kBothDefect) + "Компютър: -10, играч: -10\n");
  EXPECT_EQ(game.state().ComputerScore, -10);
  EXPECT_EQ(game.state().PlayerScore, -10);
}

TEST(PlayRound, TotalsAccumulateOverMixedRounds) {
  Game game(ComputerMode::kReciprocal);
  // Reciprocal: the computer opens cooperating, then repeats the player.
  const Move moves[] = {kDefect, kDefect, kCooperate, kDefect, kCooperate, kCooperate};
  long long computer = 1000;
  long long player = 1000;
  Move computerMove = kCooperate;
  for (const Move move : moves) {
    const Gains gains = ReferenceGains(computerMove, move);
    computer += gains.computer;
    player += gains.player;
    game.Play(move);
    computerMove = move;
  }
  EXPECT_EQ(game.state().ComputerScore, computer);
  EXPECT_EQ(game.state().PlayerScore, player);
}

TEST(PlayRound, RandomModeReportsTheMoveItDrew) {
  Game game(ComputerMode::kRandom, {kDrawDefect, kDrawCooperate, 0.375f, 0.995f, 0.51f});
  const std::string expected[] = {kComputerDefects, kBothCooperate, kComputerDefects,
                                  kComputerDefects, kBothCooperate};
  for (const std::string& line : expected) {
    const std::size_t draws = game.source().draws();
    EXPECT_EQ(FirstLine(game.Play(kCooperate)), line);
    EXPECT_EQ(game.source().draws(), draws + 1);
    EXPECT_EQ(game.state().ComputerMove, line == kBothCooperate);
  }
}

TEST(PlayRound, ReciprocalComputerPlaysTitForTat) {
  Game game(ComputerMode::kReciprocal);
  EXPECT_EQ(FirstLine(game.Play(kDefect)), kPlayerDefects);       // opens cooperating
  EXPECT_EQ(FirstLine(game.Play(kCooperate)), kComputerDefects);  // repeats the defection
  EXPECT_EQ(FirstLine(game.Play(kCooperate)), kBothCooperate);
}

TEST(PlayRound, SwitchingToReciprocalRepeatsTheLastRoundPlayed) {
  Game game(ComputerMode::kAlwaysDefect);
  game.Play(kDefect);
  game.Play(kCooperate);
  game.view().Select(ComputerMode::kReciprocal);
  ScriptedSource noDraws;
  ApplyModeClick(game.state(), ModeIndex(ComputerMode::kReciprocal), noDraws);
  EXPECT_EQ(game.state().ComputerMove, kDefect);  // the click alone changes nothing
  EXPECT_EQ(FirstLine(game.Play(kDefect)), kPlayerDefects);
  EXPECT_EQ(FirstLine(game.Play(kDefect)), kBothDefect);
}

TEST(PlayRound, RemembersThePlayerMoveInEveryMode) {
  const ComputerMode modes[] = {ComputerMode::kAlwaysDefect, ComputerMode::kAlwaysCooperate,
                                ComputerMode::kRandom, ComputerMode::kReciprocal};
  for (const ComputerMode mode : modes) {
    Game game(mode, {kDrawCooperate, kDrawDefect});
    game.Play(kDefect);
    EXPECT_EQ(game.state().LastPlayerMove, kDefect);
    game.Play(kCooperate);
    EXPECT_EQ(game.state().LastPlayerMove, kCooperate);
    EXPECT_EQ(game.state().PlayerMove, kCooperate);
  }
}

TEST(PlayRound, ComputerTotalStaysExactPastNarrowRanges) {
  Game game(ComputerMode::kAlwaysCooperate);
  for (int round = 0; round < 400; ++round) {
    game.Play(kDefect);  // the computer loses 100 a round, past -32768
  }
  EXPECT_EQ(game.state().ComputerScore, 1000 - 40000);
  EXPECT_EQ(game.state().PlayerScore, 1000 + 200000);

  game.state().ComputerScore = std::numeric_limits<std::int32_t>::max();
  game.state().PlayerScore = 0;
  EXPECT_EQ(game.Play(kCooperate),
            std::string(kBothCooperate) + "Компютър: 2147483947, играч: 300\n");
  game.state().ComputerScore = std::numeric_limits<std::int32_t>::min();
  game.Play(kDefect);
  EXPECT_EQ(game.state().ComputerScore, -2147483748LL);
}

struct Limit {
  std::int32_t player;
  ComputerMode mode;
  Move move;
  bool counted;
};

// Rounds right at and just past either end of the player's range.
constexpr Limit kLimits[] = {
    {kMaxPlayer - 500, ComputerMode::kAlwaysCooperate, kDefect, true},  // lands on the maximum
    {kMaxPlayer - 499, ComputerMode::kAlwaysCooperate, kDefect, false},
    {kMaxPlayer, ComputerMode::kAlwaysCooperate, kCooperate, false},
    {kMaxPlayer, ComputerMode::kAlwaysDefect, kDefect, true},           // a fine still counts
    {kMinPlayer + 100, ComputerMode::kAlwaysDefect, kCooperate, true},  // lands on the minimum
    {kMinPlayer + 99, ComputerMode::kAlwaysDefect, kCooperate, false},
    {kMinPlayer, ComputerMode::kAlwaysDefect, kDefect, false},
    {kMinPlayer, ComputerMode::kAlwaysCooperate, kCooperate, true},
};

TEST(PlayRound, RefusesWholeARoundThatWouldTakeThePlayerOutOfRange) {
  for (const Limit& limit : kLimits) {
    SCOPED_TRACE(testing::Message() << "player total " << limit.player << ", mode "
                                    << ModeIndex(limit.mode) << ", move " << limit.move);
    Game game(limit.mode);
    game.state().PlayerScore = limit.player;
    game.state().LastPlayerMove = !limit.move;
    const std::string report = game.Play(limit.move);
    const GameState& state = game.state();
    if (limit.counted) {
      EXPECT_NE(state.PlayerScore, limit.player);
      EXPECT_NE(state.ComputerScore, kStartingTotal);
      EXPECT_EQ(state.LastPlayerMove, limit.move);
      EXPECT_NE(report.find("играч: " + std::to_string(state.PlayerScore) + "\n"),
                std::string::npos);
    } else {
      EXPECT_EQ(state.PlayerScore, limit.player);
      EXPECT_EQ(state.ComputerScore, kStartingTotal);
      EXPECT_EQ(state.LastPlayerMove, !limit.move);
      EXPECT_EQ(report.substr(FirstLine(report).size()), kRefused);
    }
  }
}

TEST(PlayRound, PlayGoesOnAfterARefusedRound) {
  Game game(ComputerMode::kReciprocal);
  game.state().PlayerScore = kMaxPlayer - 100;
  // The reciprocal computer opens cooperating: the player's 500 would overflow.
  EXPECT_EQ(game.Play(kDefect), std::string(kPlayerDefects) + kRefused);
  EXPECT_EQ(game.state().LastPlayerMove, kCooperate);
  // So it cooperates again, and mutual cooperation would overflow too.
  EXPECT_EQ(game.Play(kCooperate), std::string(kBothCooperate) + kRefused);
  // Against a defecting computer the cooperating player loses 100, which counts.
  game.view().Select(ComputerMode::kAlwaysDefect);
  ScriptedSource noDraws;
  ApplyModeClick(game.state(), ModeIndex(ComputerMode::kAlwaysDefect), noDraws);
  EXPECT_EQ(game.Play(kCooperate),
            std::string(kComputerDefects) + "Компютър: 1500, играч: 2147483447\n");
  EXPECT_EQ(game.state().LastPlayerMove, kCooperate);
}

}  // namespace
