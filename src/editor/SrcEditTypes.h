#pragma once
// Small value types shared by the parts of the source editor: positions,
// selection modes, option sets, status changes and search options.

#include <cstdint>
#include <initializer_list>

#include "platform/Exception.h"
#include "platform/Graphics.h"

namespace tessaly {

// Editor failures with fixed texts ("Clipboard copy operation failed").
class ESrcEditError : public Exception {
public:
  using Exception::Exception;
};

// A text position: X the 1-based column (byte), Y the 1-based line.
using TBufferCoord = TPoint;

inline bool operator<(const TBufferCoord& a, const TBufferCoord& b) {
  return a.Y < b.Y || (a.Y == b.Y && a.X < b.X);
}
inline TBufferCoord MinCoord(const TBufferCoord& a, const TBufferCoord& b) { return b < a ? b : a; }
inline TBufferCoord MaxCoord(const TBufferCoord& a, const TBufferCoord& b) { return a < b ? b : a; }

enum TSrcSelectionMode : uint8_t { smNormal = 0, smLine = 1, smColumn = 2 };

// A set of enumeration values below 32, as a bit mask.
template <typename Enum>
class TEnumSet {
public:
  constexpr TEnumSet() = default;
  constexpr TEnumSet(std::initializer_list<Enum> values) {
    for (Enum v : values) bits_ |= Bit(v);
  }
  static constexpr TEnumSet FromBits(uint32_t bits) {
    TEnumSet set;
    set.bits_ = bits;
    return set;
  }
  constexpr bool Has(Enum v) const { return (bits_ & Bit(v)) != 0; }
  constexpr void Include(Enum v) { bits_ |= Bit(v); }
  constexpr void Exclude(Enum v) { bits_ &= ~Bit(v); }
  constexpr void Set(Enum v, bool on) { on ? Include(v) : Exclude(v); }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr uint32_t Bits() const { return bits_; }
  constexpr TEnumSet& operator+=(TEnumSet other) {
    bits_ |= other.bits_;
    return *this;
  }
  friend constexpr bool operator==(TEnumSet, TEnumSet) = default;

private:
  static constexpr uint32_t Bit(Enum v) { return 1u << static_cast<unsigned>(v); }
  uint32_t bits_ = 0;
};

enum TSrcEditorOption : uint8_t {
  eoAltSetsColumnMode, eoAutoIndent, eoAutoSizeMaxLeftChar, eoDisableScrollArrows, eoDragDropEditing,
  eoDropFiles, eoEnhanceHomeKey, eoGroupUndo, eoHalfPageScroll, eoHideShowScrollbars, eoKeepCaretX,
  eoNoCaret, eoNoSelection, eoRightMouseMovesCursor, eoScrollByOneLess, eoScrollHintFollows,
  eoScrollPastEof, eoScrollPastEol, eoShowScrollHint, eoShowSpecialChars, eoSmartTabDelete, eoSmartTabs,
  eoSpecialLineDefaultFg, eoTabIndent, eoTabsToSpaces, eoTrimTrailingSpaces,
};
constexpr int kSrcEditorOptionCount = eoTrimTrailingSpaces + 1;
using TSrcEditorOptions = TEnumSet<TSrcEditorOption>;

// The option names in bit order ("eoAutoIndent"); -1 for an unknown name.
const char* SrcEditorOptionName(TSrcEditorOption option);
int SrcEditorOptionByName(const char* name);

constexpr TSrcEditorOptions kSrcDefaultOptions{eoAutoIndent,     eoDragDropEditing, eoGroupUndo,
                                               eoScrollPastEol,  eoShowScrollHint,  eoSmartTabDelete,
                                               eoSmartTabs,      eoTabsToSpaces,    eoTrimTrailingSpaces};

// What changed since the last status report.
enum TSrcStatusChange : uint8_t {
  scAll, scCaretX, scCaretY, scLeftChar, scTopLine, scInsertMode, scModified, scSelection,
};
using TSrcStatusChanges = TEnumSet<TSrcStatusChange>;

enum TSrcSearchOption : uint8_t {
  soMatchCase, soWholeWord, soBackwards, soEntireScope, soSelectedOnly, soReplace, soReplaceAll, soPrompt,
};
using TSrcSearchOptions = TEnumSet<TSrcSearchOption>;

enum TSrcReplaceAction : uint8_t { rpCancel = 0, rpSkip = 1, rpReplace = 2, rpReplaceAll = 3 };

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

enum TSrcCaretType : uint8_t { ctVerticalLine, ctHorizontalLine, ctHalfBlock, ctBlock };

// Scroll-bar messages.
enum class TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scThumbPosition, scThumbTrack, scTop, scBottom, scEndScroll };

// When OnPaintTransient is told: before or after a change is painted.
enum TSrcTransientType { ttBefore, ttAfter };

enum class TScrollHintFormat { shfTopLineOnly, shfTopToBottom };

}  // namespace tessaly
