#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "qt_printers.h"
#include "shown_form.h"

namespace {

struct Accessible {
  QWidget* control;
  QAccessible::Role role;
  const char* name;
};

QAccessibleInterface* Interface(QWidget* control) {
  return QAccessible::queryAccessibleInterface(control);
}

using Accessibility = ShownForm;

TEST_F(Accessibility, EveryControlHasABulgarianNameAndItsRole) {
  const std::vector<Accessible> expected = {
      {form().Label1(0), QAccessible::StaticText, "Философия - дилемата на затворника"},
      {form().Frame1(), QAccessible::Grouping, "Компютър"},
      {form().Frame2(), QAccessible::Grouping, "Потребител"},
      {form().Option1(0), QAccessible::RadioButton, "Отказ"},
      {form().Option1(1), QAccessible::RadioButton, "Коопериране"},
      {form().Option1(2), QAccessible::RadioButton, "Случайно"},
      {form().Option1(3), QAccessible::RadioButton, "Реципрочно"},
      {form().Option2(0), QAccessible::RadioButton, "Отказ"},
      {form().Option2(1), QAccessible::RadioButton, "Коопериране"},
      {form().Command1(0), QAccessible::Button, "Банкер"},
      {form().Text1(0), QAccessible::EditableText, "Отчет на банкера"},
      {form().Text1(1), QAccessible::EditableText, "Афоризъм"},
  };
  for (const Accessible& control : expected) {
    SCOPED_TRACE(qPrintable(control.control->objectName()));
    QAccessibleInterface* accessible = Interface(control.control);
    ASSERT_NE(accessible, nullptr);
    EXPECT_TRUE(accessible->isValid());
    EXPECT_EQ(accessible->role(), control.role);
    EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(control.name));
  }
  EXPECT_EQ(Interface(&form())->text(QAccessible::Name),
            QString::fromUtf8("Философия - логика, дилемата"));
  QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
  EXPECT_EQ(application->role(), QAccessible::Application);
  EXPECT_EQ(application->text(QAccessible::Name), QString::fromUtf8("Дилемата на затворника"));
}

TEST_F(Accessibility, StatesTellWhatIsSelectedFocusedAndShown) {
  EXPECT_TRUE(Interface(form().Option1(0))->state().checked);
  EXPECT_FALSE(Interface(form().Option1(2))->state().checked);
  EXPECT_TRUE(Interface(form().Option2(0))->state().checked);
  EXPECT_TRUE(Interface(form().Text1(0))->state().focused);
  EXPECT_TRUE(Interface(form().Text1(0))->state().readOnly);
  EXPECT_TRUE(Interface(form().Text1(1))->state().invisible);
  EXPECT_FALSE(Interface(form().Command1(0))->state().invisible);
}

TEST_F(Accessibility, AScreenReaderCanReadTheReport) {
  QTest::mouseClick(form().Command1(0), Qt::LeftButton);
  QAccessibleTextInterface* text = Interface(form().Text1(0))->textInterface();
  ASSERT_NE(text, nullptr);
  const QString report = text->text(0, text->characterCount());
  EXPECT_TRUE(report.startsWith(QString::fromUtf8("Компютърът отказва, играчът отказва.")))
      << report.toStdString();
  EXPECT_TRUE(report.contains(QString::fromUtf8("Компютър: 990, играч: 990")))
      << report.toStdString();
}

// Key presses go to whatever has the focus, as from a real keyboard.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* focused = QApplication::focusWidget();
  ASSERT_NE(focused, nullptr);
  QTest::keyClick(focused, key, modifiers);
}

std::string Report(MainForm& form) {
  return form.GetReportText();
}

TEST_F(Accessibility, TheGameIsPlayableFromTheKeyboardAlone) {
  Press(Qt::Key_Tab);  // from the report box to "Банкер"
  ASSERT_EQ(QApplication::focusWidget(), form().Command1(0));
  Press(Qt::Key_Space);
  EXPECT_EQ(Report(form()), "Компютърът отказва, играчът отказва.\nКомпютър: 990, играч: 990\n");

  Press(Qt::Key_Tab);  // into the computer's frame, at its selected "Отказ"
  ASSERT_EQ(QApplication::focusWidget(), form().Option1(0));
  Press(Qt::Key_Down);  // the arrow moves the selection to "Коопериране"
  EXPECT_TRUE(form().Option1(1)->isChecked());
  EXPECT_EQ(form().State().ComputerMove, kCooperate);

  Press(Qt::Key_Tab);  // into the player's frame, at its selected "Отказ"
  ASSERT_EQ(QApplication::focusWidget(), form().Option2(0));
  Press(Qt::Key_Down);
  EXPECT_TRUE(form().Option2(1)->isChecked());
  EXPECT_EQ(form().State().PlayerMove, kCooperate);

  Press(Qt::Key_Backtab);
  Press(Qt::Key_Backtab);  // back past the computer's frame to "Банкер"
  ASSERT_EQ(QApplication::focusWidget(), form().Command1(0));
  Press(Qt::Key_Space);
  EXPECT_EQ(Report(form()),
            "Компютърът се кооперира, играчът се кооперира.\nКомпютър: 1290, играч: 1290\n");

  Press(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), form().Option1(1));
  // All four arrows move through the column: Down and Right forward, Up and
  // Left back, and no further than either end.
  const std::vector<std::pair<Qt::Key, int>> arrows = {
      {Qt::Key_Down, 2}, {Qt::Key_Right, 3}, {Qt::Key_Right, 3}, {Qt::Key_Up, 2},
      {Qt::Key_Left, 1}, {Qt::Key_Left, 0},  {Qt::Key_Up, 0},    {Qt::Key_Right, 1}};
  for (const auto& [key, selected] : arrows) {
    Press(key);
    EXPECT_TRUE(form().Option1(selected)->isChecked()) << "key " << key;
    EXPECT_EQ(QApplication::focusWidget(), form().Option1(selected)) << "key " << key;
  }
  EXPECT_EQ(form().State().ComputerMove, kCooperate);
}

TEST_F(Accessibility, SpaceChoosesTheFocusedOption) {
  form().Option1(3)->setFocus(Qt::OtherFocusReason);  // as an assistive tool may move it
  Press(Qt::Key_Space);
  EXPECT_TRUE(form().Option1(3)->isChecked());
  EXPECT_FALSE(form().Option1(0)->isChecked());
  form().Option2(1)->setFocus(Qt::OtherFocusReason);
  Press(Qt::Key_Space);
  EXPECT_EQ(form().State().PlayerMove, kCooperate);
}

}  // namespace
