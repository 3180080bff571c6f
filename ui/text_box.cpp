#include "ui/text_box.h"

#include <QEvent>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextLine>

namespace {

// The margin around the text, as a text document keeps by default.
constexpr int kTextMargin = 4;

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

// Scrolling moves by whole lines, so a text area as high as a whole number
// of lines never shows part of one.
void TextBox::ShowWholeLinesOnly() {
  const int line = LineHeight(font());
  const int available = contentsRect().height() - kTextMargin;
  const int cut = line > 0 && available > line ? available % line : 0;
  setViewportMargins(kTextMargin, kTextMargin, kTextMargin, cut);
}
