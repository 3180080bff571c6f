#pragma once

#include <QByteArray>
#include <optional>

// Which of Qt's platforms the game starts on, and what happens when there is
// none to start on. All of it runs before Qt starts.

// What the session says about the windowing system.
struct SessionEnvironment {
  QByteArray qpaPlatform;     // QT_QPA_PLATFORM: the user's own choice, if any
  QByteArray waylandDisplay;  // WAYLAND_DISPLAY
  QByteArray display;         // DISPLAY: an X server, XWayland on a Wayland session
  QByteArray sessionType;     // XDG_SESSION_TYPE
};

SessionEnvironment CurrentSessionEnvironment();

// The platform plugin to ask Qt for, or none to leave Qt's own choice.
//
// Without server-side decorations, Qt on Wayland draws its own title bar
// with minimize and maximize buttons whatever the window's flags say; the
// window must offer its close box alone. So, when the user chose no
// platform, a Wayland session that has XWayland runs the window through
// X11, where the window manager honours the flags.
std::optional<QByteArray> PreferredPlatform(const SessionEnvironment& session);

// Sets QT_QPA_PLATFORM to the preferred platform.
void ApplyPlatformPreference(const SessionEnvironment& session);

// Whether the session names a display to open the window on: an X server
// or a Wayland compositor. A platform the user chose is taken at its word.
bool HasDisplay(const SessionEnvironment& session);

// One line, in Bulgarian and English: no graphical display was found, and
// how to run the game.
const char* NoDisplayMessage();

// Where Qt finds no display to connect to after all (one that is named but
// gone, say), it would abort, with a core dump and a hint to reinstall: the
// program says NoDisplayMessage() instead and ends with status 1.
void ExitPlainlyWithoutDisplay();
