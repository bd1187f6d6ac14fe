#pragma once
// The markup buttons of the tool pages as one table: what each puts into the
// source, and what it does instead while the browser page is active. The
// window only dispatches a row; the texts and the editing live here, without
// any window.

#include <string>
#include <vector>

#include "platform/Graphics.h"

namespace tessaly {

class TSrcEdit;

enum class TSourceAction {
  Wrap,          // open + selection + close, then the editor takes the focus
  WrapInPlace,   // the same, the focus left where it was
  InsertFocus,   // the open text replaces the selection, then the editor takes the focus
  LinkPrompt,    // asks for the anchor, then wraps
  ImagePrompt,   // asks for the picture, then replaces the selection
  ColorPrompt,   // asks for a colour, then wraps in a FONT tag in place
};

enum class TBrowserAction {
  Source,      // acts on the source on both pages
  Nothing,     // does nothing while the browser page is active
  Command,     // a document command named by BrowserText
  PasteHtml,   // BrowserText pasted at the document's selection
  LinkPrompt,  // the link prompt of the browser editing object
  ColorPrompt, // the text colour of the browser editing object
  TableCell,   // a new cell after the selected one
};

struct TMarkupCommand {
  const char* Button;  // the tool button's object name
  TSourceAction Source;
  const char* Open;
  const char* Close;
  TBrowserAction Browser;
  const char* BrowserText;
};

// One row per markup button of "Текст", "Рисунок", "Таблицы" and "Скриты".
const std::vector<TMarkupCommand>& MarkupCommandTable();
const TMarkupCommand* FindMarkupCommand(const std::string& button);

// Texts are windows-1251 bytes, as the editor holds them.
void WrapSelection(TSrcEdit& editor, const std::string& open, const std::string& close);
void InsertText(TSrcEdit& editor, const std::string& text);

// The texts the prompts build from the user's answer.
std::string LinkOpenText(const std::string& address);
std::string ImageText(const std::string& reference);
std::string ColorOpenText(TColor color);

inline constexpr const char* LinkCaption = "Anchor";
inline constexpr const char* LinkPromptText = "Anchor value";
inline constexpr const char* ImageCaption = "Image";
inline constexpr const char* ImagePromptText = "Image reference";
inline constexpr const char* ImageDefault = "****.gif";

}  // namespace tessaly
