#include "ui/window_icon.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QString>

QIcon WindowIcon() {
  // The format is named, so the reader takes Qt's built-in XPM decoder at
  // once instead of loading every image format plugin to probe the data.
  QImageReader reader(QStringLiteral(":/dilemata/hamburger.xpm"), "xpm");
  reader.setAutoDetectImageFormat(false);
  return QIcon(QPixmap::fromImage(reader.read()));
}
