#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QGlyphRun>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QList>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QStringList>
#include <QTest>
#include <QTextDocument>
#include <QTextLayout>
#include <vector>

#include "qt_printers.h"
#include "shown_form.h"

namespace {

QColor Painted(QWidget* control, QPoint at) {
  return QColor(control->grab().toImage().pixel(at));
}

struct Paint {
  QWidget* control;
  QPoint at;  // inside the control's background, clear of its text and edges
  QColor colour;
};

using WindowLook = ShownForm;

TEST_F(WindowLook, ControlsPaintTheirOwnBackgrounds) {
  const QColor lavender(192, 192, 255);
  const QColor peach(255, 224, 192);
  const QColor pink(255, 128, 255);
  const QColor yellow(255, 255, 128);
  const std::vector<Paint> paints = {
      {&form(), {4, 4}, lavender},
      {&form(), {200, 100}, lavender},
      {&form(), {456, 200}, lavender},
      {form().Label1(0), {3, 12}, QColor(255, 192, 128)},
      {form().Label1(0), {301, 3}, QColor(255, 192, 128)},
      {form().Frame1(), {130, 8}, peach},
      {form().Frame2(), {130, 8}, peach},
      {form().Option1(0), {116, 12}, pink},
      {form().Option1(3), {116, 3}, pink},
      {form().Option2(0), {116, 12}, yellow},
      {form().Option2(1), {116, 21}, yellow},
      {form().Command1(0), {5, 12}, QColor(128, 255, 128)},
      {form().Command1(0), {84, 20}, QColor(128, 255, 128)},
  };
  for (const Paint& paint : paints) {
    SCOPED_TRACE(qPrintable(paint.control->objectName()));
    EXPECT_EQ(Painted(paint.control, paint.at), paint.colour)
        << "at " << paint.at.x() << ", " << paint.at.y();
  }
}

TEST_F(WindowLook, TextBoxesKeepTheDefaultColours) {
  const QPalette defaults = QApplication::palette();
  QPlainTextEdit* box = form().Text1(0);
  EXPECT_EQ(Painted(box->viewport(), {1, 1}), defaults.color(QPalette::Base));
  for (const auto role : {QPalette::Base, QPalette::Text, QPalette::Window, QPalette::Button}) {
    EXPECT_EQ(box->palette().color(role), defaults.color(role)) << role;
    EXPECT_EQ(form().Text1(1)->palette().color(role), defaults.color(role)) << role;
  }
}

TEST_F(WindowLook, NoControlHasATextColourOfItsOwn) {
  const QColor text = QApplication::palette().color(QPalette::WindowText);
  for (QWidget* control : form().findChildren<QWidget*>()) {
    SCOPED_TRACE(qPrintable(control->objectName()));
    EXPECT_EQ(control->palette().color(QPalette::WindowText), text);
    EXPECT_EQ(control->palette().color(QPalette::ButtonText),
              QApplication::palette().color(QPalette::ButtonText));
  }
}

TEST_F(WindowLook, EveryControlShowsTheWindowsFont) {
  const QFont& font = form().font();
  EXPECT_EQ(font.pointSize(), 12);
  EXPECT_EQ(font.weight(), QFont::Normal);
  EXPECT_FALSE(font.italic());
  EXPECT_EQ(QFontInfo(font).pixelSize(), 16);  // 12 point at 96 dots per inch
  for (QWidget* control : form().findChildren<QWidget*>()) {
    SCOPED_TRACE(qPrintable(control->objectName()));
    EXPECT_FALSE(control->testAttribute(Qt::WA_SetFont));
    EXPECT_EQ(control->font(), font);
  }
}

// The faces a laid-out text really uses; fallback fonts show up here, where
// QFontMetrics::inFont would answer yes through them.
QStringList FacesUsedFor(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  while (layout.createLine().isValid()) {
  }
  layout.endLayout();
  QStringList faces;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    faces << run.rawFont().familyName();
    for (const quint32 glyph : run.glyphIndexes()) {
      EXPECT_NE(glyph, 0u) << "a character without a glyph in " << qPrintable(text);
    }
  }
  faces.removeDuplicates();
  return faces;
}

// Every caption and text the window holds, its own caption included.
QStringList WindowTexts(MainForm& form) {
  QStringList texts = {form.windowTitle(), form.Label1(0)->text(), form.Frame1()->title(),
                       form.Frame2()->title(), form.Command1(0)->text()};
  for (int i = 0; i < 4; ++i) {
    texts << form.Option1(i)->text();
  }
  for (int i = 0; i < 2; ++i) {
    texts << form.Option2(i)->text() << form.Text1(i)->document()->toRawText();
  }
  return texts;
}

TEST_F(WindowLook, EveryTextUsesATimesMetricFaceWithCyrillic) {
  const QStringList metricTwins = {QStringLiteral("Times New Roman"),
                                   QStringLiteral("Liberation Serif")};
  for (const QString& text : WindowTexts(form())) {
    for (const QString& line : text.split(QChar::ParagraphSeparator)) {
      if (line.isEmpty()) {
        continue;
      }
      const QStringList faces = FacesUsedFor(line, form().font());
      ASSERT_EQ(faces.size(), 1) << qPrintable(line) << ": " << qPrintable(faces.join(", "));
      EXPECT_TRUE(metricTwins.contains(faces.first())) << qPrintable(faces.first());
    }
  }
}

TEST_F(WindowLook, IconIsATransparentPaletteHamburger) {
  const QImage picture(QStringLiteral(":/dilemata/hamburger.xpm"));
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(32, 32));
  EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
  EXPECT_LE(picture.colorCount(), 256);
  for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
    EXPECT_EQ(qAlpha(picture.pixel(corner)), 0);
  }
  EXPECT_EQ(qAlpha(picture.pixel(16, 16)), 255);

  const QIcon icon = form().windowIcon();
  EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
  EXPECT_EQ(icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
            picture.convertToFormat(QImage::Format_ARGB32));
}

// Once the keyboard moves the focus, "Банкер" shows it, as the option buttons
// do; a click alone leaves its face as it was.
TEST_F(WindowLook, BankerShowsTheKeyboardFocus) {
  QPushButton* banker = form().Command1(0);
  const QImage plain = banker->grab().toImage();
  QTest::mouseClick(banker, Qt::LeftButton);
  ASSERT_TRUE(banker->hasFocus());
  EXPECT_EQ(banker->grab().toImage(), plain);
  QTest::keyClick(banker, Qt::Key_Backtab);
  QTest::keyClick(form().Text1(0), Qt::Key_Tab);
  ASSERT_TRUE(banker->hasFocus());
  // A frame a player can see: dark dots where the face was plain.
  const QImage focused = banker->grab().toImage();
  int darkened = 0;
  for (int y = 0; y < focused.height(); ++y) {
    for (int x = 0; x < focused.width(); ++x) {
      darkened += focused.pixel(x, y) != plain.pixel(x, y) && qGray(focused.pixel(x, y)) < 96;
    }
  }
  EXPECT_GT(darkened, 60);
}

QImage WindowPicture() {
  return QImage(QStringLiteral(":/dilemata/hamburger.xpm")).convertToFormat(QImage::Format_ARGB32);
}

// How many pixels of an icon differ from the window's picture enlarged
// pixel for pixel: each pixel of the original a square block, with no
// blurred edge.
int DifferingFromEnlarged(const QImage& icon, const QImage& original) {
  const int scale = icon.width() / original.width();
  int differing = 0;
  for (int y = 0; y < icon.height(); ++y) {
    for (int x = 0; x < icon.width(); ++x) {
      differing += icon.pixel(x, y) != original.pixel(x / scale, y / scale) ? 1 : 0;
    }
  }
  return differing;
}

// The desktop's icons are the window's picture, enlarged pixel for pixel.
TEST(DesktopIcons, EnlargeTheWindowsPicturePixelForPixel) {
  const QImage original = WindowPicture();
  ASSERT_EQ(original.size(), QSize(32, 32));
  for (const int size : {32, 64, 128, 256}) {
    SCOPED_TRACE(size);
    const QImage icon =
        QImage(QStringLiteral(DESKTOP_ICON_DIR "/%1x%1/bg.dilemata.Dilemata.png").arg(size))
            .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(DifferingFromEnlarged(icon, original), 0);
  }
}

#ifdef Q_OS_WIN
// Windows only: the program's icon file holds the picture from 16 to 256
// pixels; the sizes above 32 enlarge it pixel for pixel, and the 16 pixels
// of the small icons keep its transparent corners and solid middle.
TEST(DesktopIcons, WindowsIconHoldsEverySizeFrom16To256) {
  const QImage original = WindowPicture();
  QImageReader reader(QStringLiteral(WINDOWS_ICON_FILE));
  QList<int> sizes;
  for (int i = 0; i < reader.imageCount(); ++i) {
    ASSERT_TRUE(reader.jumpToImage(i));
    const QImage icon = reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.width(), icon.height());
    sizes << icon.width();
    SCOPED_TRACE(icon.width());
    if (icon.width() >= original.width()) {
      EXPECT_EQ(DifferingFromEnlarged(icon, original), 0);
    } else {
      EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
      EXPECT_EQ(qAlpha(icon.pixel(8, 8)), 255);
    }
  }
  EXPECT_EQ(sizes, QList<int>({16, 32, 64, 128, 256}));
}
#endif

}  // namespace
