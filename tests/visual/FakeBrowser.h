#pragma once
// A browser document and control in memory: the selection, what the engine
// supports and what it serialises are set by the test, and every command that
// reaches the document is logged as one line.

#include <array>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/BrowserDocument.h"
#include "visual/PromptWindow.h"

namespace tessaly::test {

struct FakeEngine {
  std::string designMode = "Off";
  std::string selectionType = "Text";
  std::string elementName = "IMG";
  std::set<std::string> unsupported = {"JustifyMiddle"};  // as a standards engine
  bool refuse = false;  // every command fails
  std::string html = "<html><head></head><body>page</body></html>";
  std::vector<std::string> log;

  bool Supports(const std::string& command) const { return unsupported.count(command) == 0; }
  bool Run(const std::string& range, const std::string& command, const std::string& value) {
    log.push_back(range + " " + command + (value.empty() ? "" : " " + value));
    return !refuse;
  }
};

class FakeTextRange : public BrowserTextRange {
public:
  explicit FakeTextRange(FakeEngine& engine) : engine_(engine) {}
  bool QueryCommandSupported(const std::string& command) override { return engine_.Supports(command); }
  bool ExecCommand(const std::string& command, const std::string& value) override {
    return engine_.Run("text", command, value);
  }
  void PasteHTML(const std::string& html) override {
    if (!engine_.Run("text", "paste", html)) throw EBrowserError("paste refused");
  }

private:
  FakeEngine& engine_;
};

class FakeControlRange : public BrowserControlRange {
public:
  explicit FakeControlRange(FakeEngine& engine) : engine_(engine) {}
  std::string ElementName() override { return engine_.elementName; }
  bool QueryCommandSupported(const std::string& command) override {
    return engine_.Supports(command) && ElementSupportsCommand(engine_.elementName, command);
  }
  bool ExecCommand(const std::string& command, const std::string& value) override {
    return engine_.Run("control", command, value);
  }

private:
  FakeEngine& engine_;
};

class FakeDocument : public BrowserDocument {
public:
  explicit FakeDocument(FakeEngine& engine) : engine_(engine) {}
  void SetDesignMode(const std::string& mode) override { engine_.designMode = mode; }
  std::string DesignMode() override { return engine_.designMode; }
  std::string SelectionType() override { return engine_.selectionType; }
  std::unique_ptr<BrowserTextRange> CreateTextRange() override { return std::make_unique<FakeTextRange>(engine_); }
  std::unique_ptr<BrowserControlRange> CreateControlRange() override {
    return std::make_unique<FakeControlRange>(engine_);
  }
  std::string Serialize() override {
    if (engine_.refuse) throw EBrowserError("serialise refused");
    return engine_.html;
  }

private:
  FakeEngine& engine_;
};

class FakeBrowser : public BrowserControl {
public:
  explicit FakeBrowser(FakeEngine& engine) : document_(engine) {}
  void Navigate(const std::string& address) override { navigated.push_back(address); }
  int ReadyState() override { return complete ? rsComplete : rsLoading; }
  BrowserDocument* Document() override { return hasDocument ? &document_ : nullptr; }
  void ActivateDocument() override {}
  bool WaitComplete(int) override { return complete; }

  bool complete = true;
  bool hasDocument = true;
  std::vector<std::string> navigated;

private:
  FakeDocument document_;
};

class FakePrompt : public visual::TPromptWindow {
public:
  void Show(const visual::TPromptLayout& layout) override {
    shown = layout;
    visible = true;
    for (int row = 0; row < visual::TPromptLayout::Rows; ++row) edits[row] = layout.Edits[row].Text;
  }
  void Hide() override { visible = false; }
  bool Visible() const override { return visible; }
  std::string EditText(int row) const override { return edits.at(row - 1); }
  std::string ComboText() const override { return {}; }

  visual::TPromptLayout shown;
  bool visible = false;
  std::array<std::string, visual::TPromptLayout::Rows> edits;
};

}  // namespace tessaly::test
