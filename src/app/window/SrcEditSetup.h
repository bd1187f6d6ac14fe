#pragma once
// The source editor `SrcEdit` as the main window holds it, with the
// program's font, colours, gutter and highlighter.

class QWidget;

namespace tessaly {

class QtSrcEditWidget;
class TClipboard;
class TSrcCustomHighlighter;

// Creates the editor inside `area`, filling it.
QtSrcEditWidget* BuildSrcEdit(QWidget* area, TClipboard& clipboard, TSrcCustomHighlighter& highlighter);

}  // namespace tessaly
