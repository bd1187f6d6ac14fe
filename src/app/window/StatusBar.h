#pragma once
// The status bar under the editor: the `StatusM` marquee, the `StatusPanel`
// counts, the `EncodingStatus` pane and the `ClockStatus` clock.

class QWidget;

namespace tessaly {

QWidget* BuildStatusBar(QWidget* parent);

}  // namespace tessaly
