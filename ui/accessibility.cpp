#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>
#include <QtGlobal>

namespace {

class AccessibleApplication final : public QAccessibleApplication {
 public:
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) {
      return QStringLiteral("Дилемата на затворника");
    }
    return QAccessibleApplication::text(kind);
  }
};

QAccessibleInterface* ApplicationInterface(const QString& /*className*/, QObject* object) {
  if (object != nullptr && object == QCoreApplication::instance()) {
    return new AccessibleApplication;
  }
  return nullptr;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// A notification that screen readers speak when it shows, whatever has the
// focus: its name is the text. (A change of the focused button's name or
// description would be spoken too, but Qt 6.4 sends such a change without
// the new text, and screen readers of its day cannot read it.)
QAccessibleInterface* NoticeInterface(const QString& /*className*/, QObject* object) {
  if (object != nullptr && object->objectName() == QLatin1String("RoundNotice") &&
      object->isWidgetType()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
  }
  return nullptr;
}
#endif

}  // namespace

void InstallAccessibility() {
  QAccessible::installFactory(ApplicationInterface);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  QAccessible::installFactory(NoticeInterface);
#endif
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

Announcer::Announcer(QWidget& /*window*/) : notice_(nullptr) {}

void Announcer::Announce(QWidget& source, const QString& text) {
  QAccessibleAnnouncementEvent event(&source, text);
  QAccessible::updateAccessibility(&event);
}

#else

Announcer::Announcer(QWidget& window) : notice_(new QWidget(&window)) {
  notice_->setObjectName(QStringLiteral("RoundNotice"));
  notice_->setFixedSize(0, 0);
  notice_->hide();
}

// Hidden and shown again, so that every text appears anew, even the same
// text twice.
void Announcer::Announce(QWidget& /*source*/, const QString& text) {
  notice_->hide();
  notice_->setAccessibleName(text);
  notice_->show();
}

#endif
