#pragma once
// The program's own pictures (data/icons, built into the executable).

#include <QIcon>

namespace tessaly {

// The picture data/icons/<name>.svg as an icon; a null icon for an unknown name.
QIcon ToolIcon(const char* name);

}  // namespace tessaly
