#pragma once
// Pages of everyday markup (text, links, lists, tables, images, forms) of a
// chosen size, the same on every run: in English (ASCII), or the same page
// in Russian as UTF-8, where most letters take two bytes.

#include <cstddef>
#include <string>

namespace tessaly::bench {

enum class TSampleText { Ascii, RussianUtf8 };

std::string SamplePage(size_t bytes, TSampleText text = TSampleText::Ascii);

}  // namespace tessaly::bench
