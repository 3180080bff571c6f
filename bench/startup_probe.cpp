// One start-up to measure: opens either the game's window or a bare window
// of the same size and flags, and prints the monotonic time at which its
// first frame has been painted and flushed, then quits.
//
//   startup_probe mainform|bare|text
//
// "text" is the bare window with one label in the game's font: the floor of
// any window that shows text, which pays for the font system's start-up.

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QObject>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>

#include "monotonic_clock.h"
#include "ui/application_setup.h"
#include "ui/main_form.h"
#include "ui/platform_preference.h"

namespace {

// Sees the window's first paint; a zero timer then fires once the repaint
// that holds it, children and flush included, has finished.
class FirstFrame final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, [] {
        std::printf("%lld\n", static_cast<long long>(MonotonicNanoseconds()));
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

std::unique_ptr<QWidget> BareWindow() {
  auto window = std::make_unique<QWidget>();
  window->setWindowFlags(MainForm::kWindowFlags);  // as the game's window is made
  window->setFixedSize(461, 345);
  return window;
}

std::unique_ptr<QWidget> TextWindow() {
  std::unique_ptr<QWidget> window = BareWindow();
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Serif")});  // what the game's font resolves to
  font.setPointSize(12);
  window->setFont(font);
  auto* label = new QLabel(QStringLiteral("Философия - дилемата на затворника"), window.get());
  label->setGeometry(64, 0, 305, 25);
  return window;
}

std::unique_ptr<QWidget> Window(const char* which) {
  if (std::strcmp(which, "bare") == 0) {
    return BareWindow();
  }
  if (std::strcmp(which, "text") == 0) {
    return TextWindow();
  }
  return std::make_unique<MainForm>();
}

}  // namespace

// Starts as the game's entry does.
int main(int argc, char** argv) {
  ApplyPlatformPreference(CurrentSessionEnvironment());
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QApplication application(qtArgc, qtArgv);
  SetUpApplication(application);
  std::unique_ptr<QWidget> window = Window(argc > 1 ? argv[1] : "mainform");
  FirstFrame firstFrame;
  window->installEventFilter(&firstFrame);
  window->show();
  return application.exec();
}
