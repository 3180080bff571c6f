#pragma once

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The window's controls, addressed by name and element index as control
// arrays. The window owns them; these are views.
struct FormControls {
  QLabel* label1 = nullptr;
  QGroupBox* frame1 = nullptr;
  QGroupBox* frame2 = nullptr;
  std::array<QRadioButton*, 4> option1{};
  std::array<QRadioButton*, 2> option2{};
  std::array<QPushButton*, 1> command1{};
  std::array<QPlainTextEdit*, 2> text1{};
  // Each frame's option buttons, exclusive, with the element index as id.
  QButtonGroup* option1Group = nullptr;
  QButtonGroup* option2Group = nullptr;
};
