#include <QApplication>
#include <cstdio>

#include "ui/application_setup.h"
#include "ui/main_form.h"
#include "ui/platform_preference.h"

int main(int /*argc*/, char** argv) {
  const SessionEnvironment session = CurrentSessionEnvironment();
  if (!HasDisplay(session)) {
    std::fputs(NoDisplayMessage(), stderr);
    return 1;
  }
  ApplyPlatformPreference(session);
  ExitPlainlyWithoutDisplay();

  // The program takes no command line: Qt is handed the program's name alone.
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QApplication application(qtArgc, qtArgv);
  SetUpApplication(application);
  MainForm form;
  form.show();
  return QApplication::exec();
}
