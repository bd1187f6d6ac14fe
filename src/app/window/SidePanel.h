#pragma once
// The folding side panel `PanelSkript`: `SkriptPageControl` with the PHP,
// Java and special-character lists, and the snippet tool bar under it.

class QWidget;

namespace tessaly {

class TSizePanel;

TSizePanel* BuildSidePanel(QWidget* parent);

}  // namespace tessaly
