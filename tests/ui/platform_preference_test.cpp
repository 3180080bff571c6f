#include <gtest/gtest.h>

#include <optional>

#include "ui/platform_preference.h"

namespace {

struct Case {
  const char* what;
  SessionEnvironment session;
  std::optional<QByteArray> expected;
};

TEST(PlatformPreference, X11ThroughXWaylandUnlessTheUserChose) {
  const Case cases[] = {
      {"Wayland with XWayland", {"", "wayland-0", ":0", "wayland"}, QByteArray("xcb")},
      {"Wayland display alone says Wayland", {"", "wayland-0", ":1", ""}, QByteArray("xcb")},
      {"session type alone says Wayland", {"", "", ":0", "wayland"}, QByteArray("xcb")},
      {"Wayland without XWayland", {"", "wayland-0", "", "wayland"}, std::nullopt},
      {"the user chose Wayland", {"wayland", "wayland-0", ":0", "wayland"}, std::nullopt},
      {"the user chose offscreen", {"offscreen", "wayland-0", ":0", "wayland"}, std::nullopt},
      {"an X11 session", {"", "", ":0", "x11"}, std::nullopt},
      {"no display at all", {"", "", "", "tty"}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PreferredPlatform(c.session), c.expected) << c.what;
  }
}

}  // namespace
