#pragma once

class QSize;
class QWidget;

// Gives a top-level window a fixed single border: its client area at the
// given size, a caption and a close box, but no minimize or maximize button.
void MakeFixedWindow(QWidget& window, const QSize& clientSize);
