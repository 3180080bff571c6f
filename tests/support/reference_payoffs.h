#pragma once

// The banker's payoffs as the rules state them, kept apart from the game's
// own table so that tests check the game against an independent reference.
struct Gains {
  int computer;
  int player;
};

constexpr Gains ReferenceGains(bool computerCooperates, bool playerCooperates) {
  if (computerCooperates == playerCooperates) {
    return playerCooperates ? Gains{300, 300} : Gains{-10, -10};
  }
  return computerCooperates ? Gains{-100, 500} : Gains{500, -100};
}
