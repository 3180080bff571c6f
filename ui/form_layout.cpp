#include "ui/form_layout.h"

#include "ui/form_texts.h"

namespace {

constexpr Rgb kLabelColour{255, 192, 128};
constexpr Rgb kFrameColour{255, 224, 192};
constexpr Rgb kComputerOptionColour{255, 128, 255};
constexpr Rgb kPlayerOptionColour{255, 255, 128};
constexpr Rgb kBankerColour{128, 255, 128};

using N = ControlName;
using K = ControlKind;
namespace t = form_texts;

}  // namespace

// clang-format off
const std::array<ControlLayout, 12> kFormLayout{{
    // name, element, kind, container, text, accessible name, box, background, tab index, visible
    {N::kLabel1, 0, K::kLabel, N::kWindow, t::kTitle, t::kTitle,
     {960, 0, 4575, 375}, kLabelColour, 2, true},
    {N::kFrame1, 0, K::kFrame, N::kWindow, t::kComputerFrame, t::kComputerFrame,
     {360, 720, 2055, 1935}, kFrameColour, 4, true},
    {N::kOption1, 0, K::kOptionButton, N::kFrame1, t::kDefect, t::kDefect,
     {120, 360, 1815, 375}, kComputerOptionColour, 6, true},
    {N::kOption1, 1, K::kOptionButton, N::kFrame1, t::kCooperate, t::kCooperate,
     {120, 720, 1815, 375}, kComputerOptionColour, 7, true},
    {N::kOption1, 2, K::kOptionButton, N::kFrame1, t::kRandom, t::kRandom,
     {120, 1080, 1815, 375}, kComputerOptionColour, 5, true},
    {N::kOption1, 3, K::kOptionButton, N::kFrame1, t::kReciprocal, t::kReciprocal,
     {120, 1440, 1815, 375}, kComputerOptionColour, 8, true},
    {N::kFrame2, 0, K::kFrame, N::kWindow, t::kPlayerFrame, t::kPlayerFrame,
     {4560, 720, 2055, 1215}, kFrameColour, 9, true},
    {N::kOption2, 0, K::kOptionButton, N::kFrame2, t::kDefect, t::kDefect,
     {120, 360, 1815, 375}, kPlayerOptionColour, 11, true},
    {N::kOption2, 1, K::kOptionButton, N::kFrame2, t::kCooperate, t::kCooperate,
     {120, 720, 1815, 375}, kPlayerOptionColour, 10, true},
    {N::kCommand1, 0, K::kPushButton, N::kWindow, t::kBanker, t::kBanker,
     {2880, 2160, 1335, 375}, kBankerColour, 3, true},
    {N::kText1, 0, K::kTextBox, N::kWindow, t::kRules, t::kReportBoxName,
     {120, 3240, 6735, 1815}, std::nullopt, 0, true},
    // Never shown: it lies past the window's right edge and stays hidden.
    {N::kText1, 1, K::kTextBox, N::kWindow, t::kAphorism, t::kAphorismBoxName,
     {600, 3240, 6735, 1815}, std::nullopt, 1, false},
}};
// clang-format on
