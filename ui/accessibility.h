#pragma once

#include <QString>

class QWidget;

// What assistive technology learns of the game beyond what Qt tells of its
// controls by itself.

// Gives the application the name a screen reader and braille display show,
// "Дилемата на затворника" as its desktop entry calls it (Qt would give the
// program's file name, and a display name would also change every window
// caption), and the round's notice its role. Needs the application object.
void InstallAccessibility();

// Has the screen reader speak a text at once, by itself, as said by the
// focused control, without moving the focus: Qt 6.8 sends it as an
// announcement; before 6.8 an invisible notification of the window shows
// it, which screen readers speak as it appears.
class Announcer {
 public:
  explicit Announcer(QWidget& window);

  void Announce(QWidget& source, const QString& text);

 private:
  QWidget* notice_;  // the invisible notification, before Qt 6.8
};
