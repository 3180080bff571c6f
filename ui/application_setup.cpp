#include "ui/application_setup.h"

#include <QApplication>
#include <QString>

void SetUpApplication(QApplication& application) {
  QApplication::setApplicationName(QStringLiteral("dilemata"));
  // Matches the window to its desktop entry and icon, on Wayland above all.
  QGuiApplication::setDesktopFileName(QStringLiteral("bg.dilemata.Dilemata"));
  application.setStyle(QStringLiteral("Fusion"));
}
