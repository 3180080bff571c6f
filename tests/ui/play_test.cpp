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

#include "game/starting_values.h"
#include "shown_form.h"
#include "support/main_form_test_peer.h"
#include "support/reference_payoffs.h"
#include "support/scripted_source.h"
#include "ui/form_texts.h"

namespace {

const std::string kBothDefect = "Компютърът отказва, играчът отказва.\n";
const std::string kComputerDefects = "Компютърът отказва, играчът се кооперира.\n";
const std::string kPlayerDefects = "Компютърът се кооперира, играчът отказва.\n";
const std::string kBothCooperate = "Компютърът се кооперира, играчът се кооперира.\n";
const std::string kRefused =
    "Рундът не е зачетен, защото сумата на играча би излязла извън допустимите граници.\n";

std::string ScoreLine(long long computer, long long player) {
  return "Компютър: " + std::to_string(computer) + ", играч: " + std::to_string(player) + "\n";
}

std::string FirstLine(const std::string& report) {
  return report.substr(0, report.find('\n') + 1);
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

TEST_F(Play, LoadStartsAnEvenGame) {
  const GameState& state = form().State();
  EXPECT_EQ(state.ComputerScore, 1000);
  EXPECT_EQ(state.PlayerScore, 1000);
  EXPECT_EQ(state.ComputerMove, kDefect);
  EXPECT_EQ(state.PlayerMove, kDefect);
  EXPECT_EQ(state.LastPlayerMove, kCooperate);
  EXPECT_EQ(state.Payoff, (Payoff{-10, -100, 500, 300}));
  EXPECT_TRUE(form().Option1(0)->isChecked());
  EXPECT_TRUE(form().Option2(0)->isChecked());
  EXPECT_EQ(form().GetReportText(), form_texts::kRules);
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

TEST_F(Play, RandomRoundsReportTheMoveDrawn) {
  player().Mode(ComputerMode::kRandom);
  long long computer = 1000;
  long long player = 1000;
  int computerCooperations = 0;
  for (int round = 0; round < 200; ++round) {
    const ::Move move = round % 3 == 0;
    const std::string report = this->player().Round(move);
    const std::string first = FirstLine(report);
    const bool computerCooperated = first == kPlayerDefects || first == kBothCooperate;
    ASSERT_TRUE(first == (move ? (computerCooperated ? kBothCooperate : kComputerDefects)
                               : (computerCooperated ? kPlayerDefects : kBothDefect)))
        << first;
    ASSERT_EQ(form().State().ComputerMove, computerCooperated);
    const Gains gains = ReferenceGains(computerCooperated, move);
    computer += gains.computer;
    player += gains.player;
    ASSERT_EQ(report, first + ScoreLine(computer, player));
    computerCooperations += computerCooperated ? 1 : 0;
  }
  EXPECT_GT(computerCooperations, 60);  // a fair coin, not a fixed move
  EXPECT_LT(computerCooperations, 140);
}

TEST_F(Play, OnlyTheLastOfSeveralChoicesCounts) {
  player().Move(kCooperate);
  player().Move(kDefect);
  player().Move(kCooperate);
  EXPECT_EQ(FirstLine(player().Banker()), kComputerDefects);
  player().Move(kDefect);
  player().Move(kCooperate);
  player().Move(kDefect);
  EXPECT_EQ(FirstLine(player().Banker()), kBothDefect);
}

TEST_F(Play, RepeatedPressesInAFixedModeRepeatTheRound) {
  struct Case {
    ComputerMode mode;
    ::Move move;
    int computerStep;
    int playerStep;
  };
  const Case cases[] = {{ComputerMode::kAlwaysDefect, kDefect, -10, -10},
                        {ComputerMode::kAlwaysDefect, kCooperate, 500, -100},
                        {ComputerMode::kAlwaysCooperate, kDefect, -100, 500},
                        {ComputerMode::kAlwaysCooperate, kCooperate, 300, 300}};
  for (const Case& c : cases) {
    player().Mode(c.mode);
    player().Move(c.move);
    for (int press = 0; press < 5; ++press) {
      const GameState before = form().State();
      player().Banker();
      EXPECT_EQ(form().State().ComputerScore - before.ComputerScore, c.computerStep);
      EXPECT_EQ(form().State().PlayerScore - before.PlayerScore, c.playerStep);
    }
  }
}

TEST_F(ScriptedPlay, RandomThenCooperatePlaysACooperatingComputer) {
  chance_.Feed({kDrawDefect});
  player().Mode(ComputerMode::kRandom);
  player().Mode(ComputerMode::kAlwaysCooperate);
  EXPECT_EQ(FirstLine(player().Banker()), kPlayerDefects);
  EXPECT_EQ(chance_.draws(), 1u);  // only the click drew
}

TEST_F(Play, ReciprocalComputerPlaysTitForTat) {
  player().Mode(ComputerMode::kReciprocal);
  EXPECT_EQ(FirstLine(player().Round(kDefect)), kPlayerDefects);
  EXPECT_EQ(FirstLine(player().Round(kCooperate)), kComputerDefects);
  EXPECT_EQ(FirstLine(player().Round(kCooperate)), kBothCooperate);
}

TEST_F(Play, SwitchingToReciprocalRepeatsTheLastRoundPlayed) {
  player().Mode(ComputerMode::kAlwaysDefect);
  player().Round(kDefect);
  player().Round(kCooperate);
  player().Mode(ComputerMode::kReciprocal);
  EXPECT_EQ(form().State().ComputerMove, kDefect);  // the click alone changes nothing
  EXPECT_EQ(FirstLine(player().Round(kDefect)), kPlayerDefects);
  EXPECT_EQ(FirstLine(player().Round(kDefect)), kBothDefect);
}

TEST_F(Play, BankerAnswersSpaceWhenItHasTheFocus) {
  QTest::keyClick(form().Text1(0), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), form().Command1(0));
  QTest::keyClick(form().Command1(0), Qt::Key_Return);
  EXPECT_EQ(form().GetReportText(), form_texts::kRules);
  QTest::keyClick(form().Command1(0), Qt::Key_Space);
  EXPECT_EQ(form().GetReportText(), kBothDefect + ScoreLine(990, 990));
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

TEST_F(ScriptedPlay, HandlersIgnoreIndicesOfNoControl) {
  const GameState before = form().State();
  for (const std::int16_t index :
       {std::int16_t{-1}, std::int16_t{1}, std::int16_t{4},
        std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()}) {
    form().OnBankerClick(index);
    if (index != 1) {
      form().OnPlayerMoveClick(index);
      form().OnComputerModeClick(index);
    }
  }
  form().OnPlayerMoveClick(2);
  const GameState& after = form().State();
  EXPECT_EQ(after.ComputerScore, before.ComputerScore);
  EXPECT_EQ(after.PlayerScore, before.PlayerScore);
  EXPECT_EQ(after.ComputerMove, before.ComputerMove);
  EXPECT_EQ(after.PlayerMove, before.PlayerMove);
  EXPECT_EQ(form().GetReportText(), form_texts::kRules);
  EXPECT_EQ(chance_.draws(), 0u);
}

TEST_F(Play, RefusedRoundShowsAndPlayGoesOn) {
  MainFormTestPeer::State(form()).PlayerScore = std::numeric_limits<std::int32_t>::max() - 100;
  player().Mode(ComputerMode::kAlwaysCooperate);
  EXPECT_EQ(player().Banker(), kPlayerDefects + kRefused);
  EXPECT_EQ(form().State().ComputerScore, 1000);
  EXPECT_EQ(form().State().PlayerScore, std::numeric_limits<std::int32_t>::max() - 100);
  EXPECT_EQ(form().State().LastPlayerMove, kCooperate);
  player().Mode(ComputerMode::kAlwaysDefect);
  EXPECT_EQ(player().Banker(), kBothDefect + ScoreLine(990, 2147483537));
  EXPECT_EQ(form().State().LastPlayerMove, kDefect);
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
