#include "ui/main_form.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontDatabase>
#include <QShowEvent>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>

#include "game/play_round.h"
#include "ui/accessibility.h"
#include "ui_main_form.h"

namespace {

constexpr std::int16_t kBankerIndex = 0;

template <typename Array>
typename Array::value_type Element(const Array& controls, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= controls.size()) {
    return nullptr;
  }
  return controls[static_cast<std::size_t>(index)];
}

// The form's font with its family narrowed to the installed faces among it
// and its metric twins, in that order: asking for an absent family first
// sends every text through fontconfig's substitution search at start-up.
// The list of families holds installed faces alone, where hasFamily() would
// also answer yes for fontconfig's aliases.
QFont InstalledFont(QFont font) {
  const QStringList preferred = {font.family(), QStringLiteral("Liberation Serif"),
                                 QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")};
  const QStringList installed = QFontDatabase::families();
  QStringList families;
  for (const QString& family : preferred) {
    if (installed.contains(family, Qt::CaseInsensitive)) {
      families << family;
    }
  }
  font.setFamilies(families.isEmpty() ? preferred : families);
  font.setStyleHint(QFont::Serif);
  return font;
}

}  // namespace

MainForm::MainForm(QWidget* parent) : QWidget(parent), chance_(&random_) {
  SetUpForm();
}

MainForm::MainForm(UniformSource& chance, QWidget* parent) : QWidget(parent), chance_(&chance) {
  SetUpForm();
}

MainForm::~MainForm() = default;

void MainForm::SetUpForm() {
  // The form's icon is in the library's resources, which a static library
  // must register itself.
  Q_INIT_RESOURCE(resources);
  ui_ = std::make_unique<Ui::MainForm>();
  ui_->setupUi(this);
  setWindowFlags(kWindowFlags);
  option1_ = {ui_->Option1_0, ui_->Option1_1, ui_->Option1_2, ui_->Option1_3};
  option2_ = {ui_->Option2_0, ui_->Option2_1};
  command1_ = {ui_->Command1_0};
  text1_ = {ui_->Text1_0, ui_->Text1_1};
  announcer_ = std::make_unique<Announcer>(*this);
  ConnectHandlers();
  ui_->Text1_0->setFocus();
}

// A selection runs its group's handler once, with the selected element's
// index as id, whether the user made it or the code did; the button the
// group clears runs nothing.
void MainForm::ConnectHandlers() {
  for (std::size_t i = 0; i < option1_.size(); ++i) {
    ui_->option1Group->setId(option1_[i], static_cast<int>(i));
  }
  for (std::size_t i = 0; i < option2_.size(); ++i) {
    ui_->option2Group->setId(option2_[i], static_cast<int>(i));
  }
  connect(ui_->option1Group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) {
      OnComputerModeClick(static_cast<std::int16_t>(id));
    }
  });
  connect(ui_->option2Group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) {
      OnPlayerMoveClick(static_cast<std::int16_t>(id));
    }
  });
  connect(ui_->Command1_0, &QPushButton::clicked, this, [this] { OnBankerClick(kBankerIndex); });
}

// The window's font names installed faces only; the form sets it before it
// makes the controls, which then inherit it as it is.
void MainForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    const QFont installed = InstalledFont(font());
    if (installed.families() != font().families()) {
      setFont(installed);
    }
  }
  QWidget::changeEvent(event);
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
  option1_[0]->setChecked(true);
  option2_[0]->setChecked(true);
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
    announcer_->Announce(*command1_[0], QString::fromStdString(GetReportText()));
  }
}

bool MainForm::IsModeSelected(ComputerMode mode) const {
  const QRadioButton* button = Element(option1_, ModeIndex(mode));
  return button != nullptr && button->isChecked();
}

std::string MainForm::GetReportText() const {
  // The raw text keeps no-break spaces, which toPlainText() would flatten.
  QString text = text1_[0]->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return text.toStdString();
}

void MainForm::SetReportText(const std::string& text) {
  // Replaced in place, in one edit: setPlainText() would clear the document
  // first, and both size changes would repaint the scroll bar, which costs
  // more than the text itself; round after round the report keeps its size.
  QPlainTextEdit& box = *text1_[0];
  QTextCursor cursor(box.document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(QString::fromStdString(text));
  cursor.endEditBlock();
  box.moveCursor(QTextCursor::Start);
}

QLabel* MainForm::Label1(int index) const {
  return index == 0 ? ui_->Label1_0 : nullptr;
}

QGroupBox* MainForm::Frame1() const {
  return ui_->Frame1;
}

QGroupBox* MainForm::Frame2() const {
  return ui_->Frame2;
}

QRadioButton* MainForm::Option1(int index) const {
  return Element(option1_, index);
}

QRadioButton* MainForm::Option2(int index) const {
  return Element(option2_, index);
}

QPushButton* MainForm::Command1(int index) const {
  return Element(command1_, index);
}

QPlainTextEdit* MainForm::Text1(int index) const {
  return Element(text1_, index);
}
