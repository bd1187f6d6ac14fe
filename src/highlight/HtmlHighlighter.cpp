#include "highlight/HtmlHighlighter.h"

#include <cstring>
#include <memory>

#include "highlight/HtmlEntityTable.h"
#include "highlight/HtmlTagTable.h"

namespace tessaly {

namespace {

using enum HtmlTokenKind;
using enum HtmlScanState;

const unsigned char kEmptyLine[1] = {0};

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsLineBreakOrEnd(unsigned char c) { return c == 0 || c == 10 || c == 13; }

std::unique_ptr<TSrcCustomHighlighter> CreateHtmlHighlighter() { return std::make_unique<THtmlHighlighter>(); }

// The class joins the list of highlighters when the program starts.
const bool kRegistered = (RegisterHighlighterClass(THtmlHighlighter::Class()), true);

}  // namespace

const TSrcHighlighterClass& THtmlHighlighter::Class() {
  static const TSrcHighlighterClass htmlClass{"HTML document", &CreateHtmlHighlighter};
  return htmlClass;
}

const std::array<THtmlHighlighter::CharHandler, 256>& THtmlHighlighter::CharHandlerTable() {
  static const std::array<CharHandler, 256> table = [] {
    std::array<CharHandler, 256> handlers;
    handlers.fill(&THtmlHighlighter::WordProc);
    for (int c = 1; c <= 32; ++c) handlers[static_cast<size_t>(c)] = &THtmlHighlighter::SpaceProc;
    handlers[0] = &THtmlHighlighter::ZeroByteProc;
    handlers[10] = &THtmlHighlighter::LineFeedProc;
    handlers[13] = &THtmlHighlighter::CarriageReturnProc;
    handlers['"'] = &THtmlHighlighter::QuoteProc;
    handlers['&'] = &THtmlHighlighter::AmpersandProc;
    handlers['<'] = &THtmlHighlighter::TagOpenProc;
    handlers['='] = &THtmlHighlighter::EqualsProc;
    handlers['>'] = &THtmlHighlighter::TagCloseProc;
    return handlers;
  }();
  return table;
}

THtmlHighlighter::THtmlHighlighter() : line_(kEmptyLine) {
  aspAttri_ = AddAttri("Asp", clBlack, clYellow, 0);
  commentAttri_ = AddAttri("Comment", clNone, clNone, 0);
  identifierAttri_ = AddAttri("Identifier", clNone, clNone, fsBold);
  keyAttri_ = AddAttri("Reserved word", RGB(128, 0, 255), clNone, fsBold);
  spaceAttri_ = AddAttri("Space", clNone, clNone, 0);
  symbolAttri_ = AddAttri("Symbol", clNone, clNone, fsBold);
  textAttri_ = AddAttri("Text", clNone, clNone, 0);
  undefKeyAttri_ = AddAttri("Unknown word", clRed, clNone, fsBold);
  valueAttri_ = AddAttri("Value", RGB(0, 128, 255), clNone, 0);
  andAttri_ = AddAttri("Escape ampersand", clLime, clNone, fsBold);
  BindAttriChanges([this] { NotifyChanged(); });

  const auto attriOf = [this](HtmlTokenKind kind) -> auto& { return attriOfKind_[static_cast<size_t>(kind)]; };
  attriOf(AndToken) = andAttri_;
  attriOf(AspToken) = aspAttri_;
  attriOf(CommentToken) = commentAttri_;
  attriOf(IdentifierToken) = identifierAttri_;
  attriOf(KeyToken) = keyAttri_;
  attriOf(SpaceToken) = spaceAttri_;
  attriOf(StringToken) = valueAttri_;
  attriOf(SymbolToken) = symbolAttri_;
  attriOf(TextToken) = textAttri_;
  attriOf(UndefKeyToken) = undefKeyAttri_;
  attriOf(ValueToken) = valueAttri_;

  SetDefaultFilter("HTML Document (*.htm,*.html)|*.htm;*.html");
}

TSrcHighlighterAttributes* THtmlHighlighter::AddAttri(const char* name, TColor foreground, TColor background,
                                                      TFontStyles style) {
  auto attri = std::make_unique<TSrcHighlighterAttributes>(name);
  attri->SetForeground(foreground);
  attri->SetBackground(background);
  attri->SetStyle(style);
  return RegisterAttri(std::move(attri));
}

TSrcHighlighterAttributes* THtmlHighlighter::StandardAttri(int role) const {
  switch (role) {
    case srComment: return commentAttri_;
    case srIdentifier: return identifierAttri_;
    case srKeyword: return keyAttri_;
    case srWhiteSpace: return spaceAttri_;
    case srSymbol: return symbolAttri_;
    default: return nullptr;  // strings are values here, not a role of their own
  }
}

TSrcCharSet THtmlHighlighter::IdentifierCharSet() const {
  TSrcCharSet set;
  const auto addRange = [&set](int first, int last) {
    for (int c = first; c <= last; ++c) set.set(static_cast<size_t>(c));
  };
  addRange('0', '9');
  addRange('A', 'Z');
  addRange('_', '_');
  addRange('a', 'z');
  // The upper half without the multiplication and division signs.
  addRange(192, 214);
  addRange(216, 246);
  addRange(248, 255);
  if (!text::IsSingleByte(Encoding())) addRange(0x80, 0xFF);
  return set;
}

std::string THtmlHighlighter::SampleText() const {
  return "<!-- Syntax highlighting -->\r\n"
         "\r\n"
         "<html>\r\n"
         "<body bgcolor=\"red\">\r\n"
         " <% out.println(\"Hello World\"); %>\r\n"
         " <invalid>Sample HTML code &copy; 2001</invalid>\r\n"
         "</body>\r\n"
         "</html>";
}

std::string THtmlHighlighter::LanguageDisplayName() const { return "HTML document"; }

void THtmlHighlighter::StartLine(const char* text, size_t length, int) {
  line_ = reinterpret_cast<const unsigned char*>(text);
  lineLength_ = length;
  run_ = 0;
  // A pending entity belongs to the line it was found in.
  pendingEntityIndex_ = -1;
  NextToken();
}

void THtmlHighlighter::NextToken() {
  tokenStart_ = run_;
  switch (static_cast<HtmlScanState>(state_)) {
    case AspState: BlockBodyScan(AspToken, "%>", 2); break;
    case CommentState: BlockBodyScan(CommentToken, "-->", 3); break;
    case TextState: TextScan(); break;
    default: RunCharHandler(); break;
  }
}

std::string_view THtmlHighlighter::CurrentTokenBytes() const {
  return {reinterpret_cast<const char*>(line_) + tokenStart_, static_cast<size_t>(run_ - tokenStart_)};
}

std::string THtmlHighlighter::CurrentTokenText() const { return std::string(CurrentTokenBytes()); }

TSrcHighlighterAttributes* THtmlHighlighter::CurrentTokenAttri() const {
  return attriOfKind_[static_cast<size_t>(tokenKind_)];
}

void THtmlHighlighter::SetScanState(int32_t state) { state_ = static_cast<uint8_t>(state); }
void THtmlHighlighter::ResetScanState() { SetState(TextState); }

void THtmlHighlighter::SkipDigits() {
  while (IsDigit(Current())) ++run_;
}

void THtmlHighlighter::LineEndProc() { tokenKind_ = LineEndToken; }

// The scans stop at any zero byte; only the one after the line's last byte
// ends it. One inside the line is a token of one byte in the current block.
void THtmlHighlighter::ZeroByteProc() {
  if (static_cast<size_t>(run_) >= lineLength_) {
    LineEndProc();
    return;
  }
  tokenKind_ = InState(CommentState) ? CommentToken : InState(AspState) ? AspToken : TextToken;
  ++run_;
}

void THtmlHighlighter::LineFeedProc() {
  tokenKind_ = SpaceToken;
  ++run_;
}

void THtmlHighlighter::CarriageReturnProc() {
  tokenKind_ = SpaceToken;
  ++run_;
  if (Current() == 10) ++run_;
}

void THtmlHighlighter::SpaceProc() {
  tokenKind_ = SpaceToken;
  ++run_;
  // A tab always starts a token of its own.
  for (unsigned char c = Current(); c >= 1 && c <= 32 && c != 9 && c != 10 && c != 13; c = Current()) ++run_;
}

void THtmlHighlighter::EqualsProc() {
  SetState(ValueState);
  tokenKind_ = SymbolToken;
  ++run_;
}

void THtmlHighlighter::TagCloseProc() {
  SetState(TextState);
  tokenKind_ = SymbolToken;
  ++run_;
}

void THtmlHighlighter::TagOpenProc() {
  ++run_;
  if (Current() == '!' && line_[run_ + 1] == '-' && line_[run_ + 2] == '-') {
    SetState(CommentState);
    tokenKind_ = CommentToken;
    run_ += 3;
  } else if (Current() == '%') {
    SetState(AspState);
    tokenKind_ = AspToken;
    ++run_;
  } else {
    SetState(TagNameState);
    tokenKind_ = SymbolToken;
  }
}

void THtmlHighlighter::QuoteProc() {
  if (InState(ValueState)) {
    SetState(TagBodyState);
    tokenKind_ = ValueToken;
  } else {
    tokenKind_ = StringToken;
  }
  ++run_;
  while (!IsLineBreakOrEnd(Current()) && Current() != '"') ++run_;
  if (Current() == '"') ++run_;
}

void THtmlHighlighter::WordProc() {
  if (InState(TagNameState)) {
    SetState(TagBodyState);
    tokenKind_ = html::ClassifyTagName(line_ + run_, tagNameLength_);
    run_ += tagNameLength_;
  } else if (InState(ValueState)) {
    SetState(TagBodyState);
    tokenKind_ = ValueToken;
    ++run_;
    while (Current() > 32 && Current() != '>') ++run_;
  } else {
    tokenKind_ = IdentifierToken;
    ++run_;
    while (Current() > 32 && Current() != '"' && Current() != '=' && Current() != '>') ++run_;
  }
}

void THtmlHighlighter::AmpersandProc() {
  if (InState(EntityPendingState) && pendingEntityIndex_ != -1) {
    tokenKind_ = AndToken;
    run_ += static_cast<int>(html::EntityNameTable()[static_cast<size_t>(pendingEntityIndex_)].size());
  } else if (line_[run_ + 1] == '#') {
    run_ += 2;
    SkipDigits();
    if (Current() == ';') {
      ++run_;
      tokenKind_ = AndToken;
    } else {
      tokenKind_ = TextToken;
    }
  } else {
    // Not an entity: an empty text token, and the text scan takes the "&" next.
    tokenKind_ = TextToken;
  }
  pendingEntityIndex_ = -1;
  SetState(TextState);
}

void THtmlHighlighter::TextScan() {
  if (Current() < 32 || Current() == '<') {
    RunCharHandler();
    return;
  }
  tokenKind_ = TextToken;
  for (;;) {
    while (Current() >= 32 && Current() != '&' && Current() != '<') ++run_;
    if (Current() != '&') return;
    if (line_[run_ + 1] == '#') {
      // A numeric reference ends the text; with its ";" it is the next token.
      const int ampersand = run_;
      pendingEntityIndex_ = -1;
      run_ += 2;
      SkipDigits();
      if (Current() == ';') {
        run_ = ampersand;
        SetState(EntityPendingState);
      }
      return;
    }
    const int entity = html::MatchEntityAt(line_ + run_);
    if (entity >= 0) {
      pendingEntityIndex_ = entity;
      SetState(EntityPendingState);
      return;
    }
    ++run_;
  }
}

void THtmlHighlighter::BlockBodyScan(HtmlTokenKind kind, const char* closer, int closerLength) {
  if (IsLineBreakOrEnd(Current())) {
    RunCharHandler();
    return;
  }
  tokenKind_ = kind;
  // Only bytes of this line count before the ">".
  const int before = closerLength - 1;
  for (unsigned char c = Current(); !IsLineBreakOrEnd(c); c = Current()) {
    if (c == '>' && run_ >= before && std::memcmp(line_ + run_ - before, closer, static_cast<size_t>(before)) == 0) {
      ++run_;
      SetState(TextState);
      return;
    }
    ++run_;
  }
}

}  // namespace tessaly
