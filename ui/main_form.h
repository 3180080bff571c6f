#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "game/computer_move.h"
#include "game/game_state.h"
#include "game/game_view.h"

class Announcer;
class QEvent;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QShowEvent;

namespace Ui {
class MainForm;
}

// The program's only window, laid out in main_form.ui. It owns the game for
// its whole life, prepares it when the window first shows (OnLoad), and
// turns clicks into calls on the game rules, which reach the window back
// through GameView.
class MainForm : public QWidget, public GameView {
  Q_OBJECT

 public:
  // A fixed single border: a caption and a close box, but no minimize or
  // maximize button.
  static constexpr Qt::WindowFlags kWindowFlags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
      Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

  // Plays with the program's own generator, seeded from the clock at load.
  explicit MainForm(QWidget* parent = nullptr);
  // Plays with the given source of chance instead; it must outlive the window.
  explicit MainForm(UniformSource& chance, QWidget* parent = nullptr);
  ~MainForm() override;

  // The controls, as control arrays by element index; nullptr past the end.
  QLabel* Label1(int index) const;
  QGroupBox* Frame1() const;
  QGroupBox* Frame2() const;
  QRadioButton* Option1(int index) const;
  QRadioButton* Option2(int index) const;
  QPushButton* Command1(int index) const;
  QPlainTextEdit* Text1(int index) const;

  const GameState& State() const { return state_; }

  // The click handlers of the three control arrays, given the element index.
  // A round's report is also spoken to a screen reader, at once.
  void OnComputerModeClick(std::int16_t index);
  void OnPlayerMoveClick(std::int16_t index);
  void OnBankerClick(std::int16_t index);

  // GameView
  bool IsModeSelected(ComputerMode mode) const override;
  std::string GetReportText() const override;
  void SetReportText(const std::string& text) override;

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void SetUpForm();
  void ConnectHandlers();
  void OnLoad();

  std::unique_ptr<Ui::MainForm> ui_;
  std::unique_ptr<Announcer> announcer_;
  std::array<QRadioButton*, 4> option1_{};
  std::array<QRadioButton*, 2> option2_{};
  std::array<QPushButton*, 1> command1_{};
  std::array<QPlainTextEdit*, 2> text1_{};
  GameState state_;
  RandomGenerator random_;
  UniformSource* chance_;  // the own generator, or a source given at construction
  bool loaded_ = false;
};
