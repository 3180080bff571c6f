#include "ui/main_form.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

#include "game/computer_move.h"
#include "game/play_round.h"
#include "game/player_move.h"
#include "game/starting_values.h"
#include "ui/fixed_window.h"
#include "ui/form_builder.h"
#include "ui/form_font.h"
#include "ui/form_layout.h"
#include "ui/form_texts.h"
#include "ui/window_icon.h"

namespace {

constexpr std::int16_t kBankerIndex = 0;

template <typename Array>
typename Array::value_type Element(const Array& controls, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= controls.size()) {
    return nullptr;
  }
  return controls[static_cast<std::size_t>(index)];
}

}  // namespace

MainForm::MainForm(QWidget* parent) : QWidget(parent), chance_(&random_) {
  Build();
}

MainForm::MainForm(UniformSource& chance, QWidget* parent) : QWidget(parent), chance_(&chance) {
  Build();
}

void MainForm::Build() {
  SetUpWindow();
  controls_ = BuildForm(*this);
  ConnectHandlers();
  controls_.text1[0]->setFocus();
}

void MainForm::SetUpWindow() {
  setObjectName(QStringLiteral("MainForm"));
  MakeFixedWindow(*this, ToPixels(kClientArea).size());
  setWindowTitle(QString::fromUtf8(form_texts::kCaption));
  setWindowIcon(WindowIcon());
  setFont(FormFont());

  QPalette background = palette();
  background.setColor(QPalette::Window, QColor(kWindowBackground.red, kWindowBackground.green,
                                               kWindowBackground.blue));
  setPalette(background);
  setAutoFillBackground(true);
}

// A selection runs its group's handler once, with the selected element's
// index, whether the user made it or the code did; the button the group
// clears runs nothing.
void MainForm::ConnectHandlers() {
  connect(controls_.option1Group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) {
      OnComputerModeClick(static_cast<std::int16_t>(id));
    }
  });
  connect(controls_.option2Group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) {
      OnPlayerMoveClick(static_cast<std::int16_t>(id));
    }
  });
  connect(controls_.command1[0], &QPushButton::clicked, this,
          [this] { OnBankerClick(kBankerIndex); });
}

// The load notification: the window is about to show for the first time.
void MainForm::showEvent(QShowEvent* event) {
  if (!loaded_) {
    loaded_ = true;
    OnLoad();
  }
  QWidget::showEvent(event);
}

void MainForm::OnLoad() {
  state_.Payoff = kStartingPayoff;
  state_.ComputerScore = kStartingTotal;
  state_.PlayerScore = kStartingTotal;
  state_.ComputerMove = kStartingMove;
  state_.PlayerMove = kStartingMove;
  // Each selection runs its click handler, nested here, as a click would.
  controls_.option1[0]->setChecked(true);
  controls_.option2[0]->setChecked(true);
  state_.LastPlayerMove = kStartingLastPlayerMove;
  random_.SeedFromClock();
}

void MainForm::OnComputerModeClick(std::int16_t index) {
  ApplyModeClick(state_, index, *chance_);
}

void MainForm::OnPlayerMoveClick(std::int16_t index) {
  ApplyPlayerMoveClick(state_, index);
}

void MainForm::OnBankerClick(std::int16_t index) {
  if (index == kBankerIndex) {
    PlayRound(state_, *this, *chance_);
  }
}

bool MainForm::IsModeSelected(ComputerMode mode) const {
  const QRadioButton* button = Element(controls_.option1, ModeIndex(mode));
  return button != nullptr && button->isChecked();
}

std::string MainForm::GetReportText() const {
  // The raw text keeps no-break spaces, which toPlainText() would flatten.
  QString text = controls_.text1[0]->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return text.toStdString();
}

void MainForm::SetReportText(const std::string& text) {
  // Replaced in place, in one edit: setPlainText() would clear the document
  // first, and both size changes would repaint the scroll bar, which costs
  // more than the text itself; round after round the report keeps its size.
  QPlainTextEdit& box = *controls_.text1[0];
  QTextCursor cursor(box.document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(QString::fromStdString(text));
  cursor.endEditBlock();
  box.moveCursor(QTextCursor::Start);
}

QLabel* MainForm::Label1(int index) const {
  return index == 0 ? controls_.label1 : nullptr;
}

QRadioButton* MainForm::Option1(int index) const {
  return Element(controls_.option1, index);
}

QRadioButton* MainForm::Option2(int index) const {
  return Element(controls_.option2, index);
}

QPushButton* MainForm::Command1(int index) const {
  return Element(controls_.command1, index);
}

QPlainTextEdit* MainForm::Text1(int index) const {
  return Element(controls_.text1, index);
}
