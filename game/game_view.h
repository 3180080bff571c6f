#pragma once

#include <string>

#include "game/game_state.h"

// What the game rules need from the window, and nothing more. Texts are UTF-8;
// line breaks are '\n', as the window's text boxes use.
class GameView {
 public:
  virtual ~GameView() = default;

  // Is the option button of this computer mode selected?
  virtual bool IsModeSelected(ComputerMode mode) const = 0;
  // The current text of the report box.
  virtual std::string GetReportText() const = 0;
  // Replaces the whole text of the report box.
  virtual void SetReportText(const std::string& text) = 0;

 protected:
  GameView() = default;
  GameView(const GameView&) = default;
  GameView& operator=(const GameView&) = default;
};
