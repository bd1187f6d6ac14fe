#pragma once
// The driver's dialogs and shell: questions are answered from queues filled
// by "answer" lines, one queue per kind, and every question asked is printed.
// A question without a queued answer is cancelled; a message box takes its
// default button.

#include <deque>
#include <optional>
#include <string>

#include "platform/Dialogs.h"
#include "platform/Shell.h"

namespace tessaly::cli {

class DriverDialogs : public Dialogs {
public:
  // The words after "answer": a kind and its answer; false when they make no answer.
  bool Queue(const std::string& kind, const std::string& answer);

  TModalResult MessageDlg(const std::string& text, const std::string& caption, TMsgDlgType type,
                          TMsgDlgButtons buttons, TMsgDlgBtn defaultButton) override;
  bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override;
  bool OpenFile(TFileDialogSpec& spec) override;
  bool SaveFile(TFileDialogSpec& spec) override;
  bool ChooseColor(TColor& color) override;
  bool ChooseFont(TFontSpec& font) override;

private:
  bool AskFile(const char* kind, std::deque<std::optional<std::string>>& answers, TFileDialogSpec& spec);

  std::deque<TModalResult> messages_;
  std::deque<std::optional<std::string>> inputs_, opens_, saves_;
  std::deque<std::optional<TColor>> colors_;
};

// The desktop opens nothing and plays nothing under the driver: each request
// is printed and succeeds.
class DriverShell : public TShell {
public:
  bool Open(const std::string& target, const std::string& parameters) override;
  void Terminate() override {}
  void MessageBeep(unsigned type) override;
};

}  // namespace tessaly::cli
