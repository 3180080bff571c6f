#include "ui/game_application.h"

#include <QString>

#include "ui/platform_preference.h"

detail::PlatformChoice::PlatformChoice() {
  ApplyPlatformPreference();
}

GameApplication::GameApplication(char* programName)
    : ProgramNameOnly(programName), QApplication(argc, argv) {
  setApplicationName(QStringLiteral("dilemata"));
  // Matches the window to its desktop entry and icon, on Wayland above all.
  setDesktopFileName(QStringLiteral("bg.dilemata.Dilemata"));
  setStyle(QStringLiteral("Fusion"));
}
