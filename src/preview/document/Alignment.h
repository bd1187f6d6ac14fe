#pragma once
// How a page places things: the alignments its tags give and which floats a
// break clears. The parser turns attribute text into these; everything after
// it compares names, and the dumps print them.

#include <string_view>

namespace tessaly::preview {

// Paragraphs, rules, tables and cells.
enum class THorzAlign { Left, Center, Right };
// Table cells and rows.
enum class TVertAlign { Top, Middle, Bottom };
// An image in a line sits at its top, middle or baseline; Left and Right take
// it out of the line as a float.
enum class TImageAlign { Top, Middle, Bottom, Left, Right };
// BR CLEAR: which floats the next line must get below.
enum class TClear { None, Left, Right, Both };
// What a section is as a list item.
enum class TListKind { None, Ordered, Unordered, Definition };

constexpr std::string_view Name(THorzAlign align) {
  switch (align) {
    case THorzAlign::Left: return "left";
    case THorzAlign::Center: return "center";
    case THorzAlign::Right: return "right";
  }
  return "?";
}

constexpr std::string_view Name(TVertAlign align) {
  switch (align) {
    case TVertAlign::Top: return "top";
    case TVertAlign::Middle: return "middle";
    case TVertAlign::Bottom: return "bottom";
  }
  return "?";
}

constexpr std::string_view Name(TImageAlign align) {
  switch (align) {
    case TImageAlign::Top: return "top";
    case TImageAlign::Middle: return "middle";
    case TImageAlign::Bottom: return "bottom";
    case TImageAlign::Left: return "left";
    case TImageAlign::Right: return "right";
  }
  return "?";
}

constexpr std::string_view Name(TClear clear) {
  switch (clear) {
    case TClear::None: return "none";
    case TClear::Left: return "left";
    case TClear::Right: return "right";
    case TClear::Both: return "both";
  }
  return "?";
}

}  // namespace tessaly::preview
