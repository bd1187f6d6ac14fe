#include "editor/SrcGutter.h"

#include <algorithm>

namespace tessaly {

void TSrcGutter::AutoSizeDigitCount(int lineCount) {
  int digits = digitCount_;
  if (visible_ && autoSize_ && showLineNumbers_) {
    const int largest = zeroStart_ ? lineCount - 1 : lineCount;
    digits = std::max(digitCount_, static_cast<int>(std::to_string(std::max(largest, 0)).size()));
    if (digits != autoSizeDigitCount_) {
      autoSizeDigitCount_ = digits;
      if (OnChange) OnChange();
    }
    return;
  }
  autoSizeDigitCount_ = digits;
}

std::string TSrcGutter::FormatLineNumber(int line) const {
  std::string number = std::to_string(zeroStart_ ? line - 1 : line);
  const size_t width = static_cast<size_t>(std::max(autoSizeDigitCount_, 0));
  if (number.size() < width) number.insert(0, width - number.size(), leadingZeros_ ? '0' : ' ');
  return number;
}

int TSrcGutter::RealGutterWidth(int charWidth) const {
  if (!visible_) return 0;
  if (showLineNumbers_) return leftOffset_ + rightOffset_ + charWidth * autoSizeDigitCount_ + 2;
  return width_;
}

}  // namespace tessaly
