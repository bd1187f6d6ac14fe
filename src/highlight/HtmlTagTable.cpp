#include "highlight/HtmlTagTable.h"

#include <string>

namespace tessaly::html {

namespace {

// Opening names as stored; the comparison ignores case.
constexpr std::array<std::string_view, 108> kOpeningNames = {
    "A",        "ABBR",     "ACRONYM",  "ADDRESS",  "APPLET",   "AREA",     "B",        "BASE",
    "BASEFONT", "BGSOUND",  "BIG",      "BLINK",    "BLOCKQUOTE", "BODY",   "BR",       "BUTTON",
    "CAPTION",  "CENTER",   "CITE",     "CODE",     "COL",      "COLGROUP", "COMMENT",  "DD",
    "DEL",      "DFN",      "DIR",      "DIV",      "DL",       "DT",       "EM",       "EMBED",
    "FIELDSET", "FONT",     "FORM",     "FRAME",    "FRAMESET", "H1",       "H2",       "H3",
    "H4",       "H5",       "H6",       "HEAD",     "HR",       "HTML",     "I",        "IFRAME",
    "ILAYER",   "IMG",      "INPUT",    "INS",      "ISINDEX",  "KBD",      "KEYGEN",   "LABEL",
    "LAYER",    "LEGend",   "LI",       "LINK",     "LISTING",  "MAP",      "MARQUEE",  "MENU",
    "META",     "MULTICOL", "NEXTID",   "NOBR",     "NOEMBED",  "NOFRAMES", "NOLAYER",  "NOSCRIPT",
    "object",   "OL",       "OPTION",   "P",        "PARAM",    "PLAINTEXT", "PRE",     "Q",
    "S",        "SAMP",     "SCRIPT",   "SELECT",   "SERVER",   "SMALL",    "SPACER",   "SPAN",
    "STRIKE",   "STRONG",   "STYLE",    "SUB",      "SUP",      "TABLE",    "TBODY",    "TD",
    "TEXTAREA", "TFOOT",    "TH",       "THEAD",    "TITLE",    "TR",       "TT",       "U",
    "UL",       "var",      "WBR",      "XMP",
};

// Empty elements: no closing form is known for them.
constexpr std::array<std::string_view, 19> kWithoutClosingName = {
    "AREA", "BASE",  "BASEFONT", "BGSOUND", "BR",    "COL",       "FRAME",  "HR",     "IMG", "INPUT",
    "ISINDEX", "KEYGEN", "LINK", "META",    "NEXTID", "PARAM", "PLAINTEXT", "SPACER", "WBR",
};

bool HasClosingName(std::string_view name) {
  for (std::string_view empty : kWithoutClosingName)
    if (empty == name) return false;
  return true;
}

struct KnownNames {
  std::vector<std::string> closing;  // storage for the "/NAME" forms
  std::vector<std::string_view> all;
};

const KnownNames& BuildKnownNames() {
  static const KnownNames names = [] {
    KnownNames built;
    for (std::string_view name : kOpeningNames)
      if (HasClosingName(name)) built.closing.push_back("/" + std::string(name));
    built.all.assign(kOpeningNames.begin(), kOpeningNames.end());
    built.all.insert(built.all.end(), built.closing.begin(), built.closing.end());
    built.all.push_back("!DOCTYPE");
    return built;
  }();
  return names;
}

bool IsAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace

const std::array<int, 256>& CharWeightTable() {
  static const std::array<int, 256> table = [] {
    std::array<int, 256> weights{};
    weights['!'] = 123;
    weights['/'] = 122;
    for (int letter = 0; letter < 26; ++letter) {
      weights['A' + letter] = letter + 1;
      weights['a' + letter] = letter + 1;
    }
    return weights;
  }();
  return table;
}

std::span<const std::string_view> KnownTagNames() { return BuildKnownNames().all; }

const std::array<TagKeywordEntry, TagKeywordTableSize>& TagKeywordTable() {
  static const std::array<TagKeywordEntry, TagKeywordTableSize> table = [] {
    std::array<TagKeywordEntry, TagKeywordTableSize> entries;
    for (std::string_view name : KnownTagNames()) {
      const std::string zeroTerminated(name);
      const int64_t hash = TagNameHash(reinterpret_cast<const unsigned char*>(zeroTerminated.c_str())).hash;
      entries.at(static_cast<size_t>(hash)).push_back(name);
    }
    return entries;
  }();
  return table;
}

TagNameHashResult TagNameHash(const unsigned char* name) {
  const std::array<int, 256>& weights = CharWeightTable();
  TagNameHashResult result;
  const unsigned char* p = name;
  while (*p == '!' || *p == '/' || IsAsciiLetter(*p)) result.hash += weights[*p++];
  while (IsDigit(*p)) result.hash += *p++ - '0';
  result.length = static_cast<int>(p - name);
  return result;
}

bool TagNameEquals(const unsigned char* candidate, int length, std::string_view tableName) {
  if (static_cast<size_t>(length) != tableName.size()) return false;
  const std::array<int, 256>& weights = CharWeightTable();
  for (int i = 0; i < length; ++i)
    if (weights[candidate[i]] != weights[static_cast<unsigned char>(tableName[static_cast<size_t>(i)])])
      return false;
  return true;
}

HtmlTokenKind ClassifyTagName(const unsigned char* name, int& length) {
  const TagNameHashResult hashed = TagNameHash(name);
  length = hashed.length;
  // A long unknown name is coloured as an identifier, not as an unknown word.
  if (hashed.hash >= TagKeywordTableSize) return HtmlTokenKind::IdentifierToken;
  for (std::string_view known : TagKeywordTable()[static_cast<size_t>(hashed.hash)])
    if (TagNameEquals(name, length, known)) return HtmlTokenKind::KeyToken;
  return HtmlTokenKind::UndefKeyToken;
}

}  // namespace tessaly::html
