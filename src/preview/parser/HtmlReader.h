#pragma once
// The character reader and symbol scanner of the preview parser: line ends,
// tabs, comments, server-side includes, tags with their attributes, entities
// and text runs, each character tagged with its source index.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Exception.h"
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
  // Starts reading `source`; in raw mode comments are not recognised.
  void Start(std::string_view source, bool rawMode);

  TIncludeHandler Include;
  bool NoBreak = false;  // text runs collapse spaces into the no-break marker
  bool ScriptMode = false;  // reading a script body: no comment processing

  int Ch = kEndOfInput;   // current raw character
  int LCh = kEndOfInput;  // the same, upper-cased
  int SourceIndex = -1;   // index of the last character taken from the source

  // The current symbol and what came with it.
  Sy Sym = Sy::Eof;
  TokenObj Token;
  TAttributeList Attributes;
  int HeadingLevel = 0;
  int SymbolIndex = 0;  // source index of the symbol's first character

  void GetCh();
  void Next();
  // At `&`: appends the decoded character(s), or the characters read as literal text.
  void ReadEntity(TokenObj& out);
  void SkipWhite();

private:
  std::string_view source_;
  size_t pos_ = 0;
  std::string include_;
  size_t includePos_ = 0;
  bool inInclude_ = false;
  bool rawMode_ = false;
  bool openCommentAtEnd_ = false;
  int lastLineEnd_ = 0;
  TAttributeList scratch_;

  void ReadRaw();
  int PeekRaw() const;
  void SkipCommentOrDeclaration();
  void SkipCommentBody();
  void DoInclude();
  void ReadTag();
  // Reads attributes up to the first character that cannot start a name;
  // `names` (when given) receives each name as written, upper-cased.
  void ReadAttributes(TAttributeList& list, std::vector<std::string>* names);
  std::string ReadAttributeValue(int& numeric);
  void ReadText();
};

}  // namespace tessaly::preview
