#include "visual/BrowserRoundTrip.h"

namespace tessaly::visual {

void TBrowserRoundTrip::DocumentComplete(BrowserDocument& document) {
  baseline_ = document.Serialize();
  loaded_ = true;
}

TBrowserSource TBrowserRoundTrip::Take(BrowserControl& browser, int timeoutMs) {
  if (!browser.WaitComplete(timeoutMs))
    throw EBrowserError("Браузер не закончил загрузку страницы за " + std::to_string(timeoutMs / 1000) +
                        " с; текст не изменён");
  if (!loaded_) return {};
  BrowserDocument* document = browser.Document();
  if (document == nullptr) throw EBrowserError("В браузере нет документа; текст не изменён");
  const std::string now = document->Serialize();
  const bool edited = now != baseline_;
  // Handed over once: a later switch without a new load must not bring back
  // this document over edits made to the source meanwhile.
  Forget();
  if (!edited) return {};
  return {true, now};
}

}  // namespace tessaly::visual
