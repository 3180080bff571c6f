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

}  // namespace

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void InstallAccessibility() {
  QAccessible::installFactory(ApplicationInterface);
}

Announcer::Announcer(QWidget& /*window*/) : notice_(nullptr) {}

void Announcer::Announce(QWidget& source, const QString& text) {
  QAccessibleAnnouncementEvent event(&source, text);
  QAccessible::updateAccessibility(&event);
}

#else

namespace {

// A notification that screen readers speak when it shows, whatever has the
// focus: its name is the text. (A change of the focused button's name or
// description would be spoken too, but Qt 6.4 sends such a change without
// the new text, and screen readers of its day cannot read it.)
class AccessibleNotice final : public QAccessibleWidget {
 public:
  explicit AccessibleNotice(QWidget* notice)
      : QAccessibleWidget(notice, QAccessible::Notification) {}
};

QAccessibleInterface* NoticeInterface(const QString& /*className*/, QObject* object) {
  if (object != nullptr && object->objectName() == QLatin1String("RoundNotice") &&
      object->isWidgetType()) {
    return new AccessibleNotice(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  QAccessible::installFactory(ApplicationInterface);
  QAccessible::installFactory(NoticeInterface);
}

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
