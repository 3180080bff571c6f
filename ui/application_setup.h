#pragma once

class QApplication;

// Makes the application what the game's window needs on any desktop: the
// Fusion style, so that its colours render alike everywhere, and the names
// that tie the window to its desktop entry and icon.
void SetUpApplication(QApplication& application);
