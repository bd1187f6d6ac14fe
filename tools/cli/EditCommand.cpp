// tessaly-cli edit FILE SCRIPT: loads FILE into a source editor with the HTML
// highlighter in a 648 x 400 pixel window of 8 x 16 pixel character cells,
// runs the steps of SCRIPT (one a line) and prints the editor's state.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/Command.h"
#include "editor/SrcEdit.h"
#include "highlight/HtmlHighlighter.h"
#include "platform/Clipboard.h"
#include "platform/Files.h"
#include "platform/HeadlessControlHost.h"

namespace tessaly::cli {
namespace {

struct ScriptError : Exception {
  ScriptError(int line, const std::string& what) : Exception(Format("script line %d: %s", line, what.c_str())) {}
};

// \xHH for a byte, \n for CR LF, \\ for a backslash.
std::string Unescape(const std::string& text, int line) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == 'n') {
      out += "\r\n";
      ++i;
    } else if (i + 1 < text.size() && text[i + 1] == '\\') {
      out += '\\';
      ++i;
    } else if (i + 3 < text.size() && text[i + 1] == 'x' && std::isxdigit(static_cast<unsigned char>(text[i + 2])) &&
               std::isxdigit(static_cast<unsigned char>(text[i + 3]))) {
      out += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else {
      throw ScriptError(line, "bad escape in '" + text + "'");
    }
  }
  return out;
}

std::string Escape(const std::string& bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 32 || c == '\\') out += Format("\\x%02X", b);
    else out += c;
  }
  return out;
}

int Number(const std::string& word, int line) {
  char* end = nullptr;
  const long value = std::strtol(word.c_str(), &end, 10);
  if (word.empty() || *end != '\0') throw ScriptError(line, "not a number: '" + word + "'");
  return static_cast<int>(value);
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

struct KeyName {
  const char* name;
  uint16_t key;
  char ch;  // the character the key types without Ctrl or Alt, or 0
};

constexpr KeyName kKeys[] = {
    {"Left", VK_LEFT, 0},    {"Right", VK_RIGHT, 0},     {"Up", VK_UP, 0},         {"Down", VK_DOWN, 0},
    {"Home", VK_HOME, 0},    {"End", VK_END, 0},         {"PageUp", VK_PRIOR, 0},  {"PageDown", VK_NEXT, 0},
    {"Insert", VK_INSERT, 0}, {"Delete", VK_DELETE, 0},  {"Backspace", VK_BACK, 8}, {"Enter", VK_RETURN, 13},
    {"Tab", VK_TAB, 9},      {"Escape", VK_ESCAPE, 27},  {"Space", VK_SPACE, ' '},
};

// "Shift+Ctrl+Left": presses the key through the bindings, then delivers the
// character it types, as a keyboard does.
void PressKeys(TSrcEdit& editor, const std::string& spec, int line) {
  TShiftState shift = 0;
  std::string rest = spec;
  for (size_t plus; (plus = rest.find('+')) != std::string::npos && plus + 1 < rest.size();) {
    const std::string modifier = rest.substr(0, plus);
    if (modifier == "Shift") shift |= ssShift;
    else if (modifier == "Ctrl") shift |= ssCtrl;
    else if (modifier == "Alt") shift |= ssAlt;
    else throw ScriptError(line, "unknown modifier '" + modifier + "'");
    rest = rest.substr(plus + 1);
  }
  uint16_t key = 0;
  char ch = 0;
  for (const KeyName& k : kKeys)
    if (rest == k.name) {
      key = k.key;
      ch = k.ch;
    }
  if (key == 0 && rest.size() == 1 && std::isalnum(static_cast<unsigned char>(rest[0]))) {
    key = static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(rest[0])));
    ch = std::isalpha(static_cast<unsigned char>(rest[0])) && !(shift & ssShift)
             ? static_cast<char>(std::tolower(static_cast<unsigned char>(rest[0])))
             : static_cast<char>(key);
  }
  if (key == 0 && rest.size() >= 2 && rest[0] == 'F') {
    const int n = Number(rest.substr(1), line);
    if (n >= 1 && n <= 12) key = static_cast<uint16_t>(VK_F1 + n - 1);
  }
  if (key == 0) throw ScriptError(line, "unknown key '" + rest + "'");
  editor.KeyDown(key, shift);
  if (ch != 0 && !(shift & (ssCtrl | ssAlt))) editor.KeyPress(ch);
}

TSrcSearchOptions SearchOptions(const std::string& list, int line) {
  static const char* const kNames[] = {"soMatchCase",    "soWholeWord", "soBackwards",    "soEntireScope",
                                       "soSelectedOnly", "soReplace",   "soReplaceAll",   "soPrompt"};
  TSrcSearchOptions options;
  std::istringstream in(list);
  for (std::string name; std::getline(in, name, ',');) {
    if (name.empty()) continue;
    bool known = false;
    for (int i = 0; i < 8; ++i)
      if (name == kNames[i]) {
        options.Include(static_cast<TSrcSearchOption>(i));
        known = true;
      }
    if (!known) throw ScriptError(line, "unknown search option '" + name + "'");
  }
  return options;
}

void PrintState(const TSrcEdit& editor) {
  std::string out;
  for (int i = 1; i <= editor.LineCount(); ++i) out += Format("line %d: ", i) + Escape(editor.LineText(i)) + "\n";
  static const char* const kModes[] = {"normal", "line", "column"};
  out += Format("caret %d %d\nblock %d %d %d %d\nmode %s\nmodified %d\nundo %d\nredo %d\ntop %d left %d\n",
                editor.CaretX(), editor.CaretY(), editor.BlockBegin().X, editor.BlockBegin().Y, editor.BlockEnd().X,
                editor.BlockEnd().Y, kModes[editor.SelectionMode()], editor.Modified() ? 1 : 0,
                editor.UndoList().ItemCount(), editor.RedoList().ItemCount(), editor.TopLine(), editor.LeftChar());
  WriteOut(out);
}

void RunStep(TSrcEdit& editor, const std::string& step, int line) {
  const size_t space = step.find(' ');
  const std::string name = step.substr(0, space);
  const std::string argument = space == std::string::npos ? std::string() : step.substr(space + 1);
  const std::vector<std::string> words = Words(argument);
  const auto expect = [&](size_t count) {
    if (words.size() != count) throw ScriptError(line, Format("'%s' takes %zu arguments", name.c_str(), count));
  };
  if (name == "ecChar") {
    const std::string ch = Unescape(argument, line);
    if (ch.size() != 1) throw ScriptError(line, "ecChar takes one byte");
    editor.RunCommand(ecChar, ch[0], nullptr);
  } else if (name == "ecGotoXY" || name == "ecSelGotoXY") {
    expect(2);
    TBufferCoord point{Number(words[0], line), Number(words[1], line)};
    editor.RunCommand(NameToEditorCommand(name), '\0', &point);
  } else if (const TSrcEditorCommand command = NameToEditorCommand(name); command >= 0) {
    expect(0);
    editor.RunCommand(command, '\0', nullptr);
  } else if (name == "key") {
    expect(1);
    PressKeys(editor, words[0], line);
  } else if (name == "type") {
    for (const char c : Unescape(argument, line)) editor.RunCommand(ecChar, c, nullptr);
  } else if (name == "caret") {
    expect(2);
    editor.SetCaretXY({Number(words[0], line), Number(words[1], line)});
  } else if (name == "block") {
    expect(4);
    editor.SetBlockBegin({Number(words[0], line), Number(words[1], line)});
    editor.SetBlockEnd({Number(words[2], line), Number(words[3], line)});
  } else if (name == "mode") {
    expect(1);
    if (words[0] == "normal") editor.SetSelectionMode(smNormal);
    else if (words[0] == "line") editor.SetSelectionMode(smLine);
    else if (words[0] == "column") editor.SetSelectionMode(smColumn);
    else throw ScriptError(line, "unknown mode '" + words[0] + "'");
  } else if (name == "option") {
    TSrcEditorOptions options = editor.Options();
    for (const std::string& word : words) {
      const int option = word.size() > 1 ? SrcEditorOptionByName(word.c_str() + 1) : -1;
      if (option < 0 || (word[0] != '+' && word[0] != '-')) throw ScriptError(line, "unknown option '" + word + "'");
      options.Set(static_cast<TSrcEditorOption>(option), word[0] == '+');
    }
    editor.SetOptions(options);
  } else if (name == "seltext") {
    editor.SetSelText(Unescape(argument, line));
  } else if (name == "selstart") {
    expect(1);
    editor.SetSelStart(Number(words[0], line));
  } else if (name == "selend") {
    expect(1);
    editor.SetSelEnd(Number(words[0], line));
  } else if (name == "copy") {
    editor.CopyToClipboard();
  } else if (name == "cut") {
    editor.CutToClipboard();
  } else if (name == "paste") {
    editor.PasteFromClipboard();
  } else if (name == "search") {
    const size_t bar1 = argument.find('|');
    const size_t bar2 = bar1 == std::string::npos ? std::string::npos : argument.find('|', bar1 + 1);
    const std::string search = Unescape(argument.substr(0, bar1), line);
    const std::string replace =
        bar1 == std::string::npos ? std::string() : Unescape(argument.substr(bar1 + 1, bar2 - bar1 - 1), line);
    const TSrcSearchOptions options =
        bar2 == std::string::npos ? TSrcSearchOptions() : SearchOptions(argument.substr(bar2 + 1), line);
    WriteOut(Format("matches %d\n", editor.SearchReplace(search, replace, options)));
  } else if (name == "print") {
    PrintState(editor);
  } else {
    throw ScriptError(line, "unknown step '" + name + "'");
  }
}

void Edit(const Arguments& args) {
  if (args.size() != 2) throw UsageError{"edit FILE SCRIPT"};
  THeadlessControlHost host({648, 400}, 8, 16);
  TMemoryClipboard clipboard;
  THtmlHighlighter highlighter;
  TSrcEdit editor(host, clipboard);
  // The main window's settings.
  editor.SetFont({"Courier New", -13, 0, DEFAULT_CHARSET, clWindowText});
  editor.Gutter().SetAutoSize(true);
  editor.Gutter().SetDigitCount(3);
  editor.Gutter().SetFont({"Arial", -11, 0, ANSI_CHARSET, clWindowText});
  editor.Lines().LoadFromFile(args[0]);
  editor.SetHighlighter(&highlighter);
  const std::string script = ReadFileBytes(args[1]);
  std::istringstream in(script);
  int number = 0;
  for (std::string step; std::getline(in, step);) {
    ++number;
    if (!step.empty() && step.back() == '\r') step.pop_back();
    if (step.empty() || step[0] == '#') continue;
    RunStep(editor, step, number);
  }
  PrintState(editor);
}

const CommandRegistration kEdit("edit", "edit FILE SCRIPT", Edit);

}  // namespace
}  // namespace tessaly::cli
