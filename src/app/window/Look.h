#pragma once
// The program's look: one widget style on every desktop, the window colours
// and the small coloured tabs of the tool pages.

class QApplication;

namespace tessaly {

void ApplyLook(QApplication& application);

}  // namespace tessaly
