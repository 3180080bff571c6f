#include "ui/platform_preference.h"

#include <QtGlobal>

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

SessionEnvironment CurrentSessionEnvironment() {
  return {qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"),
          qgetenv("XDG_SESSION_TYPE")};
}

void ApplyPlatformPreference() {
  if (const std::optional<QByteArray> platform = PreferredPlatform(CurrentSessionEnvironment())) {
    qputenv("QT_QPA_PLATFORM", *platform);
  }
}
