#pragma once
// Forms and their controls as plain objects: what kind each control is, its
// initial and current state, and the name=value pairs it submits. The
// on-screen widgets are made by the viewer through the control host.

#include <memory>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Graphics.h"
#include "preview/document/Attributes.h"

namespace tessaly::preview {

class TSectionList;
class THtmlForm;
class TImageObj;

// Text controls measure themselves in the fixed-pitch face at 10 points.
void SetControlFont(TCanvas& canvas, const TSectionList& document);

class TFormControlObj {
public:
  TFormControlObj(TSectionList* document, THtmlForm* form, int pos, const TAttributeList& attributes);
  virtual ~TFormControlObj() = default;
  TFormControlObj(const TFormControlObj&) = delete;
  TFormControlObj& operator=(const TFormControlObj&) = delete;

  TSectionList* Document;
  THtmlForm* MyForm;
  int Pos;              // text position of its code character (-1: none)
  std::string Value;
  std::string Name;
  std::string OnClickMessage;
  bool Shown = false;
  TRect Place;          // where layout put it, document coordinates

  virtual const char* KindName() const = 0;
  virtual bool HasCodeCharacter() const { return true; }
  // The size of its on-screen control, from the letter A of the fixed-pitch
  // face at 10 points (`canvas` already holds that font); 0 x 0 for none.
  virtual TSize ControlSize(TCanvas& canvas) const;
  // Back to the state the page gave it.
  virtual void ResetToValue() {}
  // The index-th name=value pair it submits; false when there are no more.
  virtual bool GetSubmission(int index, std::string& pair) const;
  // One line describing the current state, for dumps.
  virtual std::string StateText() const { return {}; }
};

class TEditFormControlObj : public TFormControlObj {
public:
  TEditFormControlObj(TSectionList* document, THtmlForm* form, int pos, const TAttributeList& attributes);
  bool Password;
  int MaxLength = 0;   // 0: no limit
  int SizeChars = 20;  // width in characters
  std::string Text;
  const char* KindName() const override { return "TEditFormControlObj"; }
  void ResetToValue() override;  // MAXLENGTH characters of VALUE at most
  TSize ControlSize(TCanvas& canvas) const override;
  bool GetSubmission(int index, std::string& pair) const override;
  std::string StateText() const override;
};

class TButtonFormControlObj : public TFormControlObj {
public:
  enum class Kind { Submit, Reset, Button };
  TButtonFormControlObj(TSectionList* document, THtmlForm* form, int pos, const TAttributeList& attributes,
                        Kind kind);
  Kind Which;
  std::string Caption() const;
  const char* KindName() const override { return "TButtonFormControlObj"; }
  TSize ControlSize(TCanvas& canvas) const override;
  // Buttons send nothing on their own; a submit button adds its pair when pressed.
  bool GetSubmission(int, std::string&) const override { return false; }
  // Submit sends the form, reset restores it, a plain button does nothing.
  void Click();
  std::string StateText() const override;
};

class TCheckBoxFormControlObj : public TFormControlObj {
public:
  TCheckBoxFormControlObj(TSectionList* document, THtmlForm* form, int pos, const TAttributeList& attributes);
  bool IsChecked;
  bool Checked = false;
  const char* KindName() const override { return "TCheckBoxFormControlObj"; }
  TSize ControlSize(TCanvas&) const override { return {13, 13}; }
  void ResetToValue() override { Checked = IsChecked; }
  bool GetSubmission(int index, std::string& pair) const override;
  std::string StateText() const override;
};

class TRadioButtonFormControlObj : public TCheckBoxFormControlObj {
public:
  using TCheckBoxFormControlObj::TCheckBoxFormControlObj;
  const char* KindName() const override { return "TRadioButtonFormControlObj"; }
  // A panel around the button, so that it can take the cell's colour.
  TSize ControlSize(TCanvas&) const override { return {13, 14}; }
  // Checking one unchecks the others of that NAME in the form.
  void SetChecked();
};

class THiddenFormControlObj : public TFormControlObj {
public:
  using TFormControlObj::TFormControlObj;
  const char* KindName() const override { return "THiddenFormControlObj"; }
  bool HasCodeCharacter() const override { return false; }
};

class TImageFormControlObj : public TFormControlObj {
public:
  using TFormControlObj::TFormControlObj;
  TImageObj* MyImage = nullptr;
  bool Clicked = false;  // only the submission the click starts carries the point
  TPoint ClickPoint;
  const char* KindName() const override { return "TImageFormControlObj"; }
  bool HasCodeCharacter() const override { return false; }  // the image carries the code
  bool GetSubmission(int index, std::string& pair) const override;
  // Records the point and submits the form.
  void ImageClick(TPoint inImage);
};

struct TOptionObj {
  std::string Caption;
  std::string Value;
  bool Selected = false;
  bool HasValue = false;
  bool IsSelected = false;  // current state
  const std::string& Submitted() const { return HasValue ? Value : Caption; }
};

class TListBoxFormControlObj : public TFormControlObj {
public:
  TListBoxFormControlObj(TSectionList* document, THtmlForm* form, int pos, const TAttributeList& attributes);
  std::vector<TOptionObj> Options;
  bool Multiple;
  int LBSize;  // rows, 0 when SIZE was not given
  // Call ResetToValue once the options are in.
  void AddOption(TOptionObj option);
  // Rows shown: SIZE, else min(8, max(1, options)).
  int Rows() const;
  // Width in characters: the longest caption, at least 3.
  int LongestCaption() const;
  const char* KindName() const override { return "TListBoxFormControlObj"; }
  TSize ControlSize(TCanvas& canvas) const override;
  void ResetToValue() override;
  bool GetSubmission(int index, std::string& pair) const override;
  std::string StateText() const override;
};

class TComboFormControlObj : public TListBoxFormControlObj {
public:
  using TListBoxFormControlObj::TListBoxFormControlObj;
  const char* KindName() const override { return "TComboFormControlObj"; }
  TSize ControlSize(TCanvas& canvas) const override;
  void ResetToValue() override;  // exactly one chosen option
};

class TTextAreaFormControlObj : public TFormControlObj {
public:
  TTextAreaFormControlObj(TSectionList* document, THtmlForm* form, int pos, const TAttributeList& attributes);
  int Rows = 5;
  int Cols = 30;
  bool Wrap = false;  // WRAP soft or hard: word wrap, vertical bar only
  std::vector<std::string> TheText;  // as the page gave it
  std::vector<std::string> Lines;    // current
  void AddLine(const std::string& line) { TheText.push_back(line); }
  const char* KindName() const override { return "TTextAreaFormControlObj"; }
  TSize ControlSize(TCanvas& canvas) const override;
  void ResetToValue() override { Lines = TheText; }
  bool GetSubmission(int index, std::string& pair) const override;
  std::string StateText() const override;
};

class THtmlForm {
public:
  THtmlForm(TSectionList* document, const TAttributeList& attributes);
  TSectionList* Document;
  std::string Method = "Get";
  std::string Action;
  std::string Target;
  std::string EncType;
  std::vector<std::unique_ptr<TFormControlObj>> ControlList;
  int NonHiddenCount = 0;

  TFormControlObj* AddControl(std::unique_ptr<TFormControlObj> control);
  void ResetControls();
  // Every pair the controls submit, in order.
  std::vector<std::string> Submission() const;
  // Sends the pairs (plus the pressed button's own) to the document's
  // form-submit callback; nothing happens without one.
  void SubmitTheForm(const std::string& buttonPair);
};

}  // namespace tessaly::preview
