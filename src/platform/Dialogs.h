#pragma once
// The standard dialogs the application asks the user through: message boxes,
// the one-line input box, file, colour and font choosers. Every question goes
// through one Dialogs object, so tests can answer them from a script.
//
// Texts are UTF-8 (captions, prompts, messages and file paths); a caller that
// holds windows-1251 document text converts it first.

#include <string>

#include "platform/Graphics.h"

namespace tessaly {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Buttons of a message box; a set is an or-ed combination.
enum TMsgDlgBtn : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbAbort = 16, mbRetry = 32, mbIgnore = 64 };
using TMsgDlgButtons = unsigned;

// What closed a dialog. A message box closed without a button (Esc, close box)
// answers mrCancel when Cancel is among its buttons, else the answer of its
// only button, else mrNone.
enum TModalResult { mrNone = 0, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrYes, mrNo };

// What an open or save dialog starts with and, once confirmed, what the user chose.
struct TFileDialogSpec {
  std::string Title;       // empty: the platform's own caption
  std::string InitialDir;
  std::string FileName;    // preset name; on OK the chosen full path
  std::string Filter;      // "HTML Files|*.htm; *.html|All Files|*.*": name and patterns in turn
  int FilterIndex = 1;     // 1-based; on OK the filter the user ended with
  std::string DefaultExt;  // without the dot; added to a name typed without extension
};

class Dialogs {
public:
  virtual ~Dialogs() = default;

  // An empty caption means the application's title.
  virtual TModalResult MessageDlg(const std::string& text, const std::string& caption, TMsgDlgType type,
                                  TMsgDlgButtons buttons, TMsgDlgBtn defaultButton) = 0;
  // The single-line input box; `value` holds the initial text and, on OK, the answer.
  virtual bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) = 0;
  virtual bool OpenFile(TFileDialogSpec& spec) = 0;
  virtual bool SaveFile(TFileDialogSpec& spec) = 0;
  // `color` holds the initial colour and, on OK, the choice (a plain RGB colour).
  virtual bool ChooseColor(TColor& color) = 0;
  virtual bool ChooseFont(TFontSpec& font) = 0;
};

// A plain message with an OK button and the application's title.
inline void ShowMessage(Dialogs& dialogs, const std::string& text) {
  dialogs.MessageDlg(text, std::string(), TMsgDlgType::mtCustom, mbOK, mbOK);
}

// The application's standard error box: an error that reached the message loop.
inline void ShowError(Dialogs& dialogs, const std::string& text) {
  dialogs.MessageDlg(text, std::string(), TMsgDlgType::mtError, mbOK, mbOK);
}

}  // namespace tessaly
