#pragma once

class QApplication;

// Makes the application what the game's window needs on any desktop: the
// Fusion style, so that its colours render alike everywhere; Qt's own texts
// (a text box's context menu, say) in Bulgarian, whatever the user's
// locale, as every other text of the game; the names that tie the window to
// its desktop entry and icon; and what screen readers call it.
void SetUpApplication(QApplication& application);
