#pragma once

#include <QWidget>

#include "game/game_state.h"
#include "game/random_generator.h"
#include "ui/form_controls.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The program's only window. It owns the game for its whole life.
class MainForm : public QWidget {
  Q_OBJECT

 public:
  explicit MainForm(QWidget* parent = nullptr);

  // The controls, as control arrays by element index.
  QLabel* Label1(int index) const;
  QGroupBox* Frame1() const { return controls_.frame1; }
  QGroupBox* Frame2() const { return controls_.frame2; }
  QRadioButton* Option1(int index) const;
  QRadioButton* Option2(int index) const;
  QPushButton* Command1(int index) const;
  QPlainTextEdit* Text1(int index) const;

 private:
  void SetUpWindow();

  FormControls controls_;
  GameState state_;
  RandomGenerator random_;
};
