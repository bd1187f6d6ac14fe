#pragma once
// The vocabulary the preview parser recognises: tag symbols (start and end
// forms) and attribute symbols. Character references are the parser's.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessaly::preview {

// One symbol per tag kind; the end form of a tag is its own symbol so that
// builders can test for either with a plain comparison.
enum class Sy : uint8_t {
  Eof, Text, OtherTag, OtherChar,
  Html, HtmlEnd, Title, TitleEnd, Body, BodyEnd, Head, HeadEnd,
  B, BEnd, I, IEnd, U, UEnd, S, SEnd,
  Heading, HeadingEnd, TT, TTEnd,
  OL, OLEnd, UL, ULEnd, Dir, DirEnd, Menu, MenuEnd, DL, DLEnd, LI, DD, DT,
  A, AEnd, Address, AddressEnd, BlockQuote, BlockQuoteEnd, Pre, PreEnd,
  Center, CenterEnd, Div, DivEnd,
  Table, TableEnd, TR, TREnd, TD, TDEnd, TH, THEnd, Caption, CaptionEnd,
  Form, FormEnd, Input, Select, SelectEnd, Option, OptionEnd, TextArea, TextAreaEnd,
  Button, Selected, Wrap, Font, FontEnd, BaseFont, Sub, SubEnd, Sup, SupEnd,
  Big, BigEnd, Small, SmallEnd, P, PEnd, BR, HR, Img, Base, Map, MapEnd, Area,
  FrameSet, FrameSetEnd, NoFrames, NoFramesEnd, Frame, Script, ScriptEnd, Style, StyleEnd,
  BgSound, Meta, NoBr, NoBrEnd, Wbr,
};

struct TTagInfo {
  std::string_view Name;  // upper case
  Sy Start;
  std::optional<Sy> End;  // empty when the end tag is not recognised
  bool KeepsAttributes;
};

// The 67 tag names (STYLE, whose content is never text, among them), or nullptr for an unknown (upper-cased) name.
const TTagInfo* FindTag(std::string_view upperName);
int TagCount();

// Attribute symbols in table order; the second VALUE is never matched.
enum class Attr : uint8_t {
  HREF, NAME, SRC, ALT, ALIGN, TEXT, BGCOLOR, LINK, BACKGROUND, COLSPAN, ROWSPAN, BORDER,
  CELLPADDING, CELLSPACING, VALIGN, WIDTH, START, VALUE, TYPE, CHECKBOX, RADIO, METHOD, ACTION,
  CHECKED, SIZE, MAXLENGTH, COLS, ROWS, MULTIPLE, VALUE2, SELECTED, FACE, COLOR, TRANSP, CLEAR,
  ISMAP, BORDERCOLOR, USEMAP, SHAPE, COORDS, NOHREF, HEIGHT, PLAIN, TARGET, NORESIZE, SCROLLING,
  HSPACE, LANGUAGE, FRAMEBORDER, MARGINWIDTH, MARGINHEIGHT, LOOP, ONCLICK, WRAP, NOSHADE,
  HTTP_EQUIV, CONTENT, ENCTYPE, VLINK, OLINK, ACTIVE, VSPACE, NOWRAP,
  Unknown,
};

Attr FindAttribute(std::string_view upperName);  // Attr::Unknown when not listed
int AttributeCount();

}  // namespace tessaly::preview
