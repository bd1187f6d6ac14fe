#include "preview/parser/HtmlReader.h"

#include "platform/CodePage1251.h"

namespace tessaly::preview {

namespace {
bool IsUpperLetter(int ch) { return ch >= 'A' && ch <= 'Z'; }
bool IsDigit(int ch) { return ch >= '0' && ch <= '9'; }
bool IsAsciiAlphaNumeric(int ch) { return IsDigit(ch) || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }
bool IsBlank(int ch) { return ch == ' ' || ch == '\r'; }
}  // namespace

void THtmlReader::Start(std::string_view source, bool rawMode) {
  source_ = source;
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
      ch = static_cast<unsigned char>(include_[includePos_++]);
    } else if (pos_ < source_.size()) {
      ch = static_cast<unsigned char>(source_[pos_++]);
      ++SourceIndex;
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
  LCh = cp1251::ToUpper(static_cast<unsigned char>(Ch));
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
  LCh = cp1251::ToUpper(static_cast<unsigned char>(Ch));
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
    const int next = cp1251::ToUpper(static_cast<unsigned char>(PeekRaw()));
    if (next == '/' || IsUpperLetter(next)) {
      ReadTag();
    } else {
      Token.AddChar('<', SourceIndex);
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
    while (Ch != quote && Ch != kEndOfInput) {
      if (Ch == '&') {
        TokenObj entity;
        ReadEntity(entity);
        text += entity.S;
      } else {
        if (Ch != '\r') text.push_back(static_cast<char>(Ch));
        GetCh();
      }
    }
    if (Ch == quote) GetCh();
    numeric = QuotedNumericValue(text);
  } else if (Ch == '+' || Ch == '-' || IsDigit(Ch)) {
    while (!IsBlank(Ch) && Ch != '%' && Ch != '>' && Ch != kEndOfInput) {
      text.push_back(static_cast<char>(LCh));
      GetCh();
    }
    numeric = StrToIntDef(text, 0);
    SkipWhite();
    if (Ch == '%') {
      text.push_back('%');
      GetCh();
    }
  } else {
    while (!IsBlank(Ch) && Ch != '>' && Ch != kEndOfInput) {
      text.push_back(static_cast<char>(Ch));
      GetCh();
    }
    numeric = 0;
  }
  return text;
}

void THtmlReader::ReadEntity(TokenObj& out) {
  const int start = SourceIndex;
  TokenObj literal;
  literal.AddChar('&', start);
  GetCh();
  int character = -1;
  if (Ch == '#') {
    literal.AddChar('#', SourceIndex);
    GetCh();
    int value = 0, digits = 0;
    while (IsDigit(Ch) && digits < 5) {
      literal.AddChar(static_cast<char>(Ch), SourceIndex);
      value = value * 10 + (Ch - '0');
      ++digits;
      GetCh();
    }
    if (digits > 0 && !IsDigit(Ch)) {
      if (value > 255) {
        const int converted = cp1251::FromUnicode(static_cast<char32_t>(value));
        character = converted >= 0 ? converted : '?';
      } else if (value == 9) {
        character = ' ';
      } else if (value == 10 || value >= 32) {
        character = value;
      }
    }
  } else {
    std::string name;
    while (IsAsciiAlphaNumeric(Ch) && name.size() < 6) {
      literal.AddChar(static_cast<char>(Ch), SourceIndex);
      name.push_back(static_cast<char>(Ch));
      GetCh();
    }
    if (!name.empty() && !IsAsciiAlphaNumeric(Ch)) character = FindEntity(name);
  }
  if (character < 0) {
    out.AddString(literal);
    return;
  }
  if (Ch == ';') GetCh();
  if (character == kEllipsisEntity) {
    for (int i = 0; i < 3; ++i) out.AddChar('.', start + i);
  } else {
    out.AddChar(static_cast<char>(character), start);
  }
}

void THtmlReader::ReadText() {
  Sym = Sy::Text;
  while (Token.Leng() < 100) {
    if (IsBlank(Ch)) {
      Token.AddChar(NoBreak ? 5 : ' ', SourceIndex);
      do GetCh();
      while (IsBlank(Ch));
    } else if (Ch < ' ' || Ch == '&' || Ch == '<') {
      break;
    } else {
      Token.AddChar(static_cast<char>(Ch), SourceIndex);
      GetCh();
    }
  }
}

}  // namespace tessaly::preview
