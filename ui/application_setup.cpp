#include "ui/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include "ui/accessibility.h"

namespace {

// Where Qt's own catalogues are: built into the program on Windows, which
// has no shared Qt to lend them; the system's Qt translations elsewhere.
QString QtCatalogueFolder() {
#ifdef Q_OS_WIN
  return QStringLiteral(":/i18n");
#else
  return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

// Qt's Bulgarian catalogue of its base modules, which hold every text of
// Qt's that the game can show.
void LoadQtTranslations(QApplication& application) {
  auto* translator = new QTranslator(&application);
  if (translator->load(QLocale(QLocale::Bulgarian, QLocale::Bulgaria), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QtCatalogueFolder())) {
    QCoreApplication::installTranslator(translator);
  }
}

}  // namespace

void SetUpApplication(QApplication& application) {
  QApplication::setApplicationName(QStringLiteral("dilemata"));
  // Matches the window to its desktop entry and icon, on Wayland above all.
  QGuiApplication::setDesktopFileName(QStringLiteral("bg.dilemata.Dilemata"));
  application.setStyle(QStringLiteral("Fusion"));
  LoadQtTranslations(application);
  InstallAccessibility();
}
