#include "app/window/SrcEditSetup.h"

#include <QLayout>

#include "editor/SrcEdit.h"
#include "platform/Keys.h"
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
  // Ctrl+N is New in the window, as in every desktop program; inserting a
  // line without moving the caret takes Ctrl+Enter instead.
  TSrcEditKeyStrokes& keys = editor.Keystrokes();
  for (int i = 0; i < keys.Count(); ++i)
    if (keys.Items(i).Command() == ecInsertLine) keys.Items(i).SetShortCut(ShortCut(VK_RETURN, ssCtrl));
  area->layout()->addWidget(widget);
  return widget;
}

}  // namespace tessaly
