#include "ui/form_builder.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "ui/control_colours.h"
#include "ui/form_layout.h"
#include "ui/option_button.h"
#include "ui/option_group.h"
#include "ui/text_box.h"

namespace {

QString Text(const ControlLayout& layout) {
  return QString::fromUtf8(layout.text);
}

QWidget* MakeLabel(const ControlLayout& layout, QWidget* parent) {
  auto* label = new QLabel(Text(layout), parent);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

QWidget* MakeFrame(const ControlLayout& layout, QWidget* parent) {
  return new QGroupBox(Text(layout), parent);
}

QWidget* MakeOptionButton(const ControlLayout& layout, QWidget* parent) {
  return new OptionButton(Text(layout), parent);
}

QWidget* MakePushButton(const ControlLayout& layout, QWidget* parent) {
  auto* button = new QPushButton(Text(layout), parent);
  // Pressed by a click, or from the keyboard while it has the focus; never
  // by Enter as a default button.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

QWidget* MakeTextBox(const ControlLayout& layout, QWidget* parent) {
  auto* box = new TextBox(parent);
  box->setReadOnly(true);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setUndoRedoEnabled(false);
  box->setTabChangesFocus(true);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setPlainText(Text(layout));
  KeepDefaultColours(*box);
  return box;
}

QWidget* MakeControl(const ControlLayout& layout, QWidget* parent) {
  switch (layout.kind) {
    case ControlKind::kLabel:
      return MakeLabel(layout, parent);
    case ControlKind::kFrame:
      return MakeFrame(layout, parent);
    case ControlKind::kOptionButton:
      return MakeOptionButton(layout, parent);
    case ControlKind::kPushButton:
      return MakePushButton(layout, parent);
    case ControlKind::kTextBox:
      return MakeTextBox(layout, parent);
  }
  return nullptr;
}

QString ObjectName(const ControlLayout& layout) {
  static const char* const kNames[] = {"MainForm", "Label1",  "Frame1",   "Frame2",
                                       "Option1",  "Option2", "Command1", "Text1"};
  const QString name = QString::fromLatin1(kNames[static_cast<int>(layout.name)]);
  if (layout.kind == ControlKind::kFrame) {
    return name;
  }
  return QStringLiteral("%1_%2").arg(name).arg(layout.element);
}

QWidget* Container(const FormControls& controls, ControlName name, QWidget& window) {
  switch (name) {
    case ControlName::kFrame1:
      return controls.frame1;
    case ControlName::kFrame2:
      return controls.frame2;
    default:
      return &window;
  }
}

void Register(FormControls& controls, const ControlLayout& layout, QWidget* control) {
  const auto element = static_cast<std::size_t>(layout.element);
  switch (layout.name) {
    case ControlName::kLabel1:
      controls.label1 = static_cast<QLabel*>(control);
      break;
    case ControlName::kFrame1:
      controls.frame1 = static_cast<QGroupBox*>(control);
      break;
    case ControlName::kFrame2:
      controls.frame2 = static_cast<QGroupBox*>(control);
      break;
    case ControlName::kOption1:
      controls.option1.at(element) = static_cast<QRadioButton*>(control);
      controls.option1Group->addButton(controls.option1.at(element), layout.element);
      break;
    case ControlName::kOption2:
      controls.option2.at(element) = static_cast<QRadioButton*>(control);
      controls.option2Group->addButton(controls.option2.at(element), layout.element);
      break;
    case ControlName::kCommand1:
      controls.command1.at(element) = static_cast<QPushButton*>(control);
      break;
    case ControlName::kText1:
      controls.text1.at(element) = static_cast<QPlainTextEdit*>(control);
      break;
    case ControlName::kWindow:
      break;
  }
}

// Chains the controls that can take the focus in the order of their tab
// indices; labels and frames take part in the numbering only.
void SetTabOrder(std::vector<std::pair<int, QWidget*>> byTabIndex) {
  std::sort(byTabIndex.begin(), byTabIndex.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  QWidget* previous = nullptr;
  for (const auto& [tabIndex, control] : byTabIndex) {
    if (control->focusPolicy() == Qt::NoFocus) {
      continue;
    }
    if (previous != nullptr) {
      QWidget::setTabOrder(previous, control);
    }
    previous = control;
  }
}

}  // namespace

FormControls BuildForm(QWidget& window) {
  FormControls controls;
  controls.option1Group = MakeOptionGroup(&window);
  controls.option2Group = MakeOptionGroup(&window);
  std::vector<std::pair<int, QWidget*>> byTabIndex;
  for (const ControlLayout& layout : kFormLayout) {
    QWidget* control = MakeControl(layout, Container(controls, layout.container, window));
    control->setObjectName(ObjectName(layout));
    control->setAccessibleName(QString::fromUtf8(layout.accessibleName));
    control->setGeometry(ToPixels(layout.box));
    control->setVisible(layout.visible);
    if (layout.background) {
      ApplyBackground(*control, layout.kind, *layout.background);
    }
    Register(controls, layout, control);
    byTabIndex.emplace_back(layout.tabIndex, control);
  }
  SetTabOrder(std::move(byTabIndex));
  return controls;
}
