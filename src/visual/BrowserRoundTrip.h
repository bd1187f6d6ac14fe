#pragma once
// The source's way through the browser page and back. The engine rewrites
// the whole document when it serialises it (letter case, quotes, whitespace,
// the head), so the source is only replaced when the user really changed the
// document that was loaded from it; a document is handed back at most once.

#include <string>

#include "platform/BrowserDocument.h"

namespace tessaly::visual {

struct TBrowserSource {
  bool Edited = false;
  std::string Html;  // when edited: the document as the engine wrote it, UTF-8
};

class TBrowserRoundTrip {
public:
  static constexpr int WaitLimitMs = 5000;

  // The source is about to be shown anew: whatever document the browser holds
  // now does not stand for it.
  void Forget() { loaded_ = false; baseline_.clear(); }
  // A document has completed (design mode already set): remembers it as
  // loaded, as the baseline edits are measured against.
  void DocumentComplete(BrowserDocument& document);
  bool HasDocument() const { return loaded_; }

  // Waits for the browser to complete, serialises its document and compares.
  // Unedited (or no document loaded for this source) leaves the source alone;
  // raises EBrowserError when the browser cannot hand the document over.
  TBrowserSource Take(BrowserControl& browser, int timeoutMs = WaitLimitMs);

private:
  bool loaded_ = false;
  std::string baseline_;
};

}  // namespace tessaly::visual
