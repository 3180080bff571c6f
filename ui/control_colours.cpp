#include "ui/control_colours.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace {

QColor ToColor(const Rgb& colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

void FillRole(QWidget& control, QPalette::ColorRole role, const Rgb& colour) {
  QPalette palette = control.palette();
  palette.setColor(role, ToColor(colour));
  control.setPalette(palette);
  control.setBackgroundRole(role);
  control.setAutoFillBackground(true);
}

QString CssColour(const QColor& colour) {
  return QStringLiteral("rgb(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

// Fusion shades a push button's palette colour into a paler gradient. The
// face must show the colour itself, so the button draws from a style sheet
// instead: a raised edge, lit from the top left, that sinks while pressed.
QString PushButtonSheet(const Rgb& colour) {
  const QColor face = ToColor(colour);
  const QString light = CssColour(face.lighter(130));
  const QString dark = CssColour(face.darker(250));
  return QStringLiteral(
             "QPushButton { background-color: %1; padding: 0px; border: 2px solid;"
             " border-color: %2 %3 %3 %2; }"
             "QPushButton:pressed { border-color: %3 %2 %2 %3; }")
      .arg(CssColour(face), light, dark);
}

}  // namespace

void ApplyBackground(QWidget& control, ControlKind kind, const Rgb& colour) {
  switch (kind) {
    case ControlKind::kPushButton:
      control.setStyleSheet(PushButtonSheet(colour));
      break;
    case ControlKind::kOptionButton:
      // A button fills its background from the Button role, not Window.
      FillRole(control, QPalette::Button, colour);
      break;
    case ControlKind::kLabel:
    case ControlKind::kFrame:
    case ControlKind::kTextBox:
      FillRole(control, QPalette::Window, colour);
      break;
  }
}

void KeepDefaultColours(QWidget& control) {
  // Every role set explicitly, so none is inherited from the parent.
  const QPalette defaults = QApplication::palette();
  QPalette palette;
  for (int group = 0; group < QPalette::NColorGroups; ++group) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto g = static_cast<QPalette::ColorGroup>(group);
      const auto r = static_cast<QPalette::ColorRole>(role);
      if (r == QPalette::NoRole) {
        continue;
      }
      palette.setBrush(g, r, defaults.brush(g, r));
    }
  }
  control.setPalette(palette);
}
