// Turns the window's XPM picture into the icons that desktops show for the
// program, at build time, so that the picture is kept in one file: a PNG of
// one size for the icon theme of a Linux desktop, or a Windows icon file
// holding several sizes. Sizes that are multiples of the picture's own
// enlarge it pixel for pixel, without smoothing, so that the pixel art stays
// crisp; smaller sizes are averaged down.
//
//   icon_images INPUT.xpm OUTPUT.png SIZE
//   icon_images INPUT.xpm OUTPUT.ico SIZE...

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <cstdio>
#include <cstdlib>

namespace {

QImage Drawn(const QImage& picture, int size) {
  const Qt::TransformationMode mode =
      size >= picture.width() ? Qt::FastTransformation : Qt::SmoothTransformation;
  return picture.scaled(size, size, Qt::IgnoreAspectRatio, mode);
}

QByteArray Png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// A Windows icon file: a directory of the images, then each image as a
// PNG of 32-bit colour, which Windows reads at every size since Vista.
QByteArray Ico(const QImage& picture, const QList<int>& sizes) {
  QList<QByteArray> images;
  for (const int size : sizes) {
    images << Png(Drawn(picture, size).convertToFormat(QImage::Format_ARGB32));
  }
  QByteArray file;
  QDataStream out(&file, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out << quint16(0) << quint16(1) << quint16(images.size());
  quint32 offset = 6 + 16 * images.size();
  for (qsizetype i = 0; i < images.size(); ++i) {
    const quint8 side = sizes[i] >= 256 ? 0 : quint8(sizes[i]);  // 0 stands for 256
    out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32)
        << quint32(images[i].size()) << offset;
    offset += images[i].size();
  }
  for (const QByteArray& image : images) {
    out.writeRawData(image.constData(), int(image.size()));
  }
  return file;
}

bool Write(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
  QList<int> sizes;
  for (int i = 3; i < argc; ++i) {
    sizes << std::atoi(argv[i]);
  }
  const QString output = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  const bool ico = output.endsWith(QLatin1String(".ico"));
  if (sizes.isEmpty() || sizes.contains(0) || (!ico && sizes.size() != 1)) {
    std::fprintf(stderr, "usage: %s INPUT.xpm OUTPUT.png SIZE | OUTPUT.ico SIZE...\n", argv[0]);
    return 2;
  }
  const QImage picture(QString::fromLocal8Bit(argv[1]), "XPM");
  if (picture.isNull() ||
      !Write(output, ico ? Ico(picture, sizes) : Png(Drawn(picture, sizes.first())))) {
    std::fprintf(stderr, "cannot turn %s into %s\n", argv[1], argv[2]);
    return 1;
  }
  return 0;
}
