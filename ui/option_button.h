#pragma once

#include <QRadioButton>

// An option button that answers a click anywhere on its coloured face, not
// just on its indicator and caption.
class OptionButton final : public QRadioButton {
  Q_OBJECT

 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};
