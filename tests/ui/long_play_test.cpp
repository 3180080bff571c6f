#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QtGlobal>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "shown_form.h"
#include "support/reference_payoffs.h"

namespace {

// The game as the player knows it from the outcome table, kept apart from
// the game's own code: what each round must pay and report.
class ReferenceModel {
 public:
  void SelectMode(int mode) { mode_ = mode; }
  void SelectMove(bool cooperate) { playerCooperates_ = cooperate; }

  // The computer's move in the next round, or nothing in random mode, where
  // only the report can say what was drawn.
  std::optional<bool> ComputerCooperates() const {
    switch (mode_) {
      case 0:
        return false;
      case 1:
        return true;
      case 3:
        return lastPlayerCooperated_;
      default:
        return std::nullopt;
    }
  }

  // Plays the round with the given computer move; returns the exact report.
  std::string Play(bool computerCooperates) {
    const bool player = playerCooperates_;
    const Gains gains = ReferenceGains(computerCooperates, player);
    computer_ += gains.computer;
    player_ += gains.player;
    lastPlayerCooperated_ = player;
    return Message(computerCooperates, player) + "Компютър: " + std::to_string(computer_) +
           ", играч: " + std::to_string(player_) + "\n";
  }

  static std::string Message(bool computer, bool player) {
    return std::string(computer ? "Компютърът се кооперира" : "Компютърът отказва") +
           (player ? ", играчът се кооперира.\n" : ", играчът отказва.\n");
  }

  bool playerCooperates() const { return playerCooperates_; }
  long long computer() const { return computer_; }
  long long player() const { return player_; }

 private:
  int mode_ = 0;
  bool playerCooperates_ = false;
  bool lastPlayerCooperated_ = true;
  long long computer_ = 1000;
  long long player_ = 1000;
};

std::uint32_t Seed() {
  bool given = false;
  const int seed = qEnvironmentVariableIntValue("DILEMATA_LONG_PLAY_SEED", &given);
  return given ? static_cast<std::uint32_t>(seed) : 20261208u;
}

using LongPlay = ShownForm;

TEST_F(LongPlay, RealWidgetsAgreeWithAnIndependentModel) {
  const std::uint32_t seed = Seed();
  SCOPED_TRACE(testing::Message() << "seed " << seed << " (set DILEMATA_LONG_PLAY_SEED to replay)");
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> action(0, 9);
  ReferenceModel model;
  int randomRounds = 0;
  int presses = 0;

  for (int step = 0; step < 20000; ++step) {
    const int choice = action(random);
    if (choice < 3) {
      const int mode = std::uniform_int_distribution<int>(0, 3)(random);
      QTest::mouseClick(form().Option1(mode), Qt::LeftButton);
      model.SelectMode(mode);
      continue;
    }
    if (choice < 5) {
      const bool cooperate = (random() & 1) != 0;
      QTest::mouseClick(form().Option2(cooperate ? 1 : 0), Qt::LeftButton);
      model.SelectMove(cooperate);
      continue;
    }
    QTest::mouseClick(form().Command1(0), Qt::LeftButton);
    ++presses;
    const std::string report = form().GetReportText();
    std::optional<bool> computer = model.ComputerCooperates();
    if (!computer) {
      // Random mode: the report names the move drawn, which must be one of
      // the two that fit the player's move.
      ++randomRounds;
      const std::string first = report.substr(0, report.find('\n') + 1);
      if (first == ReferenceModel::Message(true, model.playerCooperates())) {
        computer = true;
      } else {
        ASSERT_EQ(first, ReferenceModel::Message(false, model.playerCooperates()))
            << "step " << step;
        computer = false;
      }
    }
    ASSERT_EQ(report, model.Play(*computer)) << "step " << step;
    ASSERT_EQ(form().State().ComputerScore, model.computer()) << "step " << step;
    ASSERT_EQ(form().State().PlayerScore, model.player()) << "step " << step;
  }
  EXPECT_GT(presses, 9000);
  EXPECT_GT(randomRounds, 1000);
}

}  // namespace
