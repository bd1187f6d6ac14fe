#pragma once
// THtmlPreview: the control that shows a page. It owns the parser, the
// document, the scroll state, the history and the visited links; the toolkit
// side gives it a window (TControlHost), a canvas to measure text with, and
// optionally a container (TPreviewContainer) for the widgets behind form
// controls and the page's events.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/ControlHost.h"
#include "preview/document/PreviewContainer.h"
#include "preview/parser/PreviewParser.h"
#include "preview/viewer/PageText.h"
#include "preview/document/SectionList.h"

namespace tessaly::preview {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TPreviewBorderStyle { pbFocused, pbNone, pbSingle };
enum TPreviewOption : unsigned { poOverLinksActive = 1, poNoLinkUnderline = 2, poShowDummyCaret = 4, poShowVScroll = 8 };
using TPreviewOptions = unsigned;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftState : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };

// What a loaded page is: markup, text shown as it is, or a picture shown alone.
enum class TDocumentType { Html, PlainText, Image };

// A page in the history: its scroll position and document type.
struct PositionObj {
  int Pos = 0;
  TDocumentType FileType = TDocumentType::Html;
};

class THtmlPreview {
public:
  static constexpr int kScrollBarSize = 16;
  static constexpr int kMaxDocumentWidth = 6000;

  // Without a container the page's events go nowhere and form controls get no widgets.
  THtmlPreview(TControlHost& host, TCanvas& measureCanvas, TPreviewContainer* container = nullptr);
  ~THtmlPreview();
  THtmlPreview(const THtmlPreview&) = delete;
  THtmlPreview& operator=(const THtmlPreview&) = delete;

  // Properties.
  TColor DefBackground() const { return defBackground_; }
  void SetDefBackground(TColor color);
  const std::string& DefFontName() const { return defFontName_; }
  void SetDefFontName(const std::string& name);
  const std::string& DefPreFontName() const { return defPreFontName_; }
  void SetDefPreFontName(const std::string& name);
  int DefFontSize() const { return defFontSize_; }
  void SetDefFontSize(int size);
  TColor DefFontColor() const { return defFontColor_; }
  void SetDefFontColor(TColor color);
  TColor DefHotSpotColor() const { return defHotSpotColor_; }
  void SetDefHotSpotColor(TColor color);
  TColor DefVisitedLinkColor() const { return defVisitedLinkColor_; }
  void SetDefVisitedLinkColor(TColor color);
  TColor DefOverLinkColor() const { return defOverLinkColor_; }
  void SetDefOverLinkColor(TColor color);
  int VisitedMaxCount() const { return visitedMaxCount_; }
  void SetVisitedMaxCount(int count);
  int HistoryMaxCount() const { return historyMaxCount_; }
  void SetHistoryMaxCount(int count);
  int ImageCacheCount() const { return imageCacheCount_; }
  void SetImageCacheCount(int count);
  bool ViewImages() const { return viewImages_; }
  void SetViewImages(bool view);
  bool NoSelect() const { return noSelect_; }
  void SetNoSelect(bool noSelect) { noSelect_ = noSelect; }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle bars);
  TPreviewBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TPreviewBorderStyle style);
  int CharSet() const { return charSet_; }
  void SetCharSet(int charSet);
  int MarginWidth() const { return marginWidth_; }
  void SetMarginWidth(int width);
  int MarginHeight() const { return marginHeight_; }
  void SetMarginHeight(int height);
  const std::string& ServerRoot() const { return serverRoot_; }
  void SetServerRoot(const std::string& root);
  TPreviewOptions PreviewOptions() const { return options_; }
  void SetPreviewOptions(TPreviewOptions options);
  // The base used when a page has no BASE HREF.
  std::string DefaultBase;

  // Events the window handles; the rest go to the container.
  std::function<void(const std::string& src)> OnHotSpotCovered;
  std::function<void(const std::string& src, bool& handled)> OnHotSpotClick;

  // The encoding the text given to LoadText and LoadLines is in (the edited
  // document's); files the viewer opens itself are detected.
  text::Encoding TextEncoding() const { return textEncoding_; }
  void SetTextEncoding(text::Encoding encoding) { textEncoding_ = encoding; }
  // The encoding the page on show was read in.
  text::Encoding PageEncoding() const { return parser_.Encoding; }

  // Loading.
  void LoadText(const std::string& text, const std::string& name, TDocumentType type);
  void LoadLines(const std::vector<std::string>& lines, const std::string& name);
  // `encoding`, when given, is used instead of the file's detected one.
  void LoadFile(const std::string& name, TDocumentType type, std::optional<text::Encoding> encoding = {});
  void OpenHtmlFile(const std::string& name);
  void OpenImageFile(const std::string& name);
  void ClearPage();

  // State.
  const std::string& CurrentFile() const { return currentFile_; }
  TDocumentType DocumentType() const { return docType_; }
  const std::string& DocumentTitle() const { return title_; }
  const std::string& Base() const { return base_; }
  const std::string& BaseTarget() const { return baseTarget_; }
  bool Busy() const { return busy_; }
  TSectionList& Document() { return *document_; }
  const TNameList& NameList() const { return names_; }
  int DocumentHeight() const { return docHeight_; }
  int DocumentWidth() const { return docWidth_; }

  // Position and scrolling.
  int Position() const;
  void SetPosition(int position);
  int VScrollPosition() const { return vPos_; }
  void SetVScrollPosition(int y);
  int HScrollPosition() const { return hPos_; }
  void SetHScrollPosition(int x);
  bool PositionToAnchor(const std::string& name);

  // Selection and source mapping.
  int CaretPos() const { return caretPos_; }
  void SetCaretPos(int pos);
  int SelStart() const { return std::min(caretPos_, selAnchor_); }
  void SetSelStart(int pos);
  int SelLength() const { return caretPos_ - selAnchor_; }
  void SetSelLength(int length);
  void SelectRange(int from, int to);
  int SourcePosOf(int docPos);
  // The bytes of source the character at a document position came from
  // (several for a multi-byte character or a character reference), or -1.
  int SourceLengthOf(int docPos);
  int DisplayPosOf(int sourcePos, bool prev = false);
  bool DisplayPosToXY(int docPos, int& x, int& y);
  // The character under a window point and the letters and digits around it.
  std::string WordAt(int x, int y);

  // History and visited links.
  const std::vector<std::string>& History() const { return historyFiles_; }
  const std::vector<std::string>& TitleHistory() const { return historyTitles_; }
  int HistoryIndex() const { return historyIndex_; }
  void SetHistoryIndex(int index);
  const std::vector<std::string>& Visited() const { return visited_; }
  void MarkVisited(const std::string& address);
  // Follows a link as a click on it does.
  void HotSpotClick(const std::string& url);
  std::string ResolveName(const std::string& address) const;

  // Window side.
  void Paint(TCanvas& canvas, const TRect& clip);
  void Resize();
  void MouseDown(TMouseButton button, unsigned shift, int x, int y);
  void MouseMove(unsigned shift, int x, int y);
  void MouseUp(TMouseButton button, unsigned shift, int x, int y);
  void DoubleClick(TMouseButton button, unsigned shift, int x, int y);
  void MouseLeave();
  // Keys by name: the toolkit side translates its key codes.
  enum class TKey { PageUp, PageDown, Home, End, Up, Down, Left, Right, Other };
  void KeyDown(TKey key);
  void Wheel(int deltaY);
  void ScrollBarMoved(TScrollBarKind bar, int position);
  void FocusChanged();
  // A form control's widget got focus: scroll it into view.
  void ControlFocused(TFormControlObj& control);
  TSize PanelSize() const;

private:
  void Load(std::string_view text, const std::string& name, TDocumentType type, text::Encoding encoding);
  // What the viewer gives its document: pictures through the image cache,
  // the rest passed on to the viewer's container.
  class TDocumentContainer;

  TControlHost& host_;
  TCanvas& canvas_;
  TPreviewContainer& container_;
  std::unique_ptr<TDocumentContainer> documentContainer_;
  std::unique_ptr<TSectionList> document_;
  TPreviewParser parser_;
  TNameList names_;

  TColor defBackground_ = clBtnFace;
  std::string defFontName_ = "Times New Roman";
  std::string defPreFontName_ = "Courier New";
  int defFontSize_ = 12;
  TColor defFontColor_ = clBtnText;
  TColor defHotSpotColor_ = clBlue;
  TColor defVisitedLinkColor_ = clPurple;
  TColor defOverLinkColor_ = clBlue;
  int visitedMaxCount_ = 50;
  int historyMaxCount_ = 0;
  int imageCacheCount_ = 5;
  bool viewImages_ = true;
  bool noSelect_ = false;
  TScrollStyle scrollBars_ = ssBoth;
  TPreviewBorderStyle borderStyle_ = pbFocused;
  int charSet_ = DEFAULT_CHARSET;
  int marginWidth_ = 10;
  int marginHeight_ = 5;
  std::string serverRoot_;
  text::Encoding textEncoding_ = text::kDefaultEncoding;
  TPreviewOptions options_ = 0;

  std::string currentFile_, title_, base_, baseTarget_;
  TDocumentType docType_ = TDocumentType::Html;
  int caretPos_ = 0, selAnchor_ = 0;
  bool busy_ = false;
  int vPos_ = 0, hPos_ = 0;
  int docHeight_ = 0, docWidth_ = 0;
  bool vBarShown_ = false, hBarShown_ = false;
  std::vector<std::string> historyFiles_, historyTitles_;
  std::vector<PositionObj> historyPositions_;
  int historyIndex_ = 0;
  std::vector<std::string> visited_;
  int refreshDelay_ = 0;
  std::string refreshUrl_;

  // Mouse state.
  bool leftDown_ = false;
  std::string coveredUrl_, coveredTarget_;
  int hoverTimer_ = 0, autoScrollTimer_ = 0, middleTimer_ = 0, animationTimer_ = 0;
  TPoint lastMouse_, middleOrigin_;
  bool middleMode_ = false;

  std::shared_ptr<TBitmap> GetImage(const std::string& source);
  struct TReadImage {
    std::shared_ptr<TBitmap> Bitmap;  // null: failed; the pending marker: later
    std::shared_ptr<const TGifAnimation> Animation;
  };
  TReadImage ReadImage(const std::string& source);
  void RestartAnimations();
  void StartAnimationTimer();
  void PrepareDocument();
  void DoLayout();
  void LayoutKeepingPosition();
  void UpdateScrollBars();
  int LayoutWidth() const;
  void MarkVisitedLinks();
  bool IsVisited(const TFontObj& link) const;
  void AddHistory(const std::string& oldFile, const std::string& oldTitle, TDocumentType oldType, int oldPos);
  void ApplyFonts();
  TPoint ToDocument(int x, int y) const;
  // The link under a document point: a text link or an area of an image map.
  bool LinkUnder(TPoint at, std::string& url, std::string& target, TFontObj*& font);
  int DocPosAt(int x, int y);
  void StopTimer(int& id);
  void AutoScrollTick();
  void MiddleScrollTick();
  void HoverTick();
  void RepaintSelection();
  void SubmitForm(const TFormSubmission& form);
};

}  // namespace tessaly::preview
