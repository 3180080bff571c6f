#include <QApplication>
#include <QtGlobal>
#include <cstdio>

#include "ui/application_setup.h"
#include "ui/main_form.h"

#ifdef Q_OS_LINUX
#include "ui/platform_preference.h"
#endif

int main(int /*argc*/, char** argv) {
#ifdef Q_OS_LINUX
  // Linux only: an X11 or Wayland session names its display; without one
  // the program says so and ends, and Wayland goes through XWayland.
  const SessionEnvironment session = CurrentSessionEnvironment();
  if (!HasDisplay(session)) {
    std::fputs(NoDisplayMessage(), stderr);
    return 1;
  }
  ApplyPlatformPreference(session);
  ExitPlainlyWithoutDisplay();
#endif

  // The program takes no command line: Qt is handed the program's name alone.
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QApplication application(qtArgc, qtArgv);
  SetUpApplication(application);
  MainForm form;
  form.show();
  return QApplication::exec();
}
