#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "game/computer_move.h"
#include "support/fake_game_view.h"
#include "support/scripted_source.h"

namespace {

struct Draw {
  float r;
  std::int32_t n;  // r * 100 rounded half to even
};

// Ties, both ends of the range, and values either side of a half.
constexpr Draw kDraws[] = {
    {0.0f, 0},
    {0.004f, 0},         // x = 0.4
    {0.0049999994f, 0},  // x just below 0.5
    {0.0050000004f, 1},  // x just above 0.5
    {0.01f, 1},
    {0.015f, 1},   // the float lies below 0.015: x = 1.49999...
    {0.125f, 12},  // exact tie, to the even 12
    {0.25f, 25},
    {0.375f, 38},  // exact tie, to the even 38
    {0.5f, 50},
    {0.51f, 51},
    {0.625f, 62},  // exact tie, to the even 62
    {0.875f, 88},  // exact tie, to the even 88
    {0.99f, 99},
    {0.9949999f, 99},  // x just below 99.5
    {0.995f, 100},     // the float lies above 0.995: x = 99.50000047...
    {std::nextafter(1.0f, 0.0f), 100},
};

constexpr int kRoundingModes[] = {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO};

// Puts the rounding mode back, whatever happens inside a test.
class RoundingModeGuard {
 public:
  explicit RoundingModeGuard(int mode) : saved_(std::fegetround()) { std::fesetround(mode); }
  ~RoundingModeGuard() { std::fesetround(saved_); }
  RoundingModeGuard(const RoundingModeGuard&) = delete;
  RoundingModeGuard& operator=(const RoundingModeGuard&) = delete;

 private:
  int saved_;
};

TEST(RandomMove, OddRoundedHundredthsCooperate) {
  for (const Draw& draw : kDraws) {
    SCOPED_TRACE(testing::Message() << "r = " << draw.r);
    EXPECT_EQ(RoundHalfToEven(static_cast<double>(draw.r) * 100.0), draw.n);
    EXPECT_EQ(MoveFromDraw(draw.r), draw.n % 2 != 0);
  }
}

TEST(RandomMove, ExactTiesAllDefect) {
  for (const float r : {0.125f, 0.375f, 0.625f, 0.875f}) {
    EXPECT_EQ(MoveFromDraw(r), kDefect) << "r = " << r;
  }
}

TEST(RandomMove, ProductIsNotRoundedToSinglePrecision) {
  // The float nearest 0.015 lies just below it: x = 1.49999996..., which
  // rounds to 1 and cooperates. Rounded to single precision first, the
  // product would become the tie 1.5 and go to the even 2 instead.
  const float r = 0.015f;
  volatile float single = r * 100.0f;
  ASSERT_EQ(single, 1.5f);
  EXPECT_EQ(MoveFromDraw(r), kCooperate);
}

TEST(RandomMove, SameResultUnderEveryRoundingMode) {
  for (const int mode : kRoundingModes) {
    const RoundingModeGuard guard(mode);
    for (const Draw& draw : kDraws) {
      SCOPED_TRACE(testing::Message() << "mode " << mode << ", r = " << draw.r);
      EXPECT_EQ(RoundHalfToEven(static_cast<double>(draw.r) * 100.0), draw.n);
      EXPECT_EQ(MoveFromDraw(draw.r), draw.n % 2 != 0);
    }
  }
}

TEST(RandomMove, DrawsExactlyOnce) {
  ScriptedSource source({0.01f, 0.02f});
  EXPECT_EQ(RandomMove(source), kCooperate);
  EXPECT_EQ(source.draws(), 1u);
  EXPECT_EQ(RandomMove(source), kDefect);
  EXPECT_EQ(source.draws(), 2u);
}

TEST(RandomGenerator, StaysBelowOne) {
  EXPECT_EQ(RandomGenerator::FromBits(0), 0.0f);
  EXPECT_LT(RandomGenerator::FromBits(std::numeric_limits<std::uint32_t>::max()), 1.0f);
  EXPECT_EQ(RandomGenerator::FromBits(std::numeric_limits<std::uint32_t>::max()),
            std::nextafter(1.0f, 0.0f));
}

TEST(RandomGenerator, MovesAreAboutEquallyLikely) {
  RandomGenerator generator;
  generator.Seed(20261208);
  constexpr int kDrawCount = 200000;
  int cooperations = 0;
  for (int i = 0; i < kDrawCount; ++i) {
    const float r = generator.Next();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    cooperations += RandomMove(generator) ? 1 : 0;
  }
  // 50 of the 101 rounded values are odd, but the two even ends carry half
  // weight each: cooperation has probability one half, less the exact ties.
  EXPECT_NEAR(static_cast<double>(cooperations) / kDrawCount, 0.5, 0.01);
}

struct ModeClick {
  std::int16_t index;
  Move before;
  float draw;  // handed out if the click draws
  Move after;
  std::size_t draws;
};

constexpr ModeClick kModeClicks[] = {
    {0, kCooperate, kDrawCooperate, kDefect, 0},
    {0, kDefect, kDrawCooperate, kDefect, 0},
    {1, kDefect, kDrawDefect, kCooperate, 0},
    {1, kCooperate, kDrawDefect, kCooperate, 0},
    {2, kDefect, kDrawCooperate, kCooperate, 1},
    {2, kCooperate, kDrawDefect, kDefect, 1},
    {3, kDefect, kDrawCooperate, kDefect, 0},  // reciprocal waits for the round
    {3, kCooperate, kDrawDefect, kCooperate, 0},
    {4, kCooperate, kDrawDefect, kCooperate, 0},  // no such button
    {-1, kDefect, kDrawCooperate, kDefect, 0},
    {INT16_MIN, kCooperate, kDrawDefect, kCooperate, 0},
    {INT16_MAX, kDefect, kDrawCooperate, kDefect, 0},
};

TEST(ModeClick, SetsTheComputerMoveAsEachModeSays) {
  for (const ModeClick& click : kModeClicks) {
    SCOPED_TRACE(testing::Message() << "index " << click.index << ", move before " << click.before);
    GameState state = StartingGameState();
    state.ComputerMove = click.before;
    ScriptedSource source({click.draw});
    ApplyModeClick(state, click.index, source);
    EXPECT_EQ(state.ComputerMove, click.after);
    EXPECT_EQ(source.draws(), click.draws);
  }
}

TEST(ModeClick, TouchesNothingButTheComputerMove) {
  for (std::int16_t index = -1; index <= 4; ++index) {
    GameState state = StartingGameState();
    state.PlayerMove = kCooperate;
    state.LastPlayerMove = kDefect;
    ScriptedSource source({kDrawCooperate});
    ApplyModeClick(state, index, source);
    EXPECT_EQ(state.PlayerMove, kCooperate);
    EXPECT_EQ(state.LastPlayerMove, kDefect);
    EXPECT_EQ(state.ComputerScore, kStartingTotal);
    EXPECT_EQ(state.PlayerScore, kStartingTotal);
  }
}

struct Refresh {
  ComputerMode selected;
  Move before;
  Move lastPlayerMove;
  float draw;
  Move after;
  std::size_t draws;
};

constexpr Refresh kRefreshes[] = {
    // The fixed modes keep whatever their click set.
    {ComputerMode::kAlwaysDefect, kDefect, kCooperate, kDrawCooperate, kDefect, 0},
    {ComputerMode::kAlwaysDefect, kCooperate, kDefect, kDrawDefect, kCooperate, 0},
    {ComputerMode::kAlwaysCooperate, kCooperate, kDefect, kDrawDefect, kCooperate, 0},
    {ComputerMode::kAlwaysCooperate, kDefect, kCooperate, kDrawCooperate, kDefect, 0},
    // Random draws afresh, so the value drawn at the click never decides.
    {ComputerMode::kRandom, kDefect, kDefect, kDrawCooperate, kCooperate, 1},
    {ComputerMode::kRandom, kCooperate, kCooperate, kDrawDefect, kDefect, 1},
    // Reciprocal repeats the player's latest move.
    {ComputerMode::kReciprocal, kDefect, kCooperate, kDrawDefect, kCooperate, 0},
    {ComputerMode::kReciprocal, kCooperate, kDefect, kDrawCooperate, kDefect, 0},
};

TEST(RoundStartRefresh, SettlesTheComputerMoveForTheSelectedMode) {
  for (const Refresh& refresh : kRefreshes) {
    SCOPED_TRACE(testing::Message() << "mode " << ModeIndex(refresh.selected) << ", before "
                                    << refresh.before << ", last " << refresh.lastPlayerMove);
    GameState state = StartingGameState();
    state.ComputerMove = refresh.before;
    state.LastPlayerMove = refresh.lastPlayerMove;
    const FakeGameView view(refresh.selected);
    ScriptedSource source({refresh.draw});
    RefreshComputerMove(state, view, source);
    EXPECT_EQ(state.ComputerMove, refresh.after);
    EXPECT_EQ(source.draws(), refresh.draws);
  }
}

TEST(RoundStartRefresh, NoSelectionChangesNothing) {
  GameState state = StartingGameState();
  state.ComputerMove = kCooperate;
  const FakeGameView view(std::nullopt);
  ScriptedSource source;
  RefreshComputerMove(state, view, source);
  EXPECT_EQ(state.ComputerMove, kCooperate);
}

}  // namespace
