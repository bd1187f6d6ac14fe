#pragma once
// Parsing a page in tests, with every callback recorded as a readable line.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Utf8.h"
#include "preview/parser/PreviewParser.h"

namespace tessaly::preview::test {

// Compares `actual` with the golden file; a mismatch writes `actual` beside
// it as .new for review.
void ExpectGolden(const std::string& actual, const std::string& expectedPath);

// The document's container in tests: script events recorded as calls,
// pictures and submissions handed to what a test sets.
struct PageContainer : TPreviewContainer {
  std::vector<std::string>& Calls;
  std::function<std::shared_ptr<TBitmap>(const std::string& source)> Images;
  std::function<void(const TFormSubmission& form)> Submitted;

  explicit PageContainer(std::vector<std::string>& calls) : Calls(calls) {}
  std::shared_ptr<TBitmap> GetImage(const std::string& source) override { return Images ? Images(source) : nullptr; }
  void FormSubmit(const TFormSubmission& form) override {
    if (Submitted) Submitted(form);
  }
  void ScriptEvent(const std::string& name, const std::string& language, const std::string& script) override;
};

struct ParsedPage {
  std::unique_ptr<TSectionList> Document = std::make_unique<TSectionList>();
  TNameList Names;
  TPreviewParser Parser;
  std::vector<std::string> Calls;  // include, meta, sound and script calls in order
  PageContainer Container{Calls};

  // Includes: "include" is replaced by `IncludeText`, other commands by nothing.
  std::string IncludeText = "<b>included</b> text";

  void Html(const std::string& source);
  void Plain(const std::string& source);
  // The dump golden files hold: the document plus the callbacks.
  std::string Dump() const;
  // All sections in document order.
  std::vector<const TSection*> Sections() const;
  // The text of all sections, joined by '|'.
  std::string Texts() const;
};

}  // namespace tessaly::preview::test
