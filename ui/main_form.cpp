#include "ui/main_form.h"

#include <QIcon>
#include <QPalette>
#include <QPlainTextEdit>
#include <QString>

#include "ui/form_builder.h"
#include "ui/form_font.h"
#include "ui/form_layout.h"
#include "ui/form_texts.h"

MainForm::MainForm(QWidget* parent) : QWidget(parent) {
  SetUpWindow();
  controls_ = BuildForm(*this);
  controls_.text1[0]->setFocus();
}

void MainForm::SetUpWindow() {
  setObjectName(QStringLiteral("MainForm"));
  // A fixed single border: a close box, but no minimize or maximize button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(ToPixels(kClientArea).size());
  setWindowTitle(QString::fromUtf8(form_texts::kCaption));
  setWindowIcon(QIcon(QStringLiteral(":/dilemata/hamburger.xpm")));
  setFont(FormFont());

  QPalette background = palette();
  background.setColor(QPalette::Window, QColor(kWindowBackground.red, kWindowBackground.green,
                                               kWindowBackground.blue));
  setPalette(background);
  setAutoFillBackground(true);
}

QLabel* MainForm::Label1(int index) const {
  return index == 0 ? controls_.label1 : nullptr;
}

QRadioButton* MainForm::Option1(int index) const {
  return controls_.option1.at(static_cast<std::size_t>(index));
}

QRadioButton* MainForm::Option2(int index) const {
  return controls_.option2.at(static_cast<std::size_t>(index));
}

QPushButton* MainForm::Command1(int index) const {
  return controls_.command1.at(static_cast<std::size_t>(index));
}

QPlainTextEdit* MainForm::Text1(int index) const {
  return controls_.text1.at(static_cast<std::size_t>(index));
}
