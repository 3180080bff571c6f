// Converts the window's XPM icon into the PNG that the desktop's icon theme
// takes, at build time, so that the picture is kept in one file.
//
//   icon_png INPUT.xpm OUTPUT.png

#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s INPUT.xpm OUTPUT.png\n", argv[0]);
    return 2;
  }
  const QImage icon(QString::fromLocal8Bit(argv[1]), "XPM");
  if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "cannot convert %s into %s\n", argv[1], argv[2]);
    return 1;
  }
  return 0;
}
