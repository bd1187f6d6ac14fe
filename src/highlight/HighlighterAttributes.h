#pragma once
// The colours and font style of one token class of a highlighter.

#include <functional>
#include <string>

#include "platform/Graphics.h"

namespace tessaly {

class TSrcHighlighterAttributes {
public:
  explicit TSrcHighlighterAttributes(std::string attriName);
  virtual ~TSrcHighlighterAttributes() = default;

  TSrcHighlighterAttributes(const TSrcHighlighterAttributes&) = delete;
  TSrcHighlighterAttributes& operator=(const TSrcHighlighterAttributes&) = delete;

  const std::string& AttriName() const { return attriName_; }

  TColor Background() const { return background_; }
  TColor Foreground() const { return foreground_; }
  TFontStyles Style() const { return style_; }
  // Each setter notifies only when the value really changes.
  void SetBackground(TColor value);
  void SetForeground(TColor value);
  void SetStyle(TFontStyles value);

  TColor DefaultBackground() const { return defaultBackground_; }
  TColor DefaultForeground() const { return defaultForeground_; }
  TFontStyles DefaultStyle() const { return defaultStyle_; }
  // Takes the current values as the defaults against which storing is decided.
  void CaptureDefaults();

  // A value is persisted only when it differs from its captured default.
  bool IsBackgroundStored() const { return background_ != defaultBackground_; }
  bool IsForegroundStored() const { return foreground_ != defaultForeground_; }
  bool IsStyleStored() const { return style_ != defaultStyle_; }

  // Called after every real change; bound by the owning highlighter.
  std::function<void()> ChangeHandler;

protected:
  virtual void Changed();

private:
  template <typename T>
  void Assign(T& field, T value);

  std::string attriName_;
  TColor background_ = clNone;
  TColor foreground_ = clNone;
  TFontStyles style_ = 0;
  TColor defaultBackground_ = clNone;
  TColor defaultForeground_ = clNone;
  TFontStyles defaultStyle_ = 0;
};

}  // namespace tessaly
