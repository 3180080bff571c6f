#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QColor>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QtGlobal>
#include <cmath>
#include <memory>
#include <vector>

#include "qt_printers.h"
#include "ui/application_setup.h"
#include "ui/main_form.h"

namespace {

double ScaleFactor() {
  return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
}

class ScaledWindow : public testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<MainForm>();
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  }
  MainForm& form() { return *form_; }

 private:
  std::unique_ptr<MainForm> form_;
};

TEST_F(ScaledWindow, KeepsItsLayoutAndScalesInProportion) {
  const double scale = ScaleFactor();
  EXPECT_DOUBLE_EQ(form().devicePixelRatioF(), scale);
  EXPECT_EQ(form().size(), QSize(461, 345));  // device-independent pixels
  EXPECT_EQ(form().Command1(0)->geometry(), QRect(192, 144, 89, 25));
  const QPixmap grabbed = form().grab();
  EXPECT_DOUBLE_EQ(grabbed.devicePixelRatio(), scale);
  EXPECT_NEAR(grabbed.width(), 461 * scale, 1.0);
  EXPECT_NEAR(grabbed.height(), 345 * scale, 1.0);
}

struct Spot {
  QWidget* control;
  QPoint at;  // in the control, device-independent
  QColor colour;
};

TEST_F(ScaledWindow, ColoursStayWhereTheyBelong) {
  const double scale = ScaleFactor();
  const QImage window = form().grab().toImage();
  const QColor white = QApplication::palette().color(QPalette::Base);
  const std::vector<Spot> spots = {
      {&form(), {4, 4}, QColor(192, 192, 255)},
      {form().Label1(0), {3, 12}, QColor(255, 192, 128)},
      {form().Frame1(), {130, 8}, QColor(255, 224, 192)},
      {form().Frame2(), {130, 8}, QColor(255, 224, 192)},
      {form().Option1(2), {116, 12}, QColor(255, 128, 255)},
      {form().Option2(1), {116, 12}, QColor(255, 255, 128)},
      {form().Command1(0), {5, 12}, QColor(128, 255, 128)},
      {form().Text1(0), {430, 110}, white},  // right of the last line, left of the scroll bar
  };
  for (const Spot& spot : spots) {
    SCOPED_TRACE(qPrintable(spot.control->objectName()));
    const QPoint inWindow = spot.control->mapTo(&form(), spot.at);
    const QPoint device(static_cast<int>(std::lround(inWindow.x() * scale)),
                        static_cast<int>(std::lround(inWindow.y() * scale)));
    EXPECT_EQ(QColor(window.pixel(device)), spot.colour);
  }
}

TEST_F(ScaledWindow, EveryCaptionFitsWhole) {
  const QFontMetricsF metrics(form().font());
  QStyle* style = form().style();

  const QLabel* label = form().Label1(0);
  EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
  EXPECT_LE(metrics.height(), label->height());

  for (QRadioButton* option : {form().Option1(0), form().Option1(1), form().Option1(2),
                               form().Option1(3), form().Option2(0), form().Option2(1)}) {
    SCOPED_TRACE(qPrintable(option->objectName()));
    QStyleOptionButton button;
    button.initFrom(option);
    button.text = option->text();
    const QRect contents = style->subElementRect(QStyle::SE_RadioButtonContents, &button, option);
    EXPECT_LE(metrics.horizontalAdvance(option->text()), contents.width());
    EXPECT_LE(contents.right(), option->width());
    EXPECT_LE(metrics.height(), option->height());
  }

  for (QGroupBox* frame : {form().Frame1(), form().Frame2()}) {
    SCOPED_TRACE(qPrintable(frame->objectName()));
    QStyleOptionGroupBox box;
    box.initFrom(frame);
    box.text = frame->title();
    box.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title =
        style->subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxLabel, frame);
    EXPECT_LE(metrics.horizontalAdvance(frame->title()), title.width());
    EXPECT_TRUE(frame->rect().contains(title));
  }

  const QPushButton* banker = form().Command1(0);
  EXPECT_LE(metrics.horizontalAdvance(banker->text()), banker->width() - 4);  // inside the edge
}

}  // namespace

// Runs at the scale factor CTest gives, or at 2 when none is given;
// headless, but on Windows on Windows' own platform.
int main(int argc, char** argv) {
#ifndef Q_OS_WIN
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  }
#endif
  if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
    qputenv("QT_SCALE_FACTOR", QByteArrayLiteral("2"));
  }
  testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  SetUpApplication(application);
  return RUN_ALL_TESTS();
}
