#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

#include "game/game_state.h"
#include "game/game_view.h"
#include "game/random_generator.h"
#include "ui/form_controls.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QShowEvent;

// The program's only window. It owns the game for its whole life, prepares
// it when the window first shows (OnLoad), and turns clicks into calls on
// the game rules, which reach the window back through GameView.
class MainForm : public QWidget, public GameView {
  Q_OBJECT

 public:
  // Plays with the program's own generator, seeded from the clock at load.
  explicit MainForm(QWidget* parent = nullptr);
  // Plays with the given source of chance instead; it must outlive the window.
  explicit MainForm(UniformSource& chance, QWidget* parent = nullptr);

  // The controls, as control arrays by element index.
  QLabel* Label1(int index) const;
  QGroupBox* Frame1() const { return controls_.frame1; }
  QGroupBox* Frame2() const { return controls_.frame2; }
  QRadioButton* Option1(int index) const;
  QRadioButton* Option2(int index) const;
  QPushButton* Command1(int index) const;
  QPlainTextEdit* Text1(int index) const;

  const GameState& State() const { return state_; }

  // The click handlers of the three control arrays, given the element index.
  void OnComputerModeClick(std::int16_t index);
  void OnPlayerMoveClick(std::int16_t index);
  void OnBankerClick(std::int16_t index);

  // GameView
  bool IsModeSelected(ComputerMode mode) const override;
  std::string GetReportText() const override;
  void SetReportText(const std::string& text) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  friend class MainFormTestPeer;

  void Build();
  void SetUpWindow();
  void ConnectHandlers();
  void OnLoad();

  FormControls controls_;
  GameState state_;
  RandomGenerator random_;
  UniformSource* chance_;  // the own generator, or a source given at construction
  bool loaded_ = false;
};
