#pragma once
// What the core asks of the platform's HTML browser control and of the
// document it has loaded: navigation, the ready state, the document-complete
// event, focus, design mode, the selection with its text and control ranges,
// named editing commands and serialisation.
//
// Texts crossing this interface (command values, pasted HTML, the serialised
// document) are UTF-8, as the engine holds them; what the source keeps in
// windows-1251 is converted by the caller.
//
// Every operation that needs the engine's answer waits for it, but never
// longer than the control's bound; a refusal, a script error or a timeout
// raises EBrowserError and leaves the caller's state as it was.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Exception.h"

namespace tessaly {

class EBrowserError : public Exception {
public:
  using Exception::Exception;
};

// The document's ready state as the control reports it; 4 is "complete".
enum TBrowserReadyState { rsUninitialized = 0, rsLoading = 1, rsLoaded = 2, rsInteractive = 3, rsComplete = 4 };

// Selection types as documents report them: a caret, selected text, or one
// selected element such as a picture.
inline constexpr std::string_view SelectionNone = "None";
inline constexpr std::string_view SelectionText = "Text";
inline constexpr std::string_view SelectionControl = "Control";

// The text selected (or the caret) when the range was created.
class BrowserTextRange {
public:
  virtual ~BrowserTextRange() = default;
  virtual bool QueryCommandSupported(const std::string& command) = 0;
  // Runs a named command without the engine's own user interface; false when
  // the engine refused it.
  virtual bool ExecCommand(const std::string& command, const std::string& value) = 0;
  // Replaces the selection by the fragment.
  virtual void PasteHTML(const std::string& html) = 0;
  // Puts a new empty cell after the table cell holding the selection and the
  // caret into it; false when the selection is in no cell. Engines parse
  // pasted cell tags away, so a cell cannot be pasted.
  virtual bool InsertTableCell() { return false; }
};

// The one element selected when the range was created.
class BrowserControlRange {
public:
  virtual ~BrowserControlRange() = default;
  // The element's tag name in upper case ("IMG", "TABLE").
  virtual std::string ElementName() = 0;
  virtual bool QueryCommandSupported(const std::string& command) = 0;
  virtual bool ExecCommand(const std::string& command, const std::string& value) = 0;
};

class BrowserDocument {
public:
  virtual ~BrowserDocument() = default;
  // "On" or "Off".
  virtual void SetDesignMode(const std::string& mode) = 0;
  virtual std::string DesignMode() = 0;
  // SelectionNone, SelectionText or SelectionControl.
  virtual std::string SelectionType() = 0;
  virtual std::unique_ptr<BrowserTextRange> CreateTextRange() = 0;
  // Raises EBrowserError when no single element is selected.
  virtual std::unique_ptr<BrowserControlRange> CreateControlRange() = 0;
  // The whole document as it stands now, the user's edits included, in the
  // engine's own serialisation.
  virtual std::string Serialize() = 0;
};

class BrowserControl {
public:
  virtual ~BrowserControl() = default;
  // Starts loading and returns at once: "about:" followed by markup shows the
  // markup, an absolute path the local file, anything else the web address.
  virtual void Navigate(const std::string& address) = 0;
  virtual int ReadyState() = 0;
  // The loaded document; none before the first completed load.
  virtual BrowserDocument* Document() = 0;
  // Gives the loaded document the keyboard focus; nothing without one.
  virtual void ActivateDocument() = 0;
  // Lets the engine work, without user input reaching the program, until the
  // ready state is complete and its document-complete event has been raised,
  // or the time is up. True when complete.
  virtual bool WaitComplete(int timeoutMs) = 0;

  // Raised once per completed load with this control. Handlers run between
  // the control's own waits, never inside one.
  std::function<void(BrowserControl&)> OnDocumentComplete;
};

// Whether a selected element of this tag can take the command: a picture can
// be aligned and linked, a form control aligned, a table aligned and have its
// text formatted, a rule takes none of them. Commands outside the editing set
// are left to the engine (true).
bool ElementSupportsCommand(std::string_view elementName, std::string_view command);

}  // namespace tessaly
