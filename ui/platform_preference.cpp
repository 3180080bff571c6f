#include "ui/platform_preference.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

SessionEnvironment CurrentSessionEnvironment() {
  return {qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"),
          qgetenv("XDG_SESSION_TYPE")};
}

std::optional<QByteArray> PreferredPlatform(const SessionEnvironment& session) {
  if (!session.qpaPlatform.isEmpty()) {
    return std::nullopt;
  }
  const bool wayland = !session.waylandDisplay.isEmpty() || session.sessionType == "wayland";
  if (wayland && !session.display.isEmpty()) {
    return QByteArrayLiteral("xcb");
  }
  return std::nullopt;
}

void ApplyPlatformPreference(const SessionEnvironment& session) {
  if (const std::optional<QByteArray> platform = PreferredPlatform(session)) {
    qputenv("QT_QPA_PLATFORM", *platform);
  }
}

bool HasDisplay(const SessionEnvironment& session) {
  return !session.qpaPlatform.isEmpty() || !session.display.isEmpty() ||
         !session.waylandDisplay.isEmpty();
}

const char* NoDisplayMessage() {
  return "dilemata: не е намерен графичен дисплей; стартирайте играта в графичен сеанс (X11 или "
         "Wayland) / no graphical display was found; start the game in a graphical session (X11 "
         "or Wayland)\n";
}

namespace {

// The handler that was in place before, for every other message.
QtMessageHandler& EarlierHandler() {
  static QtMessageHandler earlier = nullptr;
  return earlier;
}

// Qt ends its start-up with a fatal message when no platform plugin could
// connect to a display; once started, a fatal message is Qt's own business.
void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg && QCoreApplication::startingUp()) {
    std::fputs(NoDisplayMessage(), stderr);
    std::_Exit(EXIT_FAILURE);
  }
  EarlierHandler()(type, context, message);
}

}  // namespace

void ExitPlainlyWithoutDisplay() {
  EarlierHandler() = qInstallMessageHandler(OnMessage);
}
