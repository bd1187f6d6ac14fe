#include "preview/parser/HtmlReader.h"

#include "platform/Utf8.h"
#include "platform/text/Decode.h"
#include "preview/parser/NamedReferences.h"

namespace tessaly::preview {

namespace {
bool IsUpperLetter(int ch) { return ch >= 'A' && ch <= 'Z'; }
bool IsDigit(int ch) { return ch >= '0' && ch <= '9'; }
bool IsAsciiAlphaNumeric(int ch) { return IsDigit(ch) || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }
bool IsBlank(int ch) { return ch == ' ' || ch == '\r'; }
int AsciiUpper(int ch) { return ch >= 'a' && ch <= 'z' ? ch - ('a' - 'A') : ch; }
int HexDigit(int ch) {
  if (IsDigit(ch)) return ch - '0';
  const int upper = AsciiUpper(ch);
  return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

// A character a reference stands for: white space reads as a space, other
// control characters are dropped as they are in text.
void AddReferenceCharacter(TokenObj& out, char32_t c, int index, int length) {
  if (c == '\t' || c == '\n' || c == '\f' || c == '\r') c = ' ';
  else if (c < ' ' || c == 0x7F) return;
  out.AddChar(c, index, length);
}

int SourceLengthOf(const TokenObj& token, int first, int end) {
  int length = 0;
  for (int i = first; i < end; ++i) length += token.L[i];
  return length;
}
}  // namespace

void THtmlReader::Start(std::string_view source, bool rawMode, text::Encoding encoding) {
  source_ = source;
  encoding_ = encoding;
  pos_ = 0;
  include_.clear();
  includePos_ = 0;
  inInclude_ = false;
  rawMode_ = rawMode;
  openCommentAtEnd_ = false;
  lastLineEnd_ = 0;
  NoBreak = false;
  ScriptMode = false;
  SourceIndex = -1;
  SourceLength = 0;
  Sym = Sy::Eof;
  Token.Clear();
  Attributes.Clear();
  GetCh();
}

void THtmlReader::ReadRaw() {
  for (;;) {
    int ch;
    if (inInclude_) {
      if (includePos_ >= include_.size()) {
        inInclude_ = false;
        include_.clear();
        continue;
      }
      ch = Decode(include_, includePos_);
      SourceLength = 0;
    } else if (pos_ < source_.size()) {
      SourceIndex = static_cast<int>(pos_);
      ch = Decode(source_, pos_);
      SourceLength = static_cast<int>(pos_) - SourceIndex;
    } else {
      Ch = kEndOfInput;
      return;
    }
    // CR LF and LF CR count as one line end, kept as CR.
    if ((ch == '\n' && lastLineEnd_ == '\r') || (ch == '\r' && lastLineEnd_ == '\n')) {
      lastLineEnd_ = 0;
      continue;
    }
    if (ch == '\r' || ch == '\n') {
      lastLineEnd_ = ch;
      ch = '\r';
    } else {
      lastLineEnd_ = 0;
    }
    Ch = ch == '\t' ? ' ' : ch;
    return;
  }
}

int THtmlReader::Decode(std::string_view text, size_t& pos) const {
  const auto byte = static_cast<unsigned char>(text[pos]);
  if (byte < 0x80) {
    ++pos;
    return byte;
  }
  const text::DecodedCharacter decoded = text::DecodeAt(encoding_, text, pos);
  pos += decoded.length;
  return static_cast<int>(decoded.codePoint);
}

int THtmlReader::PeekRaw() const {
  if (inInclude_ && includePos_ < include_.size()) return static_cast<unsigned char>(include_[includePos_]);
  return pos_ < source_.size() ? static_cast<unsigned char>(source_[pos_]) : kEndOfInput;
}

void THtmlReader::GetCh() {
  ReadRaw();
  // `<?...>` (an XML declaration or processing instruction) is skipped like `<!...>`.
  while (Ch == '<' && !rawMode_ && !ScriptMode && (PeekRaw() == '!' || PeekRaw() == '?')) {
    SkipCommentOrDeclaration();
    ReadRaw();  // comments may follow one another directly
  }
  LCh = AsciiUpper(Ch);
}

void THtmlReader::SkipCommentOrDeclaration() {
  ReadRaw();  // '!' or '?'
  const bool declaration = Ch == '?';
  ReadRaw();
  if (!declaration && Ch == '-' && PeekRaw() == '-') {
    ReadRaw();
    ReadRaw();
    if (Ch == '#' && Include && !inInclude_) DoInclude();
    else SkipCommentBody();
    return;
  }
  while (Ch != '>' && Ch != kEndOfInput) ReadRaw();
}

void THtmlReader::SkipCommentBody() {
  // Ends at two or more '-', then optional blanks, then '>'.
  for (;;) {
    if (Ch == kEndOfInput) {
      // Reported once the symbol read so far is delivered, so it is not lost.
      openCommentAtEnd_ = true;
      return;
    }
    if (Ch != '-') {
      ReadRaw();
      continue;
    }
    ReadRaw();
    if (Ch != '-') continue;
    while (Ch == '-') ReadRaw();
    while (IsBlank(Ch)) ReadRaw();
    if (Ch == '>') return;
  }
}

void THtmlReader::DoInclude() {
  std::string command;
  ReadRaw();
  while ((Ch >= 'A' && Ch <= 'Z') || (Ch >= 'a' && Ch <= 'z')) {
    command.push_back(static_cast<char>(Ch));
    ReadRaw();
  }
  LCh = AsciiUpper(Ch);
  TAttributeList list;
  std::vector<std::string> names;
  ReadAttributes(list, &names);
  std::vector<std::string> params;
  for (size_t i = 0; i < names.size(); ++i) params.push_back(names[i] + "=\"" + list.Items()[i].Text + "\"");
  // An unquoted last value takes the "--" of «var=X-->» with it; that is still the comment's end.
  const bool ended = Ch == '>' && !params.empty() && params.back().ends_with("--\"");
  if (ended) params.back().erase(params.back().size() - 3, 2);
  else SkipCommentBody();
  std::string replacement;
  Include(command, params, replacement);
  if (!replacement.empty()) {
    include_ = std::move(replacement);
    includePos_ = 0;
    inInclude_ = true;
  }
}

void THtmlReader::SkipWhite() {
  while (IsBlank(Ch)) GetCh();
}

void THtmlReader::Next() {
  ScriptMode = false;  // only the first character of a script body was read ahead raw
  SymbolIndex = SourceIndex;
  Token.Clear();
  if (Ch == kEndOfInput) {
    if (openCommentAtEnd_) throw EParseError("Open Comment at End of HTML File");
    Sym = Sy::Eof;
  } else if (Ch == '<') {
    const int next = AsciiUpper(PeekRaw());
    if (next == '/' || IsUpperLetter(next)) {
      ReadTag();
    } else {
      TakeCh(Token);
      GetCh();
      Sym = Sy::Text;
    }
  } else if (Ch == '&') {
    ReadEntity(Token);
    Sym = Sy::Text;
  } else if (Ch >= ' ' || Ch == '\r') {
    ReadText();
  } else {
    Sym = Sy::OtherChar;  // control characters are dropped
    GetCh();
  }
}

void THtmlReader::ReadTag() {
  GetCh();  // '<'
  bool end = false;
  if (Ch == '/') {
    end = true;
    GetCh();
  }
  std::string name;
  while (IsUpperLetter(LCh)) {
    if (name.size() < 255) name.push_back(static_cast<char>(LCh));
    GetCh();
  }
  HeadingLevel = 0;
  const TTagInfo* tag = FindTag(name);
  Sym = !tag ? Sy::OtherTag : end ? tag->End.value_or(Sy::OtherTag) : tag->Start;
  if (tag && tag->Start == Sy::Heading && Ch >= '1' && Ch <= '6') {
    HeadingLevel = Ch - '0';
    GetCh();
  }
  if (tag && Sym != Sy::OtherTag && tag->KeepsAttributes) {
    Attributes.Clear();
    ReadAttributes(Attributes, nullptr);
  } else {
    scratch_.Clear();
    ReadAttributes(scratch_, nullptr);
  }
  while (Ch != '>' && Ch != kEndOfInput) GetCh();
  if (Ch != '>') return;
  // A script or style body is read as it stands, from the first character on.
  if (Sym == Sy::Script || Sym == Sy::Style) ScriptMode = true;
  GetCh();
  if (Ch == kEndOfInput && (Sym == Sy::PEnd || Sym == Sy::BR)) Ch = LCh = ' ';
}

void THtmlReader::ReadAttributes(TAttributeList& list, std::vector<std::string>* names) {
  for (;;) {
    SkipWhite();
    if (!IsUpperLetter(LCh)) return;
    std::string name;
    while (IsUpperLetter(LCh) || LCh == '-') {
      if (name.size() < 255) name.push_back(static_cast<char>(LCh));
      GetCh();
    }
    TAttribute attribute;
    attribute.Which = FindAttribute(name);
    attribute.Value = attribute.Which == Attr::BORDER ? 1 : 0;
    SkipWhite();
    if (Ch == '=') {
      GetCh();
      SkipWhite();
      attribute.Text = ReadAttributeValue(attribute.Value);
      // «BORDER=""» asks for a border as plain BORDER does.
      if (attribute.Which == Attr::BORDER && Trim(attribute.Text).empty()) attribute.Value = 1;
    }
    list.Add(std::move(attribute));
    if (names) names->push_back(std::move(name));
  }
}

std::string THtmlReader::ReadAttributeValue(int& numeric) {
  std::string text;
  if (Ch == '"' || Ch == '\'') {
    const int quote = Ch;
    GetCh();
    while (Ch != quote && Ch != kEndOfInput) ReadValueChar(text);
    if (Ch == quote) GetCh();
    numeric = QuotedNumericValue(text);
  } else if (Ch == '+' || Ch == '-' || IsDigit(Ch)) {
    while (!IsBlank(Ch) && Ch != '%' && Ch != '>' && Ch != kEndOfInput) {
      AppendUtf8(text, static_cast<char32_t>(LCh));
      GetCh();
    }
    numeric = StrToIntDef(text, 0);
    SkipWhite();
    if (Ch == '%') {
      text.push_back('%');
      GetCh();
    }
  } else {
    while (!IsBlank(Ch) && Ch != '>' && Ch != kEndOfInput) ReadValueChar(text);
    numeric = 0;
  }
  return text;
}

void THtmlReader::ReadValueChar(std::string& text) {
  if (Ch == '&') {
    TokenObj reference;
    ReadEntity(reference, true);
    text += ToUtf8(reference.S);
    return;
  }
  if (Ch != '\r') AppendUtf8(text, static_cast<char32_t>(Ch));  // line ends inside a value are dropped
  GetCh();
}

void THtmlReader::ReadEntity(TokenObj& out, bool inAttribute) {
  TokenObj literal;
  TakeCh(literal);  // '&'
  GetCh();
  if (Ch != '#') {
    if (!ReadNamedReference(literal, out, inAttribute)) out.AddString(literal);
    return;
  }
  TakeCh(literal);
  GetCh();
  char32_t character = 0;
  if (!ReadNumericReference(literal, character)) {
    out.AddString(literal);
    return;
  }
  if (Ch == ';') {
    TakeCh(literal);
    GetCh();
  }
  AddReferenceCharacter(out, character, literal.I[0], SourceLengthOf(literal, 0, literal.Leng()));
}

bool THtmlReader::ReadNumericReference(TokenObj& literal, char32_t& character) {
  const bool hex = Ch == 'x' || Ch == 'X';
  if (hex) {
    TakeCh(literal);
    GetCh();
  }
  const unsigned long base = hex ? 16 : 10;
  unsigned long value = 0;
  bool digits = false;
  for (int digit; (digit = hex ? HexDigit(Ch) : IsDigit(Ch) ? Ch - '0' : -1) >= 0; GetCh()) {
    TakeCh(literal);
    value = std::min(value * base + static_cast<unsigned long>(digit), 0x110000ul);  // past U+10FFFF is all the same
    digits = true;
  }
  if (digits) character = NumericReferenceCharacter(value);
  return digits;
}

bool THtmlReader::ReadNamedReference(TokenObj& literal, TokenObj& out, bool inAttribute) {
  // Read ahead as far as the longest name could reach; what the name does not
  // take is text again.
  std::string name;
  while (IsAsciiAlphaNumeric(Ch) && name.size() < kLongestReferenceName) {
    TakeCh(literal);
    name.push_back(static_cast<char>(Ch));
    GetCh();
  }
  if (Ch == ';' && !name.empty() && name.size() < kLongestReferenceName) {
    TakeCh(literal);
    name.push_back(';');
    GetCh();
  }
  const std::optional<NamedMatch> match = MatchNamedReference(name);
  if (!match) return false;
  const size_t taken = match->Length;
  if (inAttribute && name[taken - 1] != ';') {
    const int after = taken < name.size() ? name[taken] : Ch;
    if (after == '=' || IsAsciiAlphaNumeric(after)) return false;
  }
  const int end = static_cast<int>(taken) + 1;  // '&' and the name
  const int length = SourceLengthOf(literal, 0, end);
  AddReferenceCharacter(out, match->Reference->First, literal.I[0], length);
  if (match->Reference->Second) AddReferenceCharacter(out, match->Reference->Second, literal.I[0], length);
  for (int i = end; i < literal.Leng(); ++i) out.AddChar(literal.S[i], literal.I[i], literal.L[i]);
  return true;
}

void THtmlReader::ReadText() {
  Sym = Sy::Text;
  while (Token.Leng() < 100) {
    if (IsBlank(Ch)) {
      Token.AddChar(NoBreak ? 5 : ' ', SourceIndex, SourceLength);
      do GetCh();
      while (IsBlank(Ch));
    } else if (Ch < ' ' || Ch == '&' || Ch == '<') {
      break;
    } else {
      TakeCh(Token);
      GetCh();
    }
  }
}

}  // namespace tessaly::preview
