#include "ui/form_font.h"

#include <QFontDatabase>
#include <QStringList>

#include "ui/form_layout.h"

namespace {

// Times New Roman first, then faces with the same metrics, then any serif
// face with Cyrillic.
QStringList PreferredFamilies() {
  return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
          QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")};
}

}  // namespace

QFont FormFont() {
  // Only installed faces are named: asking for an absent family first sends
  // every text through fontconfig's substitution search at start-up. The
  // list of families holds installed faces alone, where hasFamily() would
  // also answer yes for fontconfig's aliases.
  const QStringList installed = QFontDatabase::families();
  QStringList families;
  for (const QString& family : PreferredFamilies()) {
    if (installed.contains(family, Qt::CaseInsensitive)) {
      families << family;
    }
  }
  QFont font;
  font.setFamilies(families.isEmpty() ? PreferredFamilies() : families);
  font.setStyleHint(QFont::Serif);
  font.setPointSize(kFontPointSize);
  font.setWeight(QFont::Normal);
  font.setStyle(QFont::StyleNormal);
  return font;
}
