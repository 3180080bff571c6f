#include "ui/form_controls.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextLine>
#include <QtMath>

bool OptionButton::hitButton(const QPoint& position) const {
  return rect().contains(position);
}

// Qt makes a group one tab stop, but at whichever button last had the
// focus; a selection made from code would leave the stop on another button.
void OptionButton::checkStateSet() {
  QRadioButton::checkStateSet();
  if (isChecked() && group() != nullptr) {
    for (QAbstractButton* button : group()->buttons()) {
      button->setFocusPolicy(button == this ? Qt::StrongFocus : Qt::ClickFocus);
    }
  }
}

// Qt moves through a group towards the button that lies in the arrow's
// direction; the buttons stand in a column, so Left and Right go as Up and
// Down do.
void OptionButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key != Qt::Key_Left && key != Qt::Key_Right) {
    QRadioButton::keyPressEvent(event);
    return;
  }
  QKeyEvent along(event->type(), key == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down,
                  event->modifiers(), event->text(), event->isAutoRepeat(),
                  static_cast<ushort>(event->count()));
  QRadioButton::keyPressEvent(&along);
  event->setAccepted(along.isAccepted());
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

// A dotted frame inside the raised edge, in the caption's colour, the way
// buttons have long shown the focus; only after the keyboard has moved the
// focus in this window, so that a click leaves the face as it was.
void CommandButton::paintEvent(QPaintEvent* event) {
  QPushButton::paintEvent(event);
  if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
    return;
  }
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
  painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

namespace {

// The margin around the text, as a text document keeps by default.
constexpr int kTextMargin = 4;

// Every colour role set explicitly, so that none is inherited from the
// window around the box.
QPalette DefaultColours() {
  const QPalette defaults = QApplication::palette();
  QPalette palette;
  for (int group = 0; group < QPalette::NColorGroups; ++group) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto g = static_cast<QPalette::ColorGroup>(group);
      const auto r = static_cast<QPalette::ColorRole>(role);
      if (r != QPalette::NoRole) {
        palette.setBrush(g, r, defaults.brush(g, r));
      }
    }
  }
  return palette;
}

// The height of one line of plain text in this font, laid out as the box
// lays out its own lines: leading included.
int LineHeight(const QFont& font) {
  QTextLayout probe(QStringLiteral("X"), font);
  probe.beginLayout();
  QTextLine line = probe.createLine();
  line.setLeadingIncluded(true);
  probe.endLayout();
  return qCeil(line.height());
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setPalette(DefaultColours());
  // The margin is kept around the text area instead of inside the
  // document, so that lines start at the text area's top edge at every
  // scroll position. The box's own background fills it, in the same base
  // colour as the text area.
  document()->setDocumentMargin(0);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
}

void TextBox::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    ShowWholeLinesOnly();
  }
}

void TextBox::resizeEvent(QResizeEvent* event) {
  ShowWholeLinesOnly();
  QPlainTextEdit::resizeEvent(event);
}

void TextBox::ShowWholeLinesOnly() {
  const int line = LineHeight(font());
  const int available = contentsRect().height() - kTextMargin;
  const int cut = line > 0 && available > line ? available % line : 0;
  setViewportMargins(kTextMargin, kTextMargin, kTextMargin, cut);
}
