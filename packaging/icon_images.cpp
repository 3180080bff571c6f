// Turns the window's XPM icon into a PNG of the desktop's icon theme, at
// build time, so that the picture is kept in one file. Sizes above the
// picture's own enlarge it pixel for pixel, without smoothing, so that the
// pixel art stays crisp.
//
//   icon_png INPUT.xpm OUTPUT.png SIZE

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4 || std::atoi(argv[3]) <= 0) {
    std::fprintf(stderr, "usage: %s INPUT.xpm OUTPUT.png SIZE\n", argv[0]);
    return 2;
  }
  const int size = std::atoi(argv[3]);
  const QImage icon(QString::fromLocal8Bit(argv[1]), "XPM");
  const QString output = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(QFileInfo(output).path());
  if (icon.isNull() ||
      !icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(output, "PNG")) {
    std::fprintf(stderr, "cannot turn %s into %s\n", argv[1], argv[2]);
    return 1;
  }
  return 0;
}
