#pragma once

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

// The window's own kinds of control: Qt's, with the keys, clicks and looks
// that players know from native option groups, buttons and text boxes.

// An option button of an exclusive group. It answers a click anywhere on its
// coloured face, not just on its indicator and caption; all four arrow keys
// move the selection within its group (Up and Left back, Down and Right
// forward); and the selected button is the group's one tab stop, so Tab
// enters a group at its selection, however the selection was made.
class OptionButton final : public QRadioButton {
  Q_OBJECT

 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& position) const override;
  void checkStateSet() override;
  void keyPressEvent(QKeyEvent* event) override;
};

// A push button that Return and keypad Enter press while it has the focus,
// as Space does. It is never a default button: elsewhere in the window
// Return does nothing. Drawn by a style sheet in a colour of its own, it
// still shows a focus frame round its caption once the keyboard has moved
// the focus, as the option buttons do.
class CommandButton final : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

// A multi-line text box in the toolkit's default colours, whatever the
// colours of the window around it, that shows whole lines only: the text
// area is cut down to the last line that fits whole, whatever line spacing
// the font gives, and scrolling moves by whole lines.
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
