#include "preview/document/HtmlSymbols.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>

namespace tessaly::preview {

namespace {

constexpr auto None = std::nullopt;

const TTagInfo kTags[] = {
    {"HTML", Sy::Html, Sy::HtmlEnd, false},
    {"TITLE", Sy::Title, Sy::TitleEnd, false},
    {"BODY", Sy::Body, Sy::BodyEnd, true},
    {"HEAD", Sy::Head, Sy::HeadEnd, false},
    {"B", Sy::B, Sy::BEnd, false},
    {"STRONG", Sy::B, Sy::BEnd, false},
    {"I", Sy::I, Sy::IEnd, false},
    {"EM", Sy::I, Sy::IEnd, false},
    {"CITE", Sy::I, Sy::IEnd, false},
    {"VAR", Sy::I, Sy::IEnd, false},
    {"U", Sy::U, Sy::UEnd, false},
    {"S", Sy::S, Sy::SEnd, false},
    {"STRIKE", Sy::S, Sy::SEnd, false},
    {"H", Sy::Heading, Sy::HeadingEnd, true},
    {"TT", Sy::TT, Sy::TTEnd, false},
    {"CODE", Sy::TT, Sy::TTEnd, false},
    {"KBD", Sy::TT, Sy::TTEnd, false},
    {"SAMP", Sy::TT, Sy::TTEnd, false},
    {"OL", Sy::OL, Sy::OLEnd, true},
    {"UL", Sy::UL, Sy::ULEnd, true},
    {"DIR", Sy::Dir, Sy::DirEnd, false},
    {"MENU", Sy::Menu, Sy::MenuEnd, false},
    {"DL", Sy::DL, Sy::DLEnd, false},
    {"LI", Sy::LI, None, false},
    {"DD", Sy::DD, None, false},
    {"DT", Sy::DT, None, false},
    {"A", Sy::A, Sy::AEnd, true},
    {"ADDRESS", Sy::Address, Sy::AddressEnd, false},
    {"BLOCKQUOTE", Sy::BlockQuote, Sy::BlockQuoteEnd, false},
    {"PRE", Sy::Pre, Sy::PreEnd, false},
    {"CENTER", Sy::Center, Sy::CenterEnd, false},
    {"DIV", Sy::Div, Sy::DivEnd, true},
    {"TABLE", Sy::Table, Sy::TableEnd, true},
    {"TR", Sy::TR, Sy::TREnd, true},
    {"TD", Sy::TD, Sy::TDEnd, true},
    {"TH", Sy::TH, Sy::THEnd, true},
    {"CAPTION", Sy::Caption, Sy::CaptionEnd, true},
    {"FORM", Sy::Form, Sy::FormEnd, true},
    {"INPUT", Sy::Input, None, true},
    {"SELECT", Sy::Select, Sy::SelectEnd, true},
    {"OPTION", Sy::Option, Sy::OptionEnd, true},
    {"TEXTAREA", Sy::TextArea, Sy::TextAreaEnd, true},
    {"BUTTON", Sy::Button, None, false},
    {"SELECTED", Sy::Selected, None, false},
    {"WRAP", Sy::Wrap, None, true},
    {"FONT", Sy::Font, Sy::FontEnd, true},
    {"BASEFONT", Sy::BaseFont, None, true},
    {"SUB", Sy::Sub, Sy::SubEnd, false},
    {"SUP", Sy::Sup, Sy::SupEnd, false},
    {"BIG", Sy::Big, Sy::BigEnd, false},
    {"SMALL", Sy::Small, Sy::SmallEnd, false},
    {"P", Sy::P, Sy::PEnd, true},
    {"BR", Sy::BR, None, true},
    {"HR", Sy::HR, None, true},
    {"IMG", Sy::Img, None, true},
    {"BASE", Sy::Base, None, true},
    {"MAP", Sy::Map, Sy::MapEnd, true},
    {"AREA", Sy::Area, None, true},
    {"FRAMESET", Sy::FrameSet, Sy::FrameSetEnd, true},
    {"NOFRAMES", Sy::NoFrames, Sy::NoFramesEnd, false},
    {"FRAME", Sy::Frame, None, true},
    {"SCRIPT", Sy::Script, Sy::ScriptEnd, true},
    {"STYLE", Sy::Style, Sy::StyleEnd, false},
    {"BGSOUND", Sy::BgSound, None, true},
    {"META", Sy::Meta, None, true},
    {"NOBR", Sy::NoBr, Sy::NoBrEnd, false},
    {"WBR", Sy::Wbr, None, false},
};

constexpr std::string_view kAttributeNames[] = {
    "HREF", "NAME", "SRC", "ALT", "ALIGN", "TEXT", "BGCOLOR", "LINK", "BACKGROUND", "COLSPAN",
    "ROWSPAN", "BORDER", "CELLPADDING", "CELLSPACING", "VALIGN", "WIDTH", "START", "VALUE", "TYPE",
    "CHECKBOX", "RADIO", "METHOD", "ACTION", "CHECKED", "SIZE", "MAXLENGTH", "COLS", "ROWS",
    "MULTIPLE", "VALUE", "SELECTED", "FACE", "COLOR", "TRANSP", "CLEAR", "ISMAP", "BORDERCOLOR",
    "USEMAP", "SHAPE", "COORDS", "NOHREF", "HEIGHT", "PLAIN", "TARGET", "NORESIZE", "SCROLLING",
    "HSPACE", "LANGUAGE", "FRAMEBORDER", "MARGINWIDTH", "MARGINHEIGHT", "LOOP", "ONCLICK", "WRAP",
    "NOSHADE", "HTTP-EQUIV", "CONTENT", "ENCTYPE", "VLINK", "OLINK", "ACTIVE", "VSPACE", "NOWRAP",
};
static_assert(std::size(kAttributeNames) == static_cast<size_t>(Attr::Unknown));

template <typename Value>
std::unordered_map<std::string_view, Value> MakeIndex(size_t count, auto nameOf, auto valueOf) {
  std::unordered_map<std::string_view, Value> index;
  for (size_t i = 0; i < count; ++i) index.emplace(nameOf(i), valueOf(i));  // first one wins
  return index;
}

}  // namespace

const TTagInfo* FindTag(std::string_view upperName) {
  static const auto index = MakeIndex<const TTagInfo*>(
      std::size(kTags), [](size_t i) { return kTags[i].Name; }, [](size_t i) { return &kTags[i]; });
  const auto found = index.find(upperName);
  return found == index.end() ? nullptr : found->second;
}

int TagCount() { return static_cast<int>(std::size(kTags)); }

Attr FindAttribute(std::string_view upperName) {
  static const auto index = MakeIndex<Attr>(
      std::size(kAttributeNames), [](size_t i) { return kAttributeNames[i]; },
      [](size_t i) { return static_cast<Attr>(i); });
  const auto found = index.find(upperName);
  return found == index.end() ? Attr::Unknown : found->second;
}

int AttributeCount() { return static_cast<int>(std::size(kAttributeNames)); }

}  // namespace tessaly::preview
