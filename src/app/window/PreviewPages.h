#pragma once
// `HTMLPageControl`: page 0 "Просмотр" (viewer area above the editor area and
// the status bar) and page 1 "IExplore + EDIT" (the browser control).

class QTabWidget;
class QWidget;

namespace tessaly {

QTabWidget* BuildHtmlPageControl(QWidget* parent);

}  // namespace tessaly
