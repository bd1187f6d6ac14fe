#include "visual/WBEdit.h"

#include <cstdio>

#include "platform/CodePage1251.h"

namespace tessaly::visual {

namespace {

constexpr int PromptWidth = 350;
constexpr int RowLeft = 100;
constexpr int RowWidth = 233;
constexpr int ButtonWidth = 120;

// The rows divide the panel into fifths; labels sit 2 px below their boxes'
// tops so the baselines meet.
TPromptLayout ArrangePrompt(int windowHeight, int panelHeight, int buttonsTop) {
  TPromptLayout layout;
  layout.Width = PromptWidth;
  layout.Height = windowHeight;
  layout.Panel = {0, 0, PromptWidth, panelHeight, true, {}};
  const int step = panelHeight / 5;
  for (int row = 1; row <= TPromptLayout::Rows; ++row) {
    layout.Labels[row - 1] = {10, row * step - 8, 0, 0, true, {}};
    layout.Edits[row - 1] = {RowLeft, row * step - 10, RowWidth, 0, true, {}};
  }
  layout.Combo = {RowLeft, step * 3 - 10, RowWidth, 0, false, {}};
  const int applyLeft = (PromptWidth - 2 * ButtonWidth) / 3;
  layout.ApplyButton = {applyLeft, buttonsTop, ButtonWidth, 0, true, "Применить"};
  layout.CancelButton = {2 * applyLeft + ButtonWidth, buttonsTop, ButtonWidth, 0, true, "Отмена"};
  return layout;
}

}  // namespace

TWBEdit::TWBEdit(Dialogs& dialogs, std::unique_ptr<TPromptWindow> prompt)
    : dialogs_(dialogs), prompt_(std::move(prompt)) {
  prompt_->OnApply = [this] { ApplyPrompt(); };
  prompt_->OnCancel = [this] { CancelPrompt(); };
}

TWBEdit::~TWBEdit() {
  prompt_->OnApply = nullptr;
  prompt_->OnCancel = nullptr;
}

void TWBEdit::Attach(BrowserDocument* document, bool designMode) {
  document_ = document;
  if (document_ != nullptr) document_->SetDesignMode(designMode ? "On" : "Off");
}

BrowserDocument& TWBEdit::RequireDocument() const {
  if (document_ == nullptr) throw EBrowserError("Страница браузера ещё не загружена");
  return *document_;
}

void TWBEdit::RunCommand(const std::string& name, const std::string& value) {
  BrowserDocument& document = RequireDocument();
  const bool control = document.SelectionType() == SelectionControl;
  std::unique_ptr<BrowserTextRange> text;
  std::unique_ptr<BrowserControlRange> element;
  if (control) {
    element = document.CreateControlRange();
  } else {
    text = document.CreateTextRange();
  }
  auto supported = [&](const std::string& command) {
    return control ? element->QueryCommandSupported(command) : text->QueryCommandSupported(command);
  };

  // Engines without a command of that name know full justification by its
  // standard name; without the fallback the Justify button always fails.
  std::string command = name;
  if (name == "JustifyMiddle" && !supported(name)) command = "JustifyFull";

  if (control && !supported(command)) {
    dialogs_.MessageDlg(NotSupportedText, std::string(), TMsgDlgType::mtCustom, mbOK, mbOK);
    return;
  }
  const bool done = control ? element->ExecCommand(command, value) : text->ExecCommand(command, value);
  if (!done) throw EBrowserError("Браузер не выполнил команду \"" + name + "\"");
}

void TWBEdit::TextColor() {
  TColor color = clBlack;
  if (!dialogs_.ChooseColor(color)) return;
  RunCommand("ForeColor", ColorValue(color));
}

std::string TWBEdit::ColorValue(TColor color) {
  const TColor plain = ColorToRGB(color);
  char text[8];
  std::snprintf(text, sizeof text, "#%.2X%.2X%.2X", GetRValue(plain), GetGValue(plain), GetBValue(plain));
  return text;
}

void TWBEdit::PasteHTML(const std::string& html) {
  RequireDocument().CreateTextRange()->PasteHTML(cp1251::ToUtf8(html));
}

void TWBEdit::TableCell() {
  if (!RequireDocument().CreateTextRange()->InsertTableCell()) {
    dialogs_.MessageDlg(NotSupportedText, std::string(), TMsgDlgType::mtCustom, mbOK, mbOK);
  }
}

TPromptLayout TWBEdit::LinkPromptLayout() {
  TPromptLayout layout = ArrangePrompt(196, 120, 130);
  layout.Caption = "Создать ссылку";
  const char* captions[TPromptLayout::Rows] = {"Текст:", "Ссылка:", "В окне:", "Заголовок:"};
  for (int row = 0; row < TPromptLayout::Rows; ++row) layout.Labels[row].Text = captions[row];
  layout.Edits[1].Text = "http://";
  // The target row is a choice, not free text.
  layout.Edits[2].Visible = false;
  layout.Combo.Visible = true;
  layout.ComboItems = {"", "_blank", "_parent", "_self", "_top"};
  return layout;
}

void TWBEdit::LinkPrompt() {
  pendingPrompt_ = HyperlinkPrompt;
  prompt_->Show(LinkPromptLayout());
}

void TWBEdit::ApplyPrompt() {
  if (prompt_->EditText(1).empty()) return;
  if (pendingPrompt_ == HyperlinkPrompt) RunCommand("CreateLink", prompt_->EditText(2));
  prompt_->Hide();
}

void TWBEdit::CancelPrompt() { prompt_->Hide(); }

}  // namespace tessaly::visual
