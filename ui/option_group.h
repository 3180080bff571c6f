#pragma once

class QButtonGroup;
class QObject;

// An exclusive group of option buttons, ids being element indices. Tab
// enters the group at its selected button, as on any desktop; the arrow
// keys move the selection within it.
QButtonGroup* MakeOptionGroup(QObject* owner);
