#include "ui/option_group.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace {

// Qt makes a group one tab stop, but at whichever button last had the focus;
// a selection made from code would leave the stop on another button.
void MakeTabStop(QButtonGroup& group, QAbstractButton& selected) {
  for (QAbstractButton* button : group.buttons()) {
    button->setFocusPolicy(button == &selected ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

}  // namespace

QButtonGroup* MakeOptionGroup(QObject* owner) {
  auto* group = new QButtonGroup(owner);
  group->setExclusive(true);
  QObject::connect(group, &QButtonGroup::buttonToggled, group,
                   [group](QAbstractButton* button, bool checked) {
                     if (checked) {
                       MakeTabStop(*group, *button);
                     }
                   });
  return group;
}
