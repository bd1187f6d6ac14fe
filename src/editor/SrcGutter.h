#pragma once
// The gutter left of the text: its options, its width and the line-number
// format. Drawing it is the painter's business.

#include <functional>
#include <string>

#include "platform/ControlHost.h"
#include "platform/Graphics.h"

namespace tessaly {

class TSrcGutter {
public:
  std::function<void()> OnChange;

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value) { Assign(autoSize_, value); }
  TColor Color() const { return color_; }
  TCursorShape Cursor() const { return cursor_; }
  void SetCursor(TCursorShape value) { cursor_ = value; }
  void SetColor(TColor value) { Assign(color_, value); }
  int DigitCount() const { return digitCount_; }
  void SetDigitCount(int value) { Assign(digitCount_, value); }
  const TFontSpec& Font() const { return font_; }
  void SetFont(const TFontSpec& value) { Assign(font_, value); }
  bool LeadingZeros() const { return leadingZeros_; }
  void SetLeadingZeros(bool value) { Assign(leadingZeros_, value); }
  int LeftOffset() const { return leftOffset_; }
  void SetLeftOffset(int value) { Assign(leftOffset_, value); }
  int RightOffset() const { return rightOffset_; }
  void SetRightOffset(int value) { Assign(rightOffset_, value); }
  bool ShowLineNumbers() const { return showLineNumbers_; }
  void SetShowLineNumbers(bool value) { Assign(showLineNumbers_, value); }
  bool UseFontStyle() const { return useFontStyle_; }
  void SetUseFontStyle(bool value) { Assign(useFontStyle_, value); }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { Assign(visible_, value); }
  int Width() const { return width_; }
  void SetWidth(int value) { Assign(width_, value); }
  bool ZeroStart() const { return zeroStart_; }
  void SetZeroStart(bool value) { Assign(zeroStart_, value); }

  // The digit count the number format uses, sized for a line count.
  int AutoSizeDigitCount() const { return autoSizeDigitCount_; }
  void AutoSizeDigitCount(int lineCount);
  std::string FormatLineNumber(int line) const;
  int RealGutterWidth(int charWidth) const;

private:
  template <typename T>
  void Assign(T& field, const T& value) {
    if (field == value) return;
    field = value;
    if (OnChange) OnChange();
  }

  bool autoSize_ = false;
  TColor color_ = clBtnFace;
  TCursorShape cursor_ = TCursorShape::crDefault;
  int digitCount_ = 4;
  TFontSpec font_{"Terminal", -11, 0, DEFAULT_CHARSET, clWindowText};
  bool leadingZeros_ = false;
  int leftOffset_ = 16;
  int rightOffset_ = 2;
  bool showLineNumbers_ = false;
  bool useFontStyle_ = true;
  bool visible_ = true;
  int width_ = 30;
  bool zeroStart_ = false;
  int autoSizeDigitCount_ = 4;
};

}  // namespace tessaly
