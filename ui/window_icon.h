#pragma once

#include <QIcon>

// The window's icon: a 32 x 32 hamburger in 256 colours on a transparent
// background, from the program's resources.
QIcon WindowIcon();
