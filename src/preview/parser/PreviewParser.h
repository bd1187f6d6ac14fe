#pragma once
// Turns one page of HTML source (bytes in the page's encoding) into a
// preview document whose text is Unicode. Forgiving and single-pass: it never rejects a page, builds blocks
// as it scans, and swallows its own errors so that a page always shows what
// was built.

#include <bitset>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "preview/document/Fonts.h"
#include "preview/parser/HtmlReader.h"
#include "preview/document/Section.h"
#include "preview/document/SectionList.h"

namespace tessaly::preview {

using TMetaHandler =
    std::function<void(const std::string& httpEquiv, const std::string& name, const std::string& content)>;
using TSoundHandler = std::function<void(const std::string& source, int loop, bool terminate)>;

class TPreviewParser {
public:
  static constexpr int kMaxFontStack = 25;
  // Deeper nesting of lists, blocks and tables is read as flat content so
  // that no page can exhaust the stack.
  static constexpr int kMaxNesting = 100;

  void ParseHtmlDocument(std::string_view text, TSectionList& list, TNameList* names, TMetaHandler meta,
                         TSoundHandler sound, TIncludeHandler include);
  // Every source line becomes one preformatted line; no markup is read.
  void ParsePlainText(std::string_view text, TSectionList& list, TNameList* names);

  // How the source's bytes read; the document's text is Unicode whatever it is.
  text::Encoding Encoding = text::kDefaultEncoding;

  // UTF-8, as every string the parser hands on (attribute values too).
  const std::string& Title() const { return title_; }
  const std::string& Base() const { return base_; }
  const std::string& BaseTarget() const { return baseTarget_; }

private:
  using SymSet = std::bitset<128>;

  THtmlReader R;
  TSectionList* Doc = nullptr;
  TNameList* Names = nullptr;
  TMetaHandler Meta;
  TSoundHandler Sound;

  int BaseFontSize = 3;
  THorzAlign CurrentAlign = THorzAlign::Left;
  TFontStyles StyleBits = 0;
  int SubSup = 0;
  bool ParaSpacePending = false;
  bool InPre = false;
  std::vector<TMyFont> FontStack;
  TUrlTarget CurrentUrl;
  bool InLink = false;
  bool LinkPushedFont = false;
  THtmlForm* CurrentForm = nullptr;
  TCell* CurrentCell = nullptr;
  const TSectionBase* InsertPoint = nullptr;  // closed blocks go before this one (text outside table cells)
  std::unique_ptr<TSection> Section;
  int ListLevel = 0;
  int Depth = 0;
  std::string title_, base_, baseTarget_;

  static SymSet Set(std::initializer_list<Sy> symbols);

  void Begin(TSectionList& list, TNameList* names);
  void End();
  void Next() { R.Next(); }
  const TAttributeList& Attrs() const { return R.Attributes; }

  // Fonts and sections.
  TFontState FontState() const;
  bool PushFont();
  void PopFont();
  void FontChanged();
  void SetFixedPitch(TMyFont& font) const;
  void SectionDone();
  void NewSection(THorzAlign align, TClear clear = TClear::None);
  void EnsureSection();
  void AddBlock(std::unique_ptr<TSectionBase> block);
  bool DocumentEmpty() const;
  THtmlForm* Form();

  // Builders. Do* functions leave the next unread symbol in R.Sym; Apply*
  // functions only act on the current tag, so the PRE reader can share them.
  void DoBody(const SymSet& term);
  void DoSymbol(const SymSet& term);
  void DoText();
  void DoTitle();
  void DoBodyTag();
  void DoHeading();
  void DoParagraph();
  void DoBreak();
  void DoLists(Sy start, const SymSet& term);
  void DoLooseListItem(const SymSet& term);
  void DoCenterDiv(const SymSet& term);
  void DoTable();
  bool DoPre();  // true when it stopped at a symbol it hands back
  void DoPlainText();
  void DoSelect();
  void DoTextArea();
  bool DoMap();  // true when it stopped at a symbol it hands back
  void DoScript();
  // A script or style body up to its end tag (case-insensitive) or the end
  // of input, line ends as CR LF; the reader goes on after the end tag.
  std::string ReadRawBody(std::string_view endTag);
  void DoMeta();
  void ApplyStyle(Sy sym);
  void ApplyAnchor();
  void CloseLink();
  int SizeStep(const TAttribute& size) const;  // FONT and BASEFONT SIZE: 1 to 7
  void ApplyFont();
  void ApplyBaseFont();
  void ApplyImage();
  void ApplyInput();
  void ApplyForm(bool start);
  // The few tags both the body and a PRE block act on alike; false for others.
  bool ApplyInline(Sy sym);
};

}  // namespace tessaly::preview
