#include "app/SrcEditSetup.h"

#include <QLayout>

#include "qt/QtSrcEditWidget.h"

namespace tessaly {

QtSrcEditWidget* BuildSrcEdit(QWidget* area, TClipboard& clipboard, TSrcCustomHighlighter& highlighter) {
  auto* widget = new QtSrcEditWidget(clipboard, area);
  widget->setObjectName(QStringLiteral("SrcEdit"));
  widget->setFrameShape(QFrame::NoFrame);
  TSrcEdit& editor = widget->Editor();
  editor.SetFont({"Courier New", -13, 0, DEFAULT_CHARSET, clWindowText});
  editor.SetColor(clInfoBk);
  TSrcGutter& gutter = editor.Gutter();
  gutter.SetFont({"Arial", -11, 0, ANSI_CHARSET, clWindowText});
  gutter.SetDigitCount(3);
  gutter.SetAutoSize(true);
  editor.SetHighlighter(&highlighter);
  area->layout()->addWidget(widget);
  return widget;
}

}  // namespace tessaly
