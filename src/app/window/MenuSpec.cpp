#include "app/window/MenuSpec.h"

#include <QMenu>

#include "app/languages/ComponentTexts.h"
#include "app/window/CommandTable.h"

namespace tessaly {

void AddMenuItems(QMenu* menu, const std::vector<TMenuItemSpec>& items) {
  for (const TMenuItemSpec& item : items) {
    const QString name = QString::fromUtf8(item.Name);
    if (!item.Items.empty()) {
      QMenu* submenu = menu->addMenu(QString::fromUtf8(item.Caption));
      submenu->setObjectName(name);
      submenu->menuAction()->setEnabled(item.Enabled);
      AddMenuItems(submenu, item.Items);
      continue;
    }
    const char* caption = item.Caption != nullptr ? item.Caption : CommandNamed(item.Name).Caption;
    QAction* action = QString::fromUtf8(caption) == QLatin1String("-") ? menu->addSeparator()
                                                                       : menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    action->setEnabled(item.Enabled);
    if (item.SameInEveryLanguage) action->setProperty(kSameInEveryLanguage, true);
    if (item.Shortcut != nullptr) action->setShortcut(QKeySequence(QString::fromUtf8(item.Shortcut)));
  }
}

}  // namespace tessaly
