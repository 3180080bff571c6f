#include <gtest/gtest.h>

#include <cstdint>

#include "game/game_state.h"

namespace {

TEST(StartingValues, AGameStartsEvenWithBothDefecting) {
  const GameState state = StartingGameState();
  EXPECT_EQ(state.ComputerScore, 1000);
  EXPECT_EQ(state.PlayerScore, 1000);
  EXPECT_EQ(state.ComputerMove, kDefect);
  EXPECT_EQ(state.PlayerMove, kDefect);
  EXPECT_EQ(state.LastPlayerMove, kCooperate);
  EXPECT_EQ(state.Payoff, (Payoff{-10, -100, 500, 300}));
  EXPECT_EQ(state.Payoff[kBothDefect], -10);
  EXPECT_EQ(state.Payoff[kLoneCooperator], -100);
  EXPECT_EQ(state.Payoff[kLoneDefector], 500);
  EXPECT_EQ(state.Payoff[kBothCooperate], 300);
}

struct PlayerClick {
  std::int16_t index;
  Move before;
  Move after;
};

constexpr PlayerClick kPlayerClicks[] = {
    {0, kCooperate, kDefect},      {0, kDefect, kDefect},
    {1, kDefect, kCooperate},      {1, kCooperate, kCooperate},
    {2, kDefect, kDefect},         {-1, kCooperate, kCooperate},
    {INT16_MIN, kDefect, kDefect}, {INT16_MAX, kCooperate, kCooperate},
};

TEST(PlayerMoveClick, SetsThePlayerMoveForButtonsZeroAndOneOnly) {
  for (const PlayerClick& click : kPlayerClicks) {
    SCOPED_TRACE(testing::Message() << "index " << click.index << ", before " << click.before);
    GameState state = StartingGameState();
    state.PlayerMove = click.before;
    ApplyPlayerMoveClick(state, click.index);
    EXPECT_EQ(state.PlayerMove, click.after);
    EXPECT_EQ(state.ComputerMove, kStartingMove);
    EXPECT_EQ(state.LastPlayerMove, kStartingLastPlayerMove);
  }
}

}  // namespace
