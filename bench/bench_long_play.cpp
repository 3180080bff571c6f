// Resident memory over long play through the real widgets: after 1,000
// presses of "Банкер" and after many more, switching modes and moves as it
// goes so that every outcome and the random draws take part.
//
//   bench_long_play [PRESSES]

#include <unistd.h>
#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "banker_presses.h"
#include "ui/application_setup.h"
#include "ui/main_form.h"

namespace {

long ResidentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0;
  long resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void Vary(MainForm& form, int press) {
  if (press % 97 == 0) {
    QTest::mouseClick(form.Option1((press / 97) % 4), Qt::LeftButton);
  }
  if (press % 13 == 0) {
    QTest::mouseClick(form.Option2((press / 13) % 2), Qt::LeftButton);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int presses = argc > 1 ? std::atoi(argv[1]) : 200000;
  QApplication application(argc, argv);
  SetUpApplication(application);
  MainForm form;
  if (!ShowForPresses(form)) {
    return 1;
  }
  BankerPresses banker(form);
  long early = 0;
  for (int press = 1; press <= presses; ++press) {
    Vary(form, press);
    banker.Press();
    if (press == 1000) {
      early = ResidentKilobytes();
    }
  }
  const long late = ResidentKilobytes();
  std::printf("resident memory over long play (%s):\n",
              qPrintable(QGuiApplication::platformName()));
  std::printf("  after %7d presses  %8ld KiB\n", 1000, early);
  std::printf("  after %7d presses  %8ld KiB\n", presses, late);
  std::printf("  growth %+ld KiB (goal: within 1024)\n", late - early);
  return 0;
}
