#include "preview/document/Forms.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/CodePage1251.h"
#include "platform/Utf8.h"
#include "preview/document/SectionList.h"

namespace tessaly::preview {

namespace {

std::string Pair(const std::string& name, const std::string& value) { return name + "=" + value; }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// SIZE of an edit: a plain positive number, else the number before the
// first comma or space.
int EditSize(const TAttribute* size) {
  if (!size) return 20;
  if (size->Value > 0) return size->Value;
  const std::string text = Trim(size->Text);
  const int value = StrToIntDef(text.substr(0, text.find_first_of(", ")), 0);
  return value > 0 ? value : 20;
}

TSize LetterA(TCanvas& canvas) { return canvas.TextExtent("A"); }

// unit * count + extra pixels, kept within what a widget can be.
int Measure(int unit, int count, int extra) {
  return static_cast<int>(std::min<int64_t>(int64_t{unit} * count + extra, 32767));
}

}  // namespace

TSize TFormControlObj::ControlSize(TCanvas&) const { return {}; }

TSize TEditFormControlObj::ControlSize(TCanvas& canvas) const { return {Measure(LetterA(canvas).cx, SizeChars, 5), 20}; }

TSize TButtonFormControlObj::ControlSize(TCanvas& canvas) const {
  return {canvas.TextExtent(Caption()).cx + 20, LetterA(canvas).cy + 8};
}

TSize TListBoxFormControlObj::ControlSize(TCanvas& canvas) const {
  const TSize a = LetterA(canvas);
  return {Measure(a.cx, LongestCaption(), 15), Measure(a.cy, Rows(), 0)};
}

TSize TComboFormControlObj::ControlSize(TCanvas& canvas) const {
  const TSize a = LetterA(canvas);
  return {Measure(a.cx, LongestCaption(), 30), a.cy + 8};
}

TSize TTextAreaFormControlObj::ControlSize(TCanvas& canvas) const {
  const TSize a = LetterA(canvas);
  return {Measure(a.cx, Cols, 5), Measure(a.cy, Rows, 5)};
}

TFormControlObj::TFormControlObj(TSectionList* document, THtmlForm* form, int pos, const TAttributeList& attributes)
    : Document(document), MyForm(form), Pos(pos) {
  Value = attributes.Text(Attr::VALUE);
  Name = attributes.Text(Attr::NAME);
  OnClickMessage = attributes.Text(Attr::ONCLICK);
}

bool TFormControlObj::GetSubmission(int index, std::string& pair) const {
  if (index != 0) return false;
  pair = Pair(Name, Value);
  return true;
}

TEditFormControlObj::TEditFormControlObj(TSectionList* document, THtmlForm* form, int pos,
                                         const TAttributeList& attributes)
    : TFormControlObj(document, form, pos, attributes),
      Password(cp1251::SameText(attributes.Text(Attr::TYPE), "password")),
      SizeChars(EditSize(attributes.Find(Attr::SIZE))),
      Text(Value) {
  if (const TAttribute* maxLength = attributes.Find(Attr::MAXLENGTH)) MaxLength = std::max(maxLength->Value, 0);
  ResetToValue();
}

void TEditFormControlObj::ResetToValue() {
  Text = MaxLength > 0 ? std::string(Utf8Prefix(Value, static_cast<size_t>(MaxLength))) : Value;
}

bool TEditFormControlObj::GetSubmission(int index, std::string& pair) const {
  if (index != 0) return false;
  pair = Pair(Name, Text);
  return true;
}

std::string TEditFormControlObj::StateText() const {
  std::string text = "size=" + std::to_string(SizeChars) + " text=" + Quoted(Text);
  if (Password) text += " password";
  if (MaxLength > 0) text += " maxlength=" + std::to_string(MaxLength);
  return text;
}

TButtonFormControlObj::TButtonFormControlObj(TSectionList* document, THtmlForm* form, int pos,
                                             const TAttributeList& attributes, Kind kind)
    : TFormControlObj(document, form, pos, attributes), Which(kind) {}

std::string TButtonFormControlObj::Caption() const {
  if (!Value.empty()) return Value;
  switch (Which) {
    case Kind::Submit: return "Submit";
    case Kind::Reset: return "Reset";
    case Kind::Button: break;
  }
  return "Button";
}

void TButtonFormControlObj::Click() {
  switch (Which) {
    case Kind::Submit: MyForm->SubmitTheForm(Name.empty() ? std::string() : Pair(Name, Caption())); break;
    case Kind::Reset: MyForm->ResetControls(); break;
    case Kind::Button: break;
  }
}

std::string TButtonFormControlObj::StateText() const {
  static constexpr const char* kKinds[] = {"submit", "reset", "button"};
  return std::string(kKinds[static_cast<int>(Which)]) + " caption=" + Quoted(Caption());
}

TCheckBoxFormControlObj::TCheckBoxFormControlObj(TSectionList* document, THtmlForm* form, int pos,
                                                 const TAttributeList& attributes)
    : TFormControlObj(document, form, pos, attributes), IsChecked(attributes.Has(Attr::CHECKED)), Checked(IsChecked) {
  if (Value.empty()) Value = "on";
}

bool TCheckBoxFormControlObj::GetSubmission(int index, std::string& pair) const {
  if (index != 0 || !Checked) return false;
  pair = Pair(Name, Value);
  return true;
}

std::string TCheckBoxFormControlObj::StateText() const { return Checked ? "checked" : "unchecked"; }

void TRadioButtonFormControlObj::SetChecked() {
  for (const auto& control : MyForm->ControlList) {
    auto* radio = dynamic_cast<TRadioButtonFormControlObj*>(control.get());
    if (radio && radio != this && cp1251::SameText(radio->Name, Name)) radio->Checked = false;
  }
  Checked = true;
}

bool TImageFormControlObj::GetSubmission(int index, std::string& pair) const {
  if (!Clicked || index > 1) return false;
  const std::string prefix = Name.empty() ? std::string() : Name + ".";
  pair = prefix + (index == 0 ? "x=" + std::to_string(ClickPoint.X) : "y=" + std::to_string(ClickPoint.Y));
  return true;
}

void TImageFormControlObj::ImageClick(TPoint inImage) {
  ClickPoint = inImage;
  Clicked = true;
  MyForm->SubmitTheForm({});
  Clicked = false;
}

TListBoxFormControlObj::TListBoxFormControlObj(TSectionList* document, THtmlForm* form, int pos,
                                               const TAttributeList& attributes)
    : TFormControlObj(document, form, pos, attributes), Multiple(attributes.Has(Attr::MULTIPLE)), LBSize(0) {
  if (const TAttribute* size = attributes.Find(Attr::SIZE)) LBSize = std::max(size->Value, 0);
}

void TListBoxFormControlObj::AddOption(TOptionObj option) { Options.push_back(std::move(option)); }

int TListBoxFormControlObj::Rows() const {
  return LBSize > 0 ? LBSize : std::min(8, std::max(1, static_cast<int>(Options.size())));
}

int TListBoxFormControlObj::LongestCaption() const {
  size_t longest = 3;
  for (const auto& option : Options) longest = std::max(longest, Utf8Length(option.Caption));
  return static_cast<int>(longest);
}

void TListBoxFormControlObj::ResetToValue() {
  bool any = false;
  for (auto& option : Options) any |= (option.IsSelected = option.Selected && (Multiple || !any));
  if (!any && !Options.empty()) Options.front().IsSelected = true;
}

void TComboFormControlObj::ResetToValue() {
  // A combo box shows one choice: the last option marked SELECTED, else the first.
  int chosen = 0;
  for (size_t i = 0; i < Options.size(); ++i)
    if (Options[i].Selected) chosen = static_cast<int>(i);
  for (size_t i = 0; i < Options.size(); ++i) Options[i].IsSelected = static_cast<int>(i) == chosen;
}

bool TListBoxFormControlObj::GetSubmission(int index, std::string& pair) const {
  for (const auto& option : Options) {
    if (option.IsSelected && index-- == 0) {
      pair = Pair(Name, option.Submitted());
      return true;
    }
  }
  return false;
}

std::string TListBoxFormControlObj::StateText() const {
  std::string text = "rows=" + std::to_string(Rows()) + " chars=" + std::to_string(LongestCaption());
  if (Multiple) text += " multiple";
  return text;
}

TTextAreaFormControlObj::TTextAreaFormControlObj(TSectionList* document, THtmlForm* form, int pos,
                                                 const TAttributeList& attributes)
    : TFormControlObj(document, form, pos, attributes) {
  if (const TAttribute* rows = attributes.Find(Attr::ROWS); rows && rows->Value > 0) Rows = rows->Value;
  if (const TAttribute* cols = attributes.Find(Attr::COLS); cols && cols->Value > 0) Cols = cols->Value;
  const std::string wrap = attributes.Text(Attr::WRAP);
  Wrap = cp1251::SameText(wrap, "soft") || cp1251::SameText(wrap, "hard");
}

bool TTextAreaFormControlObj::GetSubmission(int index, std::string& pair) const {
  if (index != 0) return false;
  std::string text;
  for (size_t i = 0; i < Lines.size(); ++i) {
    if (i > 0 && !Wrap) text += "\r\n";
    text += Lines[i];
  }
  pair = Pair(Name, text);
  return true;
}

std::string TTextAreaFormControlObj::StateText() const {
  std::string text = "rows=" + std::to_string(Rows) + " cols=" + std::to_string(Cols) + (Wrap ? " wrap" : "");
  text += " lines=" + std::to_string(Lines.size());
  return text;
}

THtmlForm::THtmlForm(TSectionList* document, const TAttributeList& attributes) : Document(document) {
  if (const TAttribute* method = attributes.Find(Attr::METHOD)) Method = method->Text.substr(0, 4);
  Action = Trim(attributes.Text(Attr::ACTION));
  Target = attributes.Text(Attr::TARGET);
  EncType = attributes.Text(Attr::ENCTYPE);
}

TFormControlObj* THtmlForm::AddControl(std::unique_ptr<TFormControlObj> control) {
  if (!dynamic_cast<THiddenFormControlObj*>(control.get())) ++NonHiddenCount;
  control->ResetToValue();
  ControlList.push_back(std::move(control));
  return ControlList.back().get();
}

void THtmlForm::ResetControls() {
  for (auto& control : ControlList) control->ResetToValue();
}

std::vector<std::string> THtmlForm::Submission() const {
  std::vector<std::string> pairs;
  for (const auto& control : ControlList) {
    std::string pair;
    for (int i = 0; control->GetSubmission(i, pair); ++i) pairs.push_back(pair);
  }
  return pairs;
}

void THtmlForm::SubmitTheForm(const std::string& buttonPair) {
  if (!Document->Container) return;
  std::vector<std::string> pairs = Submission();
  if (!buttonPair.empty()) pairs.push_back(buttonPair);
  Document->Container->FormSubmit({Action, Target, EncType, Method, std::move(pairs)});
}

}  // namespace tessaly::preview
