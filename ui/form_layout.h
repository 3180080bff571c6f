#pragma once

#include <array>
#include <optional>

#include "ui/twips.h"

// The window's stored layout: every control with its kind, container,
// text, place, colour, visibility and tab order.

enum class ControlName {
  kWindow,
  kLabel1,
  kFrame1,
  kFrame2,
  kOption1,
  kOption2,
  kCommand1,
  kText1
};

enum class ControlKind { kLabel, kFrame, kOptionButton, kPushButton, kTextBox };

struct Rgb {
  int red;
  int green;
  int blue;
};

struct ControlLayout {
  ControlName name;
  int element;  // index within the control array; 0 for frames
  ControlKind kind;
  ControlName container;          // the window, or the frame that holds it
  const char* text;               // caption or initial text, UTF-8
  const char* accessibleName;     // what a screen reader calls it, UTF-8
  TwipBox box;                    // relative to the container
  std::optional<Rgb> background;  // none: the toolkit's default colours
  int tabIndex;
  bool visible;
};

inline constexpr TwipBox kClientArea{0, 0, 6915, 5175};
inline constexpr Rgb kWindowBackground{192, 192, 255};
inline constexpr int kFontPointSize = 12;

// Containers come before what they hold.
extern const std::array<ControlLayout, 12> kFormLayout;
