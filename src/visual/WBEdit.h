#pragma once
// `TWBEdit`: the formatting commands of the main window turned into editing
// commands of the browser document in design mode: character formatting,
// alignment, text colour, HTML pasted at the selection, and the link prompt.

#include <memory>
#include <string>

#include "platform/BrowserDocument.h"
#include "platform/Dialogs.h"
#include "visual/PromptWindow.h"

namespace tessaly::visual {

class TWBEdit {
public:
  static constexpr const char* HyperlinkPrompt = "IS_HYPERLINK";
  static constexpr const char* NotSupportedText = "Не поддерживается!";

  // The prompt window belongs to the object from here on.
  TWBEdit(Dialogs& dialogs, std::unique_ptr<TPromptWindow> prompt);
  ~TWBEdit();
  TWBEdit(const TWBEdit&) = delete;
  TWBEdit& operator=(const TWBEdit&) = delete;

  // Takes the completed document and switches its design mode on or off.
  void Attach(BrowserDocument* document, bool designMode = true);
  BrowserDocument* Document() const { return document_; }

  void Bold() { RunCommand("Bold"); }
  void Italic() { RunCommand("Italic"); }
  void Underline() { RunCommand("Underline"); }
  void JustifyLeft() { RunCommand("JustifyLeft"); }
  void JustifyCenter() { RunCommand("JustifyCenter"); }
  void JustifyRight() { RunCommand("JustifyRight"); }
  void JustifyMiddle() { RunCommand("JustifyMiddle"); }
  // Asks for a colour and gives it to the selected text.
  void TextColor();

  // `html` is markup as the source holds it: windows-1251 bytes.
  void PasteHTML(const std::string& html);
  void HorizontalRule() { PasteHTML("<HR>"); }
  void LineBreak() { PasteHTML("<BR><BR>"); }
  void NonBreakingSpace() { PasteHTML("&nbsp;"); }
  // A new cell after the selected one; outside a table cell it is refused
  // with NotSupportedText.
  void TableCell();

  // Shows the link prompt and returns at once.
  void LinkPrompt();
  // The prompt's buttons.
  void ApplyPrompt();
  void CancelPrompt();
  const std::string& PendingPrompt() const { return pendingPrompt_; }
  TPromptWindow& Prompt() { return *prompt_; }

  // Runs a document command on the current selection; a selected element that
  // cannot take it is refused with NotSupportedText. `value` is UTF-8.
  void RunCommand(const std::string& name, const std::string& value = std::string());

  // The "ForeColor" value of a colour: "#RRGGBB" in upper-case hexadecimal.
  static std::string ColorValue(TColor color);
  // The link prompt's arrangement.
  static TPromptLayout LinkPromptLayout();

private:
  BrowserDocument& RequireDocument() const;

  Dialogs& dialogs_;
  std::unique_ptr<TPromptWindow> prompt_;
  BrowserDocument* document_ = nullptr;
  std::string pendingPrompt_;
};

}  // namespace tessaly::visual
