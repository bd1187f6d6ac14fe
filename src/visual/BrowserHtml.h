#pragma once
// The browser's HTML as source bytes. The engine hands back Unicode; the
// source keeps the bytes of the character set the page was read in, which is
// windows-1251 unless the page names another one.

#include <string>
#include <string_view>

namespace tessaly::visual {

// How the source's bytes are written.
enum class TSourceCharset {
  Cp1251,  // no character set named, or windows-1251 named
  Utf8,    // the page names UTF-8
  Ascii,   // another set we keep no table for: ASCII, the rest as references
};

// The character set a <meta> element of the head names ("charset=" in either
// of its forms), lower case; empty when none does.
std::string NamedCharset(std::string_view html);
TSourceCharset SourceCharsetOf(std::string_view html);

// The engine's UTF-8 serialisation as source bytes in the page's character
// set. Characters the set cannot hold become decimal character references
// ("&#8364;"), so nothing is lost or replaced by "?".
std::string EncodeBrowserHtml(std::string_view utf8);
std::string EncodeAs(std::string_view utf8, TSourceCharset charset);

}  // namespace tessaly::visual
