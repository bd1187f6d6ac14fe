#include "cli/qt/ui/UiDialogs.h"

#include <cstdio>
#include <filesystem>

#include "cli/qt/ui/UiScript.h"
#include "platform/Paths.h"
#include "platform/ScriptedDialogs.h"

namespace tessaly::cli {

namespace {

struct ResultName {
  TModalResult Result;
  const char* Name;
};
constexpr ResultName ResultNames[] = {{mrYes, "yes"},     {mrNo, "no"},       {mrCancel, "cancel"}, {mrOk, "ok"},
                                      {mrAbort, "abort"}, {mrRetry, "retry"}, {mrIgnore, "ignore"}, {mrNone, "none"}};

const char* NameOf(TModalResult result) {
  for (const ResultName& entry : ResultNames)
    if (entry.Result == result) return entry.Name;
  return "none";
}

void Print(const std::string& line) { std::printf("%s\n", line.c_str()); }

template <typename T>
std::optional<T> Take(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<T> answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

// A file dialog answers with a full path, adding the default extension to a
// name typed without one.
std::string ChosenPath(const std::string& answer, const std::string& defaultExt) {
  std::string path = std::filesystem::absolute(answer).lexically_normal().string();
  if (!defaultExt.empty() && ExtractFileExt(path).empty() && !std::filesystem::exists(path))
    path += "." + defaultExt;
  return path;
}

std::string ColorText(TColor color) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
  return text;
}

}  // namespace

bool DriverDialogs::Queue(const std::string& kind, const std::string& answer) {
  const bool cancel = answer == "cancel";
  if (kind == "message") {
    for (const ResultName& entry : ResultNames)
      if (answer == entry.Name && entry.Result != mrNone) {
        messages_.push_back(entry.Result);
        return true;
      }
    return false;
  }
  if (kind == "input") inputs_.push_back(cancel ? std::nullopt : std::optional(answer));
  else if (kind == "open") opens_.push_back(cancel ? std::nullopt : std::optional(answer));
  else if (kind == "save") saves_.push_back(cancel ? std::nullopt : std::optional(answer));
  else if (kind == "color") {
    if (cancel) {
      colors_.push_back(std::nullopt);
      return true;
    }
    if (answer.size() != 6 || answer.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return false;
    const unsigned long rgb = std::stoul(answer, nullptr, 16);
    colors_.push_back(static_cast<TColor>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16)));
  } else {
    return false;
  }
  return true;
}

TModalResult DriverDialogs::MessageDlg(const std::string& text, const std::string&, TMsgDlgType, TMsgDlgButtons,
                                       TMsgDlgBtn defaultButton) {
  TModalResult result = ScriptedDialogs::ResultOf(defaultButton);
  if (!messages_.empty()) {
    result = messages_.front();
    messages_.pop_front();
  }
  Print("dialog message " + Quoted(text) + " -> " + NameOf(result));
  return result;
}

bool DriverDialogs::InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  const std::optional<std::string> answer = Take(inputs_);
  Print("dialog input " + Quoted(caption) + " " + Quoted(prompt) + " " + Quoted(value) + " -> " +
        (answer ? Quoted(*answer) : std::string("cancel")));
  if (!answer) return false;
  value = *answer;
  return true;
}

bool DriverDialogs::AskFile(const char* kind, std::deque<std::optional<std::string>>& answers, TFileDialogSpec& spec) {
  const std::optional<std::string> answer = Take(answers);
  const std::string path = answer ? ChosenPath(*answer, spec.DefaultExt) : std::string();
  Print(std::string("dialog ") + kind + " " + Quoted(spec.InitialDir) + " " + Quoted(spec.FileName) + " -> " +
        (answer ? Quoted(path) : std::string("cancel")));
  if (!answer) return false;
  spec.FileName = path;
  return true;
}

bool DriverDialogs::OpenFile(TFileDialogSpec& spec) { return AskFile("open", opens_, spec); }
bool DriverDialogs::SaveFile(TFileDialogSpec& spec) { return AskFile("save", saves_, spec); }

bool DriverDialogs::ChooseColor(TColor& color) {
  const std::optional<TColor> answer = Take(colors_);
  Print("dialog color -> " + (answer ? ColorText(*answer) : std::string("cancel")));
  if (!answer) return false;
  color = *answer;
  return true;
}

bool DriverDialogs::ChooseFont(TFontSpec&) {
  Print("dialog font -> cancel");
  return false;
}

bool DriverShell::Open(const std::string& target, const std::string& parameters) {
  Print("shell open " + Quoted(target) + " " + Quoted(parameters));
  return true;
}

void DriverShell::MessageBeep(unsigned type) {
  char text[32];
  std::snprintf(text, sizeof text, "beep 0x%02X", type);
  Print(text);
}

}  // namespace tessaly::cli
