#include <gtest/gtest.h>

#include "game/starting_values.h"

namespace {

TEST(StartingValues, AGameStartsEvenWithBothDefecting) {
  const GameState state = StartingGameState();
  EXPECT_EQ(state.ComputerScore, 1000);
  EXPECT_EQ(state.PlayerScore, 1000);
  EXPECT_EQ(state.ComputerMove, kDefect);
  EXPECT_EQ(state.PlayerMove, kDefect);
  EXPECT_EQ(state.LastPlayerMove, kCooperate);
  EXPECT_EQ(state.Payoff, (Payoff{-10, -100, 500, 300}));
}

TEST(StartingValues, PayoffEntriesPayAsNamed) {
  const Payoff& payoff = kStartingPayoff;
  EXPECT_EQ(payoff[kBothDefect], -10);
  EXPECT_EQ(payoff[kLoneCooperator], -100);
  EXPECT_EQ(payoff[kLoneDefector], 500);
  EXPECT_EQ(payoff[kBothCooperate], 300);
}

}  // namespace
