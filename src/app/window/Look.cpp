#include "app/window/Look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include "platform/Graphics.h"

namespace tessaly {

namespace {

QColor ToQColor(TColor color) {
  const TColor plain = ColorToRGB(color);
  return QColor(GetRValue(plain), GetGValue(plain), GetBValue(plain));
}

// Tool-page tabs are small and warm; the selected one has red text. The
// editor area has the tooltip-yellow background the editor paints on.
constexpr const char* kStyleSheet = R"(
#EditPageControl QTabBar::tab {
  height: 13px; padding: 0 8px; margin-right: 1px;
  border: 1px solid #a89868; border-bottom: none;
  border-top-left-radius: 3px; border-top-right-radius: 3px;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdf3d0, stop:1 #ecd48a);
}
#EditPageControl QTabBar::tab:selected { color: red; background: #fffbea; }
#EditPageControl QTabBar::tab:hover:!selected { background: #fff3c4; }
#EditPageControl QToolBar { border: none; background: #fffbea; }
#SrcEditArea { background: %1; }
#ViewerArea { background: white; }
)";

}  // namespace

void ApplyLook(QApplication& application) {
  // One style everywhere, so the window looks the same on every desktop.
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
  QPalette palette = QApplication::style()->standardPalette();
  palette.setColor(QPalette::Window, ToQColor(cl3DLight));
  palette.setColor(QPalette::Button, ToQColor(clBtnFace));
  QApplication::setPalette(palette);
  application.setStyleSheet(QString::fromUtf8(kStyleSheet).arg(ToQColor(clInfoBk).name()));
}

}  // namespace tessaly
