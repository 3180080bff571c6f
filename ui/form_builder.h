#pragma once

#include "ui/form_controls.h"

class QWidget;

// Builds the controls of the stored layout inside the window, with their
// texts, places, colours, visibility and tab order.
FormControls BuildForm(QWidget& window);
