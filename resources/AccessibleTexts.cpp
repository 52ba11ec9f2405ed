#include "resources/AccessibleTexts.h"

#include <QWidget>

#include "platform/CDialogBuilder.h"

namespace res::access {

void NameControls(QWidget *dialog, std::span<const Name> names) {
  for (const Name &name : names)
    if (QWidget *control = platform::GetDlgItem(dialog, name.id))
      control->setAccessibleName(QString::fromLatin1(name.name));
}

} // namespace res::access
