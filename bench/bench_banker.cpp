// A press of "Банкер" through the real widgets, from the press to the report
// box repainted: median and 99th percentile over many presses.
//
//   bench_banker [PRESSES]

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "banker_presses.h"
#include "statistics.h"
#include "ui/application_setup.h"
#include "ui/main_form.h"

int main(int argc, char** argv) {
  const int presses = argc > 1 ? std::atoi(argv[1]) : 10000;
  QApplication application(argc, argv);
  SetUpApplication(application);
  MainForm form;
  if (!ShowForPresses(form)) {
    return 1;
  }
  BankerPresses banker(form);
  for (int i = 0; i < 100; ++i) {
    banker.Press();  // warm-up, unrecorded
  }
  std::vector<double> microseconds;
  microseconds.reserve(static_cast<std::size_t>(presses));
  for (int i = 0; i < presses; ++i) {
    microseconds.push_back(static_cast<double>(banker.Press()) / 1000.0);
  }
  std::printf("press of \"Банкер\" to report repainted (%s), %d presses:\n",
              qPrintable(QGuiApplication::platformName()), presses);
  std::printf("  median %8.1f us (goal < 500)\n", Median(microseconds));
  std::printf("  p99    %8.1f us (goal < 2000)\n", Quantile(microseconds, 0.99));
  std::printf("  max    %8.1f us\n", Quantile(microseconds, 1.0));
  return 0;
}
