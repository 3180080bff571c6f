#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QString>
#include <QTest>
#include <QTextDocument>
#include <cstdint>
#include <limits>
#include <string>

#include "game/game_state.h"
#include "shown_form.h"
#include "support/scripted_source.h"

namespace {

const std::string kBothDefect = "Компютърът отказва, играчът отказва.\n";
const std::string kComputerDefects = "Компютърът отказва, играчът се кооперира.\n";

std::string ScoreLine(long long computer, long long player) {
  return "Компютър: " + std::to_string(computer) + ", играч: " + std::to_string(player) + "\n";
}

// Drives the real widgets with mouse and keyboard events.
class Player {
 public:
  explicit Player(MainForm& form) : form_(form) {}

  void Mode(ComputerMode mode) { Click(form_.Option1(ModeIndex(mode))); }
  void Move(Move move) { Click(form_.Option2(move ? 1 : 0)); }
  std::string Banker() {
    Click(form_.Command1(0));
    return form_.GetReportText();
  }
  std::string Round(::Move move) {
    Move(move);
    return Banker();
  }

 private:
  static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  MainForm& form_;
};

class Play : public ShownForm {
 protected:
  Player player() { return Player(form()); }
};

// Plays with a scripted source of chance, so every draw is known and counted.
class ScriptedPlay : public Play {
 protected:
  void SetUp() override { Open(&chance_); }
  ScriptedSource chance_;
};

// The load sequence gives the game its starting values, which the rules'
// own tests pin down, and selects the first option of each frame.
TEST_F(Play, LoadStartsAnEvenGame) {
  EXPECT_TRUE(form().State() == StartingGameState());
  EXPECT_TRUE(form().Option1(0)->isChecked());
  EXPECT_TRUE(form().Option2(0)->isChecked());
  EXPECT_EQ(form().GetReportText(), MainForm().GetReportText());  // still the rules
}

TEST_F(Play, IsModeSelectedFollowsTheComputersFrame) {
  const ComputerMode modes[] = {ComputerMode::kAlwaysDefect, ComputerMode::kAlwaysCooperate,
                                ComputerMode::kRandom, ComputerMode::kReciprocal};
  for (const ComputerMode chosen : modes) {
    player().Mode(chosen);
    for (const ComputerMode mode : modes) {
      EXPECT_EQ(form().IsModeSelected(mode), mode == chosen);
    }
  }
  EXPECT_FALSE(form().IsModeSelected(static_cast<ComputerMode>(4)));
  EXPECT_FALSE(form().IsModeSelected(static_cast<ComputerMode>(-1)));
}

TEST_F(Play, FirstRoundWithoutAnyClickHasBothDefect) {
  EXPECT_EQ(player().Banker(), kBothDefect + ScoreLine(990, 990));
}

TEST_F(ScriptedPlay, RoadOfOneRound) {
  chance_.Feed({kDrawCooperate, kDrawDefect});  // the click's draw, then the round's
  player().Move(kCooperate);
  player().Mode(ComputerMode::kRandom);
  EXPECT_EQ(player().Banker(), kComputerDefects + ScoreLine(1500, 900));
  EXPECT_EQ(chance_.draws(), 2u);
  EXPECT_EQ(form().State().LastPlayerMove, kCooperate);
}

TEST_F(ScriptedPlay, EachSelectionRunsItsHandlerOnce) {
  chance_.Feed({kDrawCooperate, kDrawDefect});
  player().Mode(ComputerMode::kRandom);
  EXPECT_EQ(chance_.draws(), 1u);
  EXPECT_EQ(form().State().ComputerMove, kCooperate);
  player().Mode(ComputerMode::kRandom);  // already selected: no new selection
  EXPECT_EQ(chance_.draws(), 1u);
  player().Mode(ComputerMode::kAlwaysDefect);  // clearing "Случайно" draws nothing
  EXPECT_EQ(chance_.draws(), 1u);
  player().Mode(ComputerMode::kRandom);
  EXPECT_EQ(chance_.draws(), 2u);
  EXPECT_EQ(form().State().ComputerMove, kDefect);
  player().Mode(ComputerMode::kAlwaysCooperate);
  EXPECT_EQ(form().State().ComputerMove, kCooperate);
  EXPECT_EQ(chance_.draws(), 2u);

  player().Move(kCooperate);
  EXPECT_EQ(form().State().PlayerMove, kCooperate);
  player().Move(kDefect);
  EXPECT_EQ(form().State().PlayerMove, kDefect);
}

TEST_F(ScriptedPlay, BankerHandlerIgnoresIndicesOfNoControl) {
  const std::string rules = form().GetReportText();
  for (const std::int16_t index :
       {std::int16_t{-1}, std::int16_t{1}, std::numeric_limits<std::int16_t>::min(),
        std::numeric_limits<std::int16_t>::max()}) {
    form().OnBankerClick(index);
  }
  EXPECT_EQ(form().State().ComputerScore, 1000);
  EXPECT_EQ(form().State().PlayerScore, 1000);
  EXPECT_EQ(form().GetReportText(), rules);
  EXPECT_EQ(chance_.draws(), 0u);
}

TEST_F(Play, TheReportReplacesTheRulesAndShowsFromTheTop) {
  QPlainTextEdit* box = form().Text1(0);
  QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);  // the player read to the end
  ASSERT_GT(box->verticalScrollBar()->value(), 0);
  player().Banker();
  EXPECT_EQ(box->document()->blockCount(), 3);  // two lines, each ending in a break
  EXPECT_EQ(box->verticalScrollBar()->value(), 0);
  EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(box->textCursor().position(), 0);
  EXPECT_EQ(box->toPlainText().toStdString(), kBothDefect + ScoreLine(990, 990));
  player().Round(kCooperate);
  EXPECT_EQ(box->document()->blockCount(), 3);
  EXPECT_EQ(box->toPlainText().toStdString(), kComputerDefects + ScoreLine(1490, 890));
}

TEST_F(Play, ShowingAgainDoesNotRestartTheGame) {
  player().Round(kCooperate);
  const std::string report = form().GetReportText();
  form().hide();
  form().show();
  EXPECT_EQ(form().State().ComputerScore, 1500);
  EXPECT_EQ(form().State().PlayerScore, 900);
  EXPECT_TRUE(form().Option2(1)->isChecked());
  EXPECT_EQ(form().GetReportText(), report);
}

}  // namespace
