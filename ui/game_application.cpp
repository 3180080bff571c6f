#include "ui/game_application.h"

#include <QString>

GameApplication::GameApplication(char* programName)
    : ProgramNameOnly(programName), QApplication(argc, argv) {
  setApplicationName(QStringLiteral("dilemata"));
  setStyle(QStringLiteral("Fusion"));
}
