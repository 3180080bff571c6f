#include <gtest/gtest.h>

#include <optional>

#include "ui/platform_preference.h"

namespace {

struct Case {
  const char* what;
  SessionEnvironment session;
  std::optional<QByteArray> platform;
  bool display;  // a display to start on
};

TEST(PlatformPreference, X11ThroughXWaylandUnlessTheUserChose) {
  const Case cases[] = {
      {"Wayland with XWayland", {"", "wayland-0", ":0", "wayland"}, QByteArray("xcb"), true},
      {"Wayland display alone says Wayland", {"", "wayland-0", ":1", ""}, QByteArray("xcb"), true},
      {"session type alone says Wayland", {"", "", ":0", "wayland"}, QByteArray("xcb"), true},
      {"Wayland without XWayland", {"", "wayland-0", "", "wayland"}, std::nullopt, true},
      {"the user chose Wayland", {"wayland", "wayland-0", ":0", "wayland"}, std::nullopt, true},
      {"the user chose offscreen", {"offscreen", "", "", "tty"}, std::nullopt, true},
      {"an X11 session", {"", "", ":0", "x11"}, std::nullopt, true},
      {"no display at all", {"", "", "", "tty"}, std::nullopt, false},
      {"a Wayland session type but no display", {"", "", "", "wayland"}, std::nullopt, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PreferredPlatform(c.session), c.platform) << c.what;
    EXPECT_EQ(HasDisplay(c.session), c.display) << c.what;
  }
}

}  // namespace
