#pragma once

#include "ui/form_layout.h"

class QWidget;

// Paints a control's background in its own colour, the way its kind needs
// under the Fusion style; text colours stay the toolkit's.
void ApplyBackground(QWidget& control, ControlKind kind, const Rgb& colour);

// Gives a control the application's default colours, so that it does not
// inherit the coloured palette of the window around it.
void KeepDefaultColours(QWidget& control);
