#pragma once

#include <QFont>

// The window's font, which every control inherits: Times New Roman, 12
// point, regular, or its metric twin Liberation Serif where it is absent.
// Both carry Cyrillic.
QFont FormFont();
