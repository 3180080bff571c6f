#pragma once

#include <QPlainTextEdit>

// A multi-line text box that shows whole lines only: the strip of a last
// line that would not fit whole stays blank, whatever line spacing the
// font gives, and scrolling brings that line in whole.
class TextBox final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TextBox(QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ShowWholeLinesOnly();
};
