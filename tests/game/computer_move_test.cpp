#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game/computer_move.h"
#include "game/player_move.h"
#include "game/starting_values.h"
#include "support/fake_game_view.h"
#include "support/scripted_source.h"

namespace {

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
