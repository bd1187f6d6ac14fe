#pragma once
// Readable text dumps of a preview document, for the command line and for
// golden tests: one line per block, indented by nesting.

#include <functional>
#include <string>
#include <string_view>

#include "preview/document/SectionList.h"

namespace tessaly::preview {

class TSection;

// UTF-8, with control characters, the no-break space and the backslash as \xHH.
std::string EscapeText(std::u32string_view text);
std::string EscapeText(std::string_view utf8);
std::string ColorText(TColor color);

struct TDumpHeader {
  std::string Title, Base, BaseTarget;
  const TNameList* Names = nullptr;
};

// The whole document: header, blocks with their fields, forms and maps.
std::string DumpDocument(const TSectionList& document, const TDumpHeader& header);
// The text of every section in document order, one section per line.
std::string DumpSectionTexts(const TSectionList& document);
// Every section's source index runs as textpos:sourceindex pairs (with *width
// when its characters are not one byte each), one section per line.
std::string DumpIndexRuns(const TSectionList& document);

// Visits every section in document order (into table captions and cells).
void ForEachSection(const TCell& cell, const std::function<void(const TSection&)>& visit);

}  // namespace tessaly::preview
