#pragma once
// Dialogs answered from a script, for tests: each question is recorded and
// takes the next scripted answer of its kind. A question without a scripted
// answer is recorded too and answered as a user pressing Esc would: a message
// box with its default button, everything else with Cancel.

#include <deque>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace tessaly {

enum class TDialogKind { Message, Input, OpenFile, SaveFile, Color, Font };

// One question as the application asked it.
struct TDialogCall {
  TDialogKind Kind;
  std::string Text;     // message text, input prompt, or file dialog title
  std::string Caption;  // message or input caption
  TMsgDlgType Type = TMsgDlgType::mtCustom;
  TMsgDlgButtons Buttons = 0;
  TMsgDlgBtn DefaultButton = mbOK;
  std::string Value;    // initial input value
  TFileDialogSpec File;
};

class ScriptedDialogs : public Dialogs {
public:
  void AnswerMessage(TModalResult result) { Push({TDialogKind::Message, true, result, {}, 0, {}}); }
  void AnswerInput(std::string value) { Push({TDialogKind::Input, true, mrOk, std::move(value), 0, {}}); }
  void AnswerOpenFile(std::string path) { Push({TDialogKind::OpenFile, true, mrOk, std::move(path), 0, {}}); }
  void AnswerSaveFile(std::string path) { Push({TDialogKind::SaveFile, true, mrOk, std::move(path), 0, {}}); }
  void AnswerColor(TColor color) { Push({TDialogKind::Color, true, mrOk, {}, color, {}}); }
  void AnswerFont(TFontSpec font) { Push({TDialogKind::Font, true, mrOk, {}, 0, std::move(font)}); }
  // The user cancels the next question of this kind.
  void Cancel(TDialogKind kind) { Push({kind, false, mrCancel, {}, 0, {}}); }

  const std::vector<TDialogCall>& Calls() const { return calls_; }
  size_t UnusedAnswers() const { return answers_.size(); }

  TModalResult MessageDlg(const std::string& text, const std::string& caption, TMsgDlgType type,
                          TMsgDlgButtons buttons, TMsgDlgBtn defaultButton) override {
    calls_.push_back({TDialogKind::Message, text, caption, type, buttons, defaultButton, {}, {}});
    Answer answer;
    if (Take(TDialogKind::Message, answer)) return answer.Result;
    return ResultOf(defaultButton);
  }

  bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override {
    calls_.push_back({TDialogKind::Input, prompt, caption, TMsgDlgType::mtCustom, 0, mbOK, value, {}});
    Answer answer;
    if (!Take(TDialogKind::Input, answer) || !answer.Accept) return false;
    value = answer.Text;
    return true;
  }

  bool OpenFile(TFileDialogSpec& spec) override { return AskFile(TDialogKind::OpenFile, spec); }
  bool SaveFile(TFileDialogSpec& spec) override { return AskFile(TDialogKind::SaveFile, spec); }

  bool ChooseColor(TColor& color) override {
    calls_.push_back({TDialogKind::Color, {}, {}, TMsgDlgType::mtCustom, 0, mbOK, {}, {}});
    Answer answer;
    if (!Take(TDialogKind::Color, answer) || !answer.Accept) return false;
    color = answer.Color;
    return true;
  }

  bool ChooseFont(TFontSpec& font) override {
    calls_.push_back({TDialogKind::Font, {}, {}, TMsgDlgType::mtCustom, 0, mbOK, {}, {}});
    Answer answer;
    if (!Take(TDialogKind::Font, answer) || !answer.Accept) return false;
    font = answer.Font;
    return true;
  }

  static TModalResult ResultOf(TMsgDlgBtn button) {
    switch (button) {
      case mbYes: return mrYes;
      case mbNo: return mrNo;
      case mbOK: return mrOk;
      case mbCancel: return mrCancel;
      case mbAbort: return mrAbort;
      case mbRetry: return mrRetry;
      case mbIgnore: return mrIgnore;
    }
    return mrNone;
  }

private:
  struct Answer {
    TDialogKind Kind = TDialogKind::Message;
    bool Accept = false;
    TModalResult Result = mrNone;
    std::string Text;
    TColor Color = 0;
    TFontSpec Font;
  };

  void Push(Answer answer) { answers_.push_back(std::move(answer)); }

  // Answers are taken strictly in order: a question of another kind than the
  // next answer leaves the script alone, so a test sees the mismatch in Calls().
  bool Take(TDialogKind kind, Answer& answer) {
    if (answers_.empty() || answers_.front().Kind != kind) return false;
    answer = std::move(answers_.front());
    answers_.pop_front();
    return true;
  }

  bool AskFile(TDialogKind kind, TFileDialogSpec& spec) {
    calls_.push_back({kind, spec.Title, {}, TMsgDlgType::mtCustom, 0, mbOK, {}, spec});
    Answer answer;
    if (!Take(kind, answer) || !answer.Accept) return false;
    spec.FileName = answer.Text;
    return true;
  }

  std::deque<Answer> answers_;
  std::vector<TDialogCall> calls_;
};

}  // namespace tessaly
