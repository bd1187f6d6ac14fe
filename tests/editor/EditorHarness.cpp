#include "EditorHarness.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

namespace tessaly::test {

void EditorHarness::Load(const std::string& notation) {
  std::vector<std::string> lines(1);
  TBufferCoord caret{1, 1}, start{0, 0}, end{0, 0};
  for (const char c : notation) {
    const TBufferCoord here{static_cast<int>(lines.back().size()) + 1, static_cast<int>(lines.size())};
    if (c == '\n') lines.emplace_back();
    else if (c == '|') caret = here;
    else if (c == '[') start = here;
    else if (c == ']') end = here;
    else lines.back() += c;
  }
  // Blanks before the caret at a line end only show where the caret stands.
  std::string text;
  for (const std::string& line : lines) text += line.substr(0, line.find_last_not_of(' ') + 1) + "\r\n";
  editor.Lines().SetText(text);
  editor.ClearUndoHistory();
  editor.SetModified(false);
  if (start.Y > 0 && end.Y > 0) {
    const bool caretAtStart = caret == start;
    editor.PlaceCaretAndSelection(caret, caretAtStart ? end : start, caretAtStart ? start : end);
  } else {
    editor.PlaceCaretAndSelection(caret, caret, caret);
  }
}

std::string EditorHarness::State() const {
  const bool selected = editor.SelAvail();
  const TBufferCoord start = editor.SelectionStart(), end = editor.SelectionEnd(), caret = editor.CaretXY();
  std::string out;
  for (int y = 1; y <= std::max(1, editor.LineCount()); ++y) {
    if (y > 1) out += '\n';
    const std::string line = editor.LineText(y);
    int lastColumn = static_cast<int>(line.size()) + 1;
    for (const TBufferCoord p : {start, end, caret})
      if (p.Y == y) lastColumn = std::max(lastColumn, p.X);
    for (int x = 1; x <= lastColumn; ++x) {
      const TBufferCoord here{x, y};
      if (selected && here == end) out += ']';
      if (here == caret) out += '|';
      if (selected && here == start) out += '[';
      if (x <= static_cast<int>(line.size())) out += line[static_cast<size_t>(x - 1)];
      else if (x < lastColumn) out += ' ';
    }
  }
  return out;
}

std::string EditorHarness::Text() const {
  std::string out;
  for (int y = 1; y <= editor.LineCount(); ++y) out += (y > 1 ? "\n" : "") + editor.LineText(y);
  return out;
}

void EditorHarness::Run(const std::string& steps) {
  std::istringstream in(steps);
  for (std::string step; in >> step;) {
    if (step.rfind("type:", 0) == 0) {
      for (const char c : step.substr(5)) editor.RunCommand(ecChar, c == '_' ? ' ' : c, nullptr);
      continue;
    }
    const TSrcEditorCommand command = NameToEditorCommand(step);
    if (command < 0) throw std::invalid_argument("unknown step " + step);
    editor.RunCommand(command, '\0', nullptr);
  }
}

void RunScenarios(const std::vector<Scenario>& scenarios, text::Encoding encoding) {
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.name);
    EditorHarness h;
    h.editor.SetEncoding(encoding);
    TSrcEditorOptions options = h.editor.Options();
    for (TSrcEditorOption o : s.off) options.Exclude(o);
    for (TSrcEditorOption o : s.on) options.Include(o);
    h.editor.SetOptions(options);
    h.Load(s.before);
    h.Run(s.steps);
    EXPECT_EQ(h.State(), s.after);
  }
}

}  // namespace tessaly::test
