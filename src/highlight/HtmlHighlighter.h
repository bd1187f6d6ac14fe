#pragma once
// The HTML highlighter: a byte scanner driven by a table of per-byte handlers
// and a scan state that carries comments, server-script blocks and unfinished
// tags over line ends.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "highlight/CustomHighlighter.h"
#include "highlight/HighlighterList.h"
#include "highlight/HtmlTokens.h"

namespace tessaly {

class THtmlHighlighter : public TSrcCustomHighlighter {
public:
  THtmlHighlighter();

  static const TSrcHighlighterClass& Class();

  TSrcHighlighterAttributes* ASPAttri() const { return aspAttri_; }
  TSrcHighlighterAttributes* CommentAttri() const { return commentAttri_; }
  TSrcHighlighterAttributes* IdentifierAttri() const { return identifierAttri_; }
  TSrcHighlighterAttributes* KeyAttri() const { return keyAttri_; }
  TSrcHighlighterAttributes* SpaceAttri() const { return spaceAttri_; }
  TSrcHighlighterAttributes* SymbolAttri() const { return symbolAttri_; }
  TSrcHighlighterAttributes* TextAttri() const { return textAttri_; }
  TSrcHighlighterAttributes* UndefKeyAttri() const { return undefKeyAttri_; }
  TSrcHighlighterAttributes* ValueAttri() const { return valueAttri_; }
  TSrcHighlighterAttributes* AndAttri() const { return andAttri_; }

  TSrcHighlighterAttributes* StandardAttri(int role) const override;
  TSrcCharSet IdentifierCharSet() const override;
  std::string SampleText() const override;
  std::string LanguageDisplayName() const override;

  using TSrcCustomHighlighter::StartLine;
  void StartLine(const char* text, size_t length, int lineNumber) override;
  bool AtLineEnd() const override { return tokenKind_ == HtmlTokenKind::LineEndToken; }
  void NextToken() override;
  std::string CurrentTokenText() const override;
  TSrcHighlighterAttributes* CurrentTokenAttri() const override;
  int CurrentTokenKind() const override { return static_cast<int>(tokenKind_); }
  int CurrentTokenStart() const override { return tokenStart_; }
  HtmlTokenKind TokenKind() const { return tokenKind_; }
  // The current token's bytes in the caller's line, without a copy.
  std::string_view CurrentTokenBytes() const;

  int32_t GetScanState() const override { return state_; }
  void SetScanState(int32_t state) override;
  void ResetScanState() override;

private:
  using CharHandler = void (THtmlHighlighter::*)();
  static const std::array<CharHandler, 256>& CharHandlerTable();

  TSrcHighlighterAttributes* AddAttri(const char* name, TColor foreground, TColor background, TFontStyles style);
  void SetState(HtmlScanState state) { state_ = static_cast<uint8_t>(state); }
  bool InState(HtmlScanState state) const { return state_ == static_cast<uint8_t>(state); }
  unsigned char Current() const { return line_[run_]; }
  void RunCharHandler() { (this->*CharHandlerTable()[Current()])(); }
  void SkipDigits();

  void LineEndProc();
  void ZeroByteProc();
  void LineFeedProc();
  void CarriageReturnProc();
  void SpaceProc();
  void EqualsProc();
  void TagCloseProc();
  void TagOpenProc();
  void QuoteProc();
  void WordProc();
  void AmpersandProc();

  void TextScan();
  // A script block or comment body, ended by `closer` whose last byte is ">".
  void BlockBodyScan(HtmlTokenKind kind, const char* closer, int closerLength);

  TSrcHighlighterAttributes* aspAttri_;
  TSrcHighlighterAttributes* commentAttri_;
  TSrcHighlighterAttributes* identifierAttri_;
  TSrcHighlighterAttributes* keyAttri_;
  TSrcHighlighterAttributes* spaceAttri_;
  TSrcHighlighterAttributes* symbolAttri_;
  TSrcHighlighterAttributes* textAttri_;
  TSrcHighlighterAttributes* undefKeyAttri_;
  TSrcHighlighterAttributes* valueAttri_;
  TSrcHighlighterAttributes* andAttri_;
  std::array<TSrcHighlighterAttributes*, HtmlTokenKindCount> attriOfKind_{};

  const unsigned char* line_;
  size_t lineLength_ = 0;
  int run_ = 0;
  int tokenStart_ = 0;
  HtmlTokenKind tokenKind_ = HtmlTokenKind::LineEndToken;
  uint8_t state_ = static_cast<uint8_t>(HtmlScanState::TextState);
  int pendingEntityIndex_ = -1;
  int tagNameLength_ = 0;
};

}  // namespace tessaly
