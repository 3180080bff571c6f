#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cstdint>
#include <cstdio>

#include "monotonic_clock.h"
#include "ui/main_form.h"

// Shows the window and waits until it is on screen; says so if it is not.
inline bool ShowForPresses(MainForm& form) {
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) {
    std::fprintf(stderr, "the window did not show\n");
    return false;
  }
  return true;
}

// Presses "Банкер" through the real widgets and waits until the report box
// has repainted, timing each press from the mouse press to the repaint.
class BankerPresses final : public QObject {
 public:
  explicit BankerPresses(MainForm& form) : form_(form) {
    form_.Text1(0)->viewport()->installEventFilter(this);
  }

  // Returns the nanoseconds one press took.
  std::int64_t Press() {
    painted_ = false;
    const std::int64_t start = MonotonicNanoseconds();
    QTest::mouseClick(form_.Command1(0), Qt::LeftButton);
    while (!painted_) {
      QCoreApplication::processEvents();
    }
    return MonotonicNanoseconds() - start;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool handled = QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Paint) {
      painted_ = true;
    }
    return handled;
  }

 private:
  MainForm& form_;
  bool painted_ = false;
};
