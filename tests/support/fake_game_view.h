#pragma once

#include <optional>
#include <string>

#include "game/game_view.h"

// A window stand-in: one selected computer mode and a report box.
class FakeGameView final : public GameView {
 public:
  explicit FakeGameView(std::optional<ComputerMode> selected = ComputerMode::kAlwaysDefect)
      : selected_(selected) {}

  void Select(ComputerMode mode) { selected_ = mode; }

  bool IsModeSelected(ComputerMode mode) const override { return selected_ == mode; }
  std::string GetReportText() const override { return report_; }
  void SetReportText(const std::string& text) override {
    report_ = text;
    ++writes_;
  }

  int writes() const { return writes_; }

 private:
  std::optional<ComputerMode> selected_;
  std::string report_;
  int writes_ = 0;
};
