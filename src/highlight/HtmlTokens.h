#pragma once
// Token kinds and scan states of the HTML highlighter. The numeric codes are
// what the editor sees (CurrentTokenKind, the per-line scan state) and what the
// token dumps print.

#include <cstdint>

namespace tessaly {

enum class HtmlTokenKind : int {
  AndToken = 0,  // character entity
  AspToken = 1,  // server-script block
  CommentToken = 2,
  IdentifierToken = 3,  // word inside a tag
  KeyToken = 4,         // known tag name
  LineEndToken = 5,
  SpaceToken = 6,
  StringToken = 7,  // quoted string not after "="
  SymbolToken = 8,
  TextToken = 9,
  UndefKeyToken = 10,  // unknown tag name
  ValueToken = 11,     // attribute value
};
constexpr int HtmlTokenKindCount = 12;

enum class HtmlScanState : uint8_t {
  EntityPendingState = 0,  // a text token stopped in front of an entity; the entity comes next
  AspState = 1,
  CommentState = 2,
  TagNameState = 3,  // after a tag's "<"
  TagBodyState = 4,  // inside a tag after its name
  TextState = 5,     // document text, the start state
  ValueState = 7,    // after "=" inside a tag
};

}  // namespace tessaly
