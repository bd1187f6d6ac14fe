#pragma once
// An editor in a headless 648 x 400 window of 8 x 16 character cells, with
// its text and selection written as one string: lines separated by "\n",
// "|" the caret, "[" and "]" the ordered ends of the selection.

#include <string>
#include <vector>

#include "editor/SrcEdit.h"
#include "platform/Clipboard.h"
#include "platform/HeadlessControlHost.h"

namespace tessaly::test {

class EditorHarness {
public:
  EditorHarness() : host({648, 400}, 8, 16), editor(host, clipboard) {}

  // Loads text with markers; without "|" the caret goes to (1, 1). Trailing
  // blanks are not text: they place a marker beyond the line end.
  void Load(const std::string& notation);
  // The text with the caret and selection markers; positions beyond a line
  // end are shown as spaces.
  std::string State() const;
  std::string Text() const;  // lines joined by "\n", no markers

  // Runs each step: a command name ("ecUndo") or "type:TEXT" (one ecChar per
  // byte, "_" typing a space).
  void Run(const std::string& steps);

  THeadlessControlHost host;
  TMemoryClipboard clipboard;
  TSrcEdit editor;
};

// One editing scenario: the text before, the steps, the text after, and
// the options to take out of or add to the defaults.
struct Scenario {
  const char* name;
  const char* before;
  const char* steps;
  const char* after;
  std::initializer_list<TSrcEditorOption> off = {};
  std::initializer_list<TSrcEditorOption> on = {};
};

// Runs every scenario in a fresh editor holding a document in `encoding`.
void RunScenarios(const std::vector<Scenario>& scenarios, text::Encoding encoding = text::kDefaultEncoding);

}  // namespace tessaly::test
