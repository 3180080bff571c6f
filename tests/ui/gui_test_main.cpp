#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include "ui/application_setup.h"

// On Linux, GoogleTest's discovery runs this binary at build time without
// the test's environment, so it defaults to the headless platform itself.
// On Windows the window runs on Windows' own platform, as the game's does.
int main(int argc, char** argv) {
#ifndef Q_OS_WIN
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  }
#endif
  testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  SetUpApplication(application);
  return RUN_ALL_TESTS();
}
