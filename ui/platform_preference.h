#pragma once

#include <QByteArray>
#include <optional>

// What the session says about the windowing system.
struct SessionEnvironment {
  QByteArray qpaPlatform;     // QT_QPA_PLATFORM: the user's own choice, if any
  QByteArray waylandDisplay;  // WAYLAND_DISPLAY
  QByteArray display;         // DISPLAY: an X server, XWayland on a Wayland session
  QByteArray sessionType;     // XDG_SESSION_TYPE
};

// The platform plugin to ask Qt for, or none to leave Qt's own choice.
//
// Without server-side decorations, Qt on Wayland draws its own title bar
// with minimize and maximize buttons whatever the window's flags say; the
// window must offer its close box alone. So, when the user chose no
// platform, a Wayland session that has XWayland runs the window through
// X11, where the window manager honours the flags.
std::optional<QByteArray> PreferredPlatform(const SessionEnvironment& session);

SessionEnvironment CurrentSessionEnvironment();

// Sets QT_QPA_PLATFORM to the preferred platform, before Qt starts.
void ApplyPlatformPreference();
