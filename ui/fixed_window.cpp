#include "ui/fixed_window.h"

#include <QSize>
#include <QWidget>

void MakeFixedWindow(QWidget& window, const QSize& clientSize) {
  window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                        Qt::MSWindowsFixedSizeDialogHint);
  window.setFixedSize(clientSize);
}
