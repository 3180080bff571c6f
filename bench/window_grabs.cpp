// Writes pictures of the window, as the player sees it at start and after a
// round of each outcome, into a folder; a change that must not alter the
// window is checked by comparing them before and after, pixel by pixel.
// Offscreen at the scale factor the environment gives.
//
//   window_grabs OUTPUT_FOLDER

#include <QAbstractButton>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdio>

#include "ui/application_setup.h"
#include "ui/main_form.h"

namespace {

void Save(MainForm& form, const QDir& folder, const char* name) {
  const QImage picture = form.grab().toImage();
  picture.save(folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
  const QByteArray digest = QCryptographicHash::hash(
      QByteArray::fromRawData(reinterpret_cast<const char*>(picture.constBits()),
                              static_cast<int>(picture.sizeInBytes())),
      QCryptographicHash::Sha256);
  std::printf("%-22s %dx%d %s\n", name, picture.width(), picture.height(),
              digest.toHex().left(16).constData());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  QApplication application(argc, argv);
  SetUpApplication(application);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  folder.mkpath(QStringLiteral("."));
  MainForm form;
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) {
    return 1;
  }
  Save(form, folder, "start");
  struct Round {
    int mode;  // the computer's frame: 0 always defects, 1 always cooperates
    int move;  // the player's frame: 0 defects, 1 cooperates
    const char* name;
  };
  const Round rounds[] = {{0, 0, "both-defect"},
                          {0, 1, "computer-defects"},
                          {1, 0, "player-defects"},
                          {1, 1, "both-cooperate"}};
  for (const Round& round : rounds) {
    QTest::mouseClick(form.Option1(round.mode), Qt::LeftButton);
    QTest::mouseClick(form.Option2(round.move), Qt::LeftButton);
    QTest::mouseClick(form.Command1(0), Qt::LeftButton);
    Save(form, folder, round.name);
  }
  return 0;
}
