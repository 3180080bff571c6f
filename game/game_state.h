#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

// A player's move in one round: true cooperates, false defects.
using Move = bool;
inline constexpr Move kCooperate = true;
inline constexpr Move kDefect = false;

// How the computer chooses its move. The value is the index of the mode's
// option button in the computer's frame; the window's selection is the mode,
// so it is never stored anywhere else.
enum class ComputerMode : std::int16_t {
  kAlwaysDefect = 0,
  kAlwaysCooperate = 1,
  kRandom = 2,
  kReciprocal = 3,  // tit for tat: repeat the player's previous move
};

// The option button index of a mode, as the click handlers receive it.
constexpr std::int16_t ModeIndex(ComputerMode mode) {
  return static_cast<std::int16_t>(mode);
}

// Option button indices of the player's frame.
inline constexpr std::int16_t kPlayerDefectIndex = 0;
inline constexpr std::int16_t kPlayerCooperateIndex = 1;

// The banker's payoff table: four signed amounts added to the players' totals.
using Payoff = std::array<std::int16_t, 4>;

// Which entry of the table pays whom.
enum PayoffEntry : std::size_t {
  kBothDefect = 0,      // each player, when both defect: the fine for mutual defection
  kLoneCooperator = 1,  // the player who cooperated while the other defected
  kLoneDefector = 2,    // the player who defected while the other cooperated
  kBothCooperate = 3,   // each player, when both cooperate
};

// The computer's running total. It must never fail when added to and stay
// exact; a 64-bit integer is exact over every total that play can reach
// (at most 500 a round, so billions of years of rounds away from its limit).
using ComputerTotal = std::int64_t;

// The player's running total: a plain signed 32-bit integer. A round that
// would take it out of range is refused whole (see PlayRound).
using PlayerTotal = std::int32_t;

static_assert(std::numeric_limits<ComputerTotal>::digits >= 63);

// Everything the game remembers between clicks. The members start out
// zeroed; the window's load sequence gives them the starting values below.
struct GameState {
  ComputerTotal ComputerScore = 0;
  PlayerTotal PlayerScore = 0;
  Move ComputerMove = kDefect;    // the computer's move for the next round
  Move PlayerMove = kDefect;      // the player's move for the next round
  Move LastPlayerMove = kDefect;  // the player's move in the latest round played
  ::Payoff Payoff{};              // the banker's table, filled at load and never changed
};

inline bool operator==(const GameState& a, const GameState& b) {
  return a.ComputerScore == b.ComputerScore && a.PlayerScore == b.PlayerScore &&
         a.ComputerMove == b.ComputerMove && a.PlayerMove == b.PlayerMove &&
         a.LastPlayerMove == b.LastPlayerMove && a.Payoff == b.Payoff;
}

// The values a game starts with. The window's load sequence applies them one
// step at a time, around selecting the default option buttons.
inline constexpr Payoff kStartingPayoff{-10, -100, 500, 300};
inline constexpr PlayerTotal kStartingTotal = 1000;
inline constexpr Move kStartingMove = kDefect;
// Before the first round the reciprocal computer acts as if the player had
// cooperated, so it opens by cooperating.
inline constexpr Move kStartingLastPlayerMove = kCooperate;

// A whole game state with the starting values, for play without a window.
GameState StartingGameState();

// What clicking the player's move button with this index does: sets the
// player's move for the next round. Any other index does nothing.
void ApplyPlayerMoveClick(GameState& state, std::int16_t index);
