#include "ui/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include "ui/accessibility.h"

namespace {

// Qt's Bulgarian catalogue, from Qt's translations folder, where the
// system's Qt translations are installed.
void LoadQtTranslations(QApplication& application) {
  auto* translator = new QTranslator(&application);
  if (translator->load(QLocale(QLocale::Bulgarian, QLocale::Bulgaria), QStringLiteral("qt"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
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
