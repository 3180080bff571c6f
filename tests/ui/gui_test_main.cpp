#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include "ui/application_setup.h"

// GoogleTest's discovery runs this binary at build time without the test's
// environment, so it defaults to the headless platform itself.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  }
  testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  SetUpApplication(application);
  return RUN_ALL_TESTS();
}
