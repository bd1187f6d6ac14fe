// Random command sequences (commands, characters, positions, selection
// modes, options, clipboard, search, mouse and keys) on random text: the
// editor must not crash, and caret, selection and scroll position must stay
// inside their clamping rules after every step.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editor/SrcEdit.h"
#include "highlight/HtmlHighlighter.h"
#include "platform/Clipboard.h"
#include "platform/HeadlessControlHost.h"

namespace {

using namespace tessaly;

class Input {
public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Empty() const { return pos_ >= size_; }
  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  int Small(int limit) { return Byte() % limit; }
  std::string Bytes(size_t count) {
    std::string out;
    while (count-- > 0 && !Empty()) out += static_cast<char>(Byte());
    return out;
  }

private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

void Check(const TSrcEdit& editor) {
  const int lines = std::max(1, editor.LineCount());
  const auto lineLength = [&](int y) { return static_cast<int>(editor.LineText(y).size()); };
  const TBufferCoord caret = editor.CaretXY();
  const int caretLimit = editor.Options().Has(eoScrollPastEol) ? editor.MaxLeftChar() : lineLength(caret.Y) + 1;
  if (caret.Y < 1 || caret.Y > lines || caret.X < 1 || caret.X > std::max(1, caretLimit)) std::abort();
  for (const TBufferCoord p : {editor.BlockBegin(), editor.BlockEnd()}) {
    if (p.Y < 1 || p.Y > lines || p.X < 1 || p.X > editor.MaxLeftChar()) std::abort();
    if (editor.SelectionMode() == smNormal && p.X > lineLength(p.Y) + 1) std::abort();
  }
  if (editor.TopLine() < 1 || editor.LeftChar() < 1) std::abort();
  if (!editor.Options().Has(eoScrollPastEof) && editor.TopLine() > std::max(1, editor.LineCount() - editor.LinesInWindow() + 1))
    std::abort();
}

void Step(TSrcEdit& editor, Input& in) {
  switch (in.Small(16)) {
    case 0:
    case 1: {
      const int index = in.Small(SrcEditorCommandNameCount());
      const TSrcEditorCommand command = SrcEditorCommandAt(index);
      TBufferCoord point{in.Small(90) - 5, in.Small(40) - 5};
      const bool withPoint = command == ecGotoXY || command == ecSelGotoXY ||
                             (command >= ecSetMarker0 && command <= ecSetMarker9);
      editor.RunCommand(command, static_cast<char>(in.Byte()), withPoint ? &point : nullptr);
      break;
    }
    case 2:
    case 3: editor.RunCommand(ecChar, static_cast<char>(in.Byte()), nullptr); break;
    case 4: editor.SetCaretXY({in.Small(120) - 10, in.Small(50) - 5}); break;
    case 5:
      editor.SetBlockBegin({in.Small(120) - 10, in.Small(50) - 5});
      editor.SetBlockEnd({in.Small(120) - 10, in.Small(50) - 5});
      break;
    case 6: editor.SetSelectionMode(static_cast<TSrcSelectionMode>(in.Small(3))); break;
    case 7: {
      TSrcEditorOptions options = editor.Options();
      const auto option = static_cast<TSrcEditorOption>(in.Small(kSrcEditorOptionCount));
      options.Set(option, !options.Has(option));
      editor.SetOptions(options);
      break;
    }
    case 8: editor.SetSelText(in.Bytes(static_cast<size_t>(in.Small(12)))); break;
    case 9:
      switch (in.Small(3)) {
        case 0: editor.CopyToClipboard(); break;
        case 1: editor.CutToClipboard(); break;
        default: editor.PasteFromClipboard(); break;
      }
      break;
    case 10: {
      const std::string search = in.Bytes(static_cast<size_t>(in.Small(4)));
      const std::string replace = in.Bytes(static_cast<size_t>(in.Small(4)));
      editor.SearchReplace(search, replace, TSrcSearchOptions::FromBits(in.Byte()));
      break;
    }
    case 11: in.Small(2) ? editor.Undo() : editor.Redo(); break;
    case 12: {
      const int x = in.Small(700) - 20, y = in.Small(450) - 20;
      const auto shift = static_cast<TShiftState>(in.Byte() & (ssShift | ssAlt | ssCtrl));
      switch (in.Small(5)) {
        case 0: editor.MouseDown(static_cast<TMouseButton>(in.Small(3)), shift | ssLeft, x, y); break;
        case 1: editor.MouseMove(shift | ssLeft, x, y); break;
        case 2: editor.MouseUp(TMouseButton::mbLeft, shift, x, y); break;
        case 3: editor.DblClick(); break;
        default: editor.ScrollTimerTick(); break;
      }
      break;
    }
    case 13: {
      uint16_t key = in.Byte();
      editor.KeyDown(key, static_cast<TShiftState>(in.Byte() & (ssShift | ssAlt | ssCtrl)));
      editor.KeyPress(static_cast<char>(in.Byte()));
      break;
    }
    case 14:
      switch (in.Small(4)) {
        case 0: editor.SetTopLine(in.Small(60) - 5); break;
        case 1: editor.SetLeftChar(in.Small(1100) - 5); break;
        case 2: editor.MouseWheel(in.Small(480) - 240, static_cast<TShiftState>(in.Byte() & ssCtrl)); break;
        default: editor.SetTabWidth(in.Small(10)); break;
      }
      break;
    default: editor.SetSelStart(in.Small(300)); editor.SetSelEnd(in.Small(300)); break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  THeadlessControlHost host({648, 400}, 8, 16);
  TMemoryClipboard clipboard;
  THtmlHighlighter highlighter;
  TSrcEdit editor(host, clipboard);
  editor.SetText(in.Bytes(in.Small(200)));
  if (in.Byte() & 1) editor.SetHighlighter(&highlighter);
  editor.SetMaxLeftChar(64 + in.Small(64));
  for (int steps = 0; steps < 200 && !in.Empty(); ++steps) {
    try {
      Step(editor, in);
    } catch (const Exception&) {
      // Fixed-text editor errors (clipboard) are allowed; crashes are not.
    }
    Check(editor);
  }
  return 0;
}
