#include "ui/game_application.h"
#include "ui/main_form.h"

// The program takes no command line: Qt is handed the program's name alone.
int main(int /*argc*/, char** argv) {
  GameApplication application(argv[0]);
  MainForm form;
  form.show();
  return application.exec();
}
