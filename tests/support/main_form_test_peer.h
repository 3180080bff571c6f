#pragma once

#include "ui/main_form.h"

// Lets a test set the game's totals directly, as no click can.
class MainFormTestPeer {
 public:
  static GameState& State(MainForm& form) { return form.state_; }
};
