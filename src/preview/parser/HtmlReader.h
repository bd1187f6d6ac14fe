#pragma once
// The character reader and symbol scanner of the preview parser: line ends,
// tabs, comments, server-side includes, tags with their attributes, entities
// and text runs, each character tagged with its source index. The page's
// bytes are decoded in its encoding as they are read: a character is a code
// point, its source index the offset of its first byte.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Exception.h"
#include "platform/text/Encoding.h"
#include "preview/document/Attributes.h"
#include "preview/document/HtmlSymbols.h"
#include "preview/document/TokenObj.h"

namespace tessaly::preview {

class EParseError : public Exception {
public:
  using Exception::Exception;
};

constexpr int kEndOfInput = 26;

// A server-side include: command, parameters «NAME="value"», and the
// replacement text the handler may give.
using TIncludeHandler =
    std::function<void(const std::string& command, std::vector<std::string>& params, std::string& replacement)>;

class THtmlReader {
public:
  // Starts reading `source` in `encoding`; in raw mode comments are not recognised.
  void Start(std::string_view source, bool rawMode, text::Encoding encoding = text::kDefaultEncoding);

  TIncludeHandler Include;
  bool NoBreak = false;  // text runs collapse spaces into the no-break marker
  bool ScriptMode = false;  // reading a script body: no comment processing

  int Ch = kEndOfInput;   // current raw character (a code point)
  int LCh = kEndOfInput;  // the same, ASCII letters upper-cased
  int SourceIndex = -1;   // byte offset of the last character taken from the source
  int SourceLength = 0;   // its bytes (0 for a character of an include)

  // The current symbol and what came with it.
  Sy Sym = Sy::Eof;
  TokenObj Token;
  TAttributeList Attributes;
  int HeadingLevel = 0;
  int SymbolIndex = 0;  // source index of the symbol's first character

  void GetCh();
  void Next();
  // At `&`: appends the decoded character(s), or the characters read as
  // literal text. In an attribute value a name without its semicolon that is
  // followed by `=` or a letter or digit stays as written, as browsers read it.
  void ReadEntity(TokenObj& out, bool inAttribute = false);
  // The current character into a token, with where it came from.
  void TakeCh(TokenObj& out) { out.AddChar(static_cast<char32_t>(Ch), SourceIndex, SourceLength); }
  void SkipWhite();

private:
  std::string_view source_;
  text::Encoding encoding_ = text::kDefaultEncoding;
  size_t pos_ = 0;
  std::string include_;
  size_t includePos_ = 0;
  bool inInclude_ = false;
  bool rawMode_ = false;
  bool openCommentAtEnd_ = false;
  int lastLineEnd_ = 0;
  TAttributeList scratch_;

  void ReadRaw();
  // The next character of `text` at `pos`, decoded; `pos` moves past it.
  int Decode(std::string_view text, size_t& pos) const;
  int PeekRaw() const;
  bool ReadNumericReference(TokenObj& literal, char32_t& character);
  bool ReadNamedReference(TokenObj& literal, TokenObj& out, bool inAttribute);
  void SkipCommentOrDeclaration();
  void SkipCommentBody();
  void DoInclude();
  void ReadTag();
  // Reads attributes up to the first character that cannot start a name;
  // `names` (when given) receives each name as written, upper-cased.
  void ReadAttributes(TAttributeList& list, std::vector<std::string>* names);
  std::string ReadAttributeValue(int& numeric);
  // One character of an attribute value, or the reference that starts there.
  void ReadValueChar(std::string& text);
  void ReadText();
};

}  // namespace tessaly::preview
