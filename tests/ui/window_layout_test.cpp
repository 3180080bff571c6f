#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QString>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <memory>
#include <vector>

#include "qt_printers.h"
#include "shown_form.h"

namespace {

struct Expected {
  const char* name;
  const char* container;  // object name of the parent
  QRect pixels;           // at 96 dots per inch
  QString firstLine;      // of its caption or text
  bool visible;
};

QWidget* Find(MainForm& form, const char* name) {
  return form.findChild<QWidget*>(QString::fromLatin1(name));
}

QString TextOf(QWidget* control) {
  if (auto* label = qobject_cast<QLabel*>(control)) {
    return label->text();
  }
  if (auto* frame = qobject_cast<QGroupBox*>(control)) {
    return frame->title();
  }
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    return button->text();
  }
  if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
    // toPlainText() would turn the rules' no-break spaces into plain ones.
    return box->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  }
  return {};
}

std::vector<Expected> ExpectedControls() {
  const auto u = [](const char* text) { return QString::fromUtf8(text); };
  return {
      {"Label1_0", "MainForm", {64, 0, 305, 25}, u("Философия - дилемата на затворника"), true},
      {"Frame1", "MainForm", {24, 48, 137, 129}, u("Компютър"), true},
      {"Option1_0", "Frame1", {8, 24, 121, 25}, u("Отказ"), true},
      {"Option1_1", "Frame1", {8, 48, 121, 25}, u("Коопериране"), true},
      {"Option1_2", "Frame1", {8, 72, 121, 25}, u("Случайно"), true},
      {"Option1_3", "Frame1", {8, 96, 121, 25}, u("Реципрочно"), true},
      {"Frame2", "MainForm", {304, 48, 137, 81}, u("Потребител"), true},
      {"Option2_0", "Frame2", {8, 24, 121, 25}, u("Отказ"), true},
      {"Option2_1", "Frame2", {8, 48, 121, 25}, u("Коопериране"), true},
      {"Command1_0", "MainForm", {192, 144, 89, 25}, u("Банкер"), true},
      {"Text1_0",
       "MainForm",
       {8, 216, 449, 121},
       u("Дилемата на затворника е игра от отворен тип: в нея може да спечели или да загуби само "
         "единият участник, могат да спечелят всички, а могат и всички да загубят."),
       true},
      {"Text1_1", "MainForm", {40, 216, 449, 121}, u("Неприятното в това да си първият, "), false},
  };
}

using WindowLayout = ShownForm;

TEST_F(WindowLayout, WindowIsFixedWithACloseBoxOnly) {
  EXPECT_EQ(form().size(), QSize(461, 345));
  EXPECT_EQ(form().minimumSize(), QSize(461, 345));
  EXPECT_EQ(form().maximumSize(), QSize(461, 345));
  const Qt::WindowFlags flags = form().windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(form().windowTitle(), QString::fromUtf8("Философия - логика, дилемата"));
}

TEST_F(WindowLayout, EveryControlSitsWhereTheLayoutPutsIt) {
  for (const Expected& expected : ExpectedControls()) {
    SCOPED_TRACE(expected.name);
    QWidget* control = Find(form(), expected.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(expected.container));
    EXPECT_EQ(control->geometry(), expected.pixels);
    EXPECT_EQ(TextOf(control).section(QLatin1Char('\n'), 0, 0), expected.firstLine);
    EXPECT_EQ(control->isVisible(), expected.visible);
  }
}

TEST_F(WindowLayout, ControlArraysAddressTheirElements) {
  EXPECT_EQ(form().Label1(0), Find(form(), "Label1_0"));
  EXPECT_EQ(form().Frame1(), Find(form(), "Frame1"));
  EXPECT_EQ(form().Frame2(), Find(form(), "Frame2"));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(form().Option1(i), Find(form(), qPrintable(QStringLiteral("Option1_%1").arg(i))));
  }
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(form().Option2(i), Find(form(), qPrintable(QStringLiteral("Option2_%1").arg(i))));
    EXPECT_EQ(form().Text1(i), Find(form(), qPrintable(QStringLiteral("Text1_%1").arg(i))));
  }
  EXPECT_EQ(form().Command1(0), Find(form(), "Command1_0"));
}

TEST(WindowBeforeLoad, NoOptionIsSelected) {
  const MainForm form;  // never shown, so never loaded
  EXPECT_EQ(form.Option1(0)->group()->checkedButton(), nullptr);
  EXPECT_EQ(form.Option2(0)->group()->checkedButton(), nullptr);
}

TEST_F(WindowLayout, EachFrameIsOneExclusiveGroup) {
  for (QRadioButton* button : {form().Option1(0), form().Option2(0)}) {
    QButtonGroup* group = button->group();
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->exclusive());
  }
  EXPECT_EQ(form().Option1(0)->group()->buttons().size(), 4);
  EXPECT_EQ(form().Option2(0)->group()->buttons().size(), 2);
  EXPECT_NE(form().Option1(0)->group(), form().Option2(0)->group());
  EXPECT_EQ(form().Option1(3)->group()->id(form().Option1(3)), 3);
  EXPECT_EQ(form().Option2(1)->group()->id(form().Option2(1)), 1);

  QTest::mouseClick(form().Option1(1), Qt::LeftButton);
  QTest::mouseClick(form().Option2(1), Qt::LeftButton);
  QTest::mouseClick(form().Option1(3), Qt::LeftButton);
  EXPECT_FALSE(form().Option1(1)->isChecked());
  EXPECT_TRUE(form().Option1(3)->isChecked());
  EXPECT_TRUE(form().Option2(1)->isChecked());  // the other frame is untouched
}

TEST_F(WindowLayout, AnOptionAnswersAClickAnywhereOnItsFace) {
  QRadioButton* reciprocal = form().Option1(3);
  QTest::mouseClick(reciprocal, Qt::LeftButton, {}, QPoint(reciprocal->width() - 2, 2));
  EXPECT_TRUE(reciprocal->isChecked());
  QTest::mouseClick(form().Frame1(), Qt::LeftButton, {}, QPoint(4, 4));  // the frame, not a button
  EXPECT_TRUE(reciprocal->isChecked());
}

// Where each laid-out line of a text box stands, in its viewport.
std::vector<QRect> LineRects(QPlainTextEdit* box) {
  std::vector<QRect> lines;
  for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    for (int line = 0; line < layout->lineCount(); ++line) {
      QTextCursor cursor(block);
      cursor.setPosition(block.position() + layout->lineAt(line).textStart());
      lines.push_back(box->cursorRect(cursor));
    }
  }
  return lines;
}

TEST_F(WindowLayout, ReportBoxHasTheFocusAndShowsTheRulesFromTheTop) {
  QPlainTextEdit* box = form().Text1(0);
  EXPECT_EQ(QApplication::focusWidget(), box);
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(box->verticalScrollBar()->value(), 0);
  EXPECT_GT(box->verticalScrollBar()->maximum(), 0);  // the rest is a scroll away
  EXPECT_EQ(box->cursorForPosition(QPoint(4, 4)).blockNumber(), 0);

  // The first lines show whole, and no line is cut by the bottom edge,
  // whatever line spacing the toolkit gives the font.
  const int bottom = box->viewport()->height();
  int whole = 0;
  for (const QRect& line : LineRects(box)) {
    SCOPED_TRACE(testing::Message() << "line at " << line.top() << " to " << line.bottom()
                                    << ", text area " << bottom << " high");
    EXPECT_TRUE(line.top() >= bottom || line.bottom() < bottom);
    whole += line.bottom() < bottom ? 1 : 0;
  }
  EXPECT_GE(whole, 6);
  EXPECT_GT(box->contentsRect().height() - bottom, 0);
}

TEST_F(WindowLayout, ReportBoxCanBeReadAndScrolledButNotEdited) {
  QPlainTextEdit* box = form().Text1(0);
  const QString rules = box->toPlainText();
  QTest::keyClicks(box, QStringLiteral("xyz"));
  QTest::keyClick(box, Qt::Key_Delete);
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->toPlainText(), rules);

  QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
  EXPECT_GT(box->verticalScrollBar()->value(), 0);
  EXPECT_TRUE(box->viewport()->rect().contains(box->cursorRect()));
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(box->textCursor().selectedText().size(), rules.size());
}

// Qt's own texts are Bulgarian, as every other text of the game.
TEST_F(WindowLayout, ReportBoxMenuSpeaksBulgarian) {
  const std::unique_ptr<QMenu> menu(form().Text1(0)->createStandardContextMenu());
  const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
  int named = 0;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) {
      EXPECT_TRUE(action->text().contains(cyrillic)) << action->text().toStdString();
      ++named;
    }
  }
  EXPECT_GE(named, 2);  // copy, and select all
}

TEST_F(WindowLayout, HiddenBoxIsOfTheSameKindAndStaysHidden) {
  QPlainTextEdit* hidden = form().Text1(1);
  EXPECT_TRUE(hidden->isReadOnly());
  EXPECT_EQ(hidden->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_TRUE(hidden->isHidden());
  form().hide();
  form().show();
  EXPECT_FALSE(hidden->isVisible());
}

// The focus order that Tab walks.
std::vector<QWidget*> TabWalk(QWidget* from, int steps) {
  from->setFocus(Qt::TabFocusReason);
  std::vector<QWidget*> walk;
  for (int step = 0; step < steps; ++step) {
    QWidget* focused = QApplication::focusWidget();
    walk.push_back(focused);
    if (focused == nullptr) {
      break;
    }
    QTest::keyClick(focused, Qt::Key_Tab);
  }
  return walk;
}

TEST_F(WindowLayout, TabFollowsTheTabOrder) {
  // The chain itself, over everything that can take the focus.
  std::vector<QWidget*> chain;
  QWidget* widget = form().Text1(0);
  do {
    if (widget->focusPolicy() != Qt::NoFocus && widget->isVisible()) {
      chain.push_back(widget);
    }
    widget = widget->nextInFocusChain();
  } while (widget != form().Text1(0));
  const std::vector<QWidget*> order = {form().Text1(0),   form().Command1(0), form().Option1(2),
                                       form().Option1(0), form().Option1(1),  form().Option1(3),
                                       form().Option2(1), form().Option2(0)};
  EXPECT_EQ(chain, order);

  // After load each group is entered at its selected button.
  EXPECT_EQ(TabWalk(form().Text1(0), 5),
            (std::vector<QWidget*>{form().Text1(0), form().Command1(0), form().Option1(0),
                                   form().Option2(0), form().Text1(0)}));
  form().Option1(3)->setChecked(true);
  form().Option2(1)->setChecked(true);
  EXPECT_EQ(TabWalk(form().Text1(0), 4),
            (std::vector<QWidget*>{form().Text1(0), form().Command1(0), form().Option1(3),
                                   form().Option2(1)}));
}

TEST_F(WindowLayout, LabelAndFramesTakeNoFocus) {
  EXPECT_EQ(form().Label1(0)->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(form().Frame1()->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(form().Frame2()->focusPolicy(), Qt::NoFocus);
}

// Return, keypad Enter and Space press "Банкер" while it has the focus, as
// any focused button; elsewhere Return and Enter do nothing, since no button
// is a default button, and Escape does nothing anywhere.
TEST_F(WindowLayout, OnlyTheFocusedBankerAnswersEnter) {
  QPushButton* banker = form().Command1(0);
  EXPECT_FALSE(banker->isDefault());
  EXPECT_FALSE(banker->autoDefault());
  QSignalSpy clicks(banker, &QPushButton::clicked);
  for (QWidget* target :
       std::vector<QWidget*>{form().Text1(0), form().Option1(0), form().Option2(0)}) {
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(target, Qt::Key_Escape);
  }
  banker->setFocus();
  QTest::keyClick(banker, Qt::Key_Escape);
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_TRUE(form().isVisible());
  QTest::keyClick(banker, Qt::Key_Return);
  QTest::keyClick(banker, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(banker, Qt::Key_Space);
  EXPECT_EQ(clicks.count(), 3);
  EXPECT_EQ(form().State().ComputerScore, 970);  // three rounds of mutual defection
}

TEST(WindowTexts, RulesAndAphorismHaveTheirLines) {
  const MainForm form;
  const QString rules = TextOf(form.Text1(0));
  EXPECT_EQ(rules.count(QLatin1Char('\n')), 15);
  EXPECT_TRUE(rules.endsWith(QLatin1Char('\n')));
  for (const char* figure : {"по 300;", "по 10", "плаща 500", "със 100;"}) {
    EXPECT_TRUE(rules.contains(QString::fromUtf8(figure))) << figure;
  }
  const QStringList aphorism = TextOf(form.Text1(1)).split(QLatin1Char('\n'));
  ASSERT_EQ(aphorism.size(), 4);  // three lines and nothing after the last break
  EXPECT_TRUE(aphorism.last().isEmpty());
  for (int line = 0; line < 3; ++line) {
    EXPECT_TRUE(aphorism[line].endsWith(QLatin1Char(' '))) << line;
    EXPECT_FALSE(aphorism[line].trimmed().isEmpty()) << line;
  }
}

}  // namespace
