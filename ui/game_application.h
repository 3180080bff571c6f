#pragma once

#include <QApplication>

namespace detail {

// Chooses the platform plugin before Qt starts; hence the first base.
struct PlatformChoice {
  PlatformChoice();
};

// The command line Qt is given: the program's name alone. It must outlive
// the application object, so it is a base constructed first.
struct ProgramNameOnly {
  explicit ProgramNameOnly(char* programName) : argv{programName, nullptr} {}
  int argc = 1;
  char* argv[2];
};

}  // namespace detail

// The game's application object: the Fusion style, so that the window's
// colours render alike on every desktop, no command line, since the program
// takes none, and X11 rather than Wayland where that keeps the title bar to
// a close box (see platform_preference.h).
class GameApplication : private detail::PlatformChoice,
                        private detail::ProgramNameOnly,
                        public QApplication {
 public:
  explicit GameApplication(char* programName);
};
