// Windows only: the window as Windows frames it.

#include <gtest/gtest.h>
#include <windows.h>

#include "ui/shown_form.h"

namespace {

using WindowFrame = ShownForm;

// A fixed single border, as a dialog has: a title bar with the system menu
// and the close box, no minimize or maximize box, no border to drag, and
// the form's own size inside.
TEST_F(WindowFrame, IsFixedWithTheCloseBoxAlone) {
  const auto window = reinterpret_cast<HWND>(form().winId());
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  RECT client{};
  ASSERT_TRUE(GetClientRect(window, &client));
  EXPECT_EQ(client.right - client.left, 461);
  EXPECT_EQ(client.bottom - client.top, 345);
  wchar_t caption[64] = {};
  GetWindowTextW(window, caption, 64);
  EXPECT_STREQ(caption, L"Философия - логика, дилемата");
}

}  // namespace
