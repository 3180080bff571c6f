// One start-up to measure: opens either the game's window or a bare window
// of the same size and flags, and prints the monotonic time at which its
// first frame has been painted and flushed, then quits.
//
//   startup_probe mainform|bare|text
//
// "text" is the bare window with one label in the game's font: the floor of
// any window that shows text, which pays for the font system's start-up.

#include <QEvent>
#include <QLabel>
#include <QObject>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>

#include "monotonic_clock.h"
#include "ui/fixed_window.h"
#include "ui/form_font.h"
#include "ui/form_texts.h"
#include "ui/game_application.h"
#include "ui/main_form.h"

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
  MakeFixedWindow(*window, QSize(461, 345));  // as the game's window is made
  return window;
}

std::unique_ptr<QWidget> TextWindow() {
  std::unique_ptr<QWidget> window = BareWindow();
  window->setFont(FormFont());
  auto* label = new QLabel(QString::fromUtf8(form_texts::kTitle), window.get());
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

int main(int argc, char** argv) {
  GameApplication application(argv[0]);
  std::unique_ptr<QWidget> window = Window(argc > 1 ? argv[1] : "mainform");
  FirstFrame firstFrame;
  window->installEventFilter(&firstFrame);
  window->show();
  return application.exec();
}
