// The window's update command: the update window of the Help menu.

#include "app/update/UpdateWindow.h"
#include "app/window/MainWindow.h"

namespace tessaly {

void TOsnovnFRM::UbgradeClick() {
  if (updateWindow_ != nullptr) updateWindow_->exec();
}

}  // namespace tessaly
