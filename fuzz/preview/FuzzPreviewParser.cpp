// Arbitrary bytes through both parser entry points, with every callback
// assigned, then through the source mapping and the dumps; the page is read
// as UTF-8 or as a single-byte encoding by the parity of its length.

#include <cstddef>
#include <cstdint>
#include <string>

#include "preview/document/DocumentDump.h"
#include "preview/parser/PreviewParser.h"

using namespace tessaly::preview;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  TPreviewParser parser;
  parser.Encoding = size % 2 ? tessaly::text::Encoding::Utf8 : tessaly::text::Encoding::Windows1251;
  TSectionList document;
  TNameList names;
  TPreviewContainer container;  // takes the script events
  document.Container = &container;
  auto include = [](const std::string&, std::vector<std::string>&, std::string& replacement) {
    replacement = "<b>in</b>clude<!--#include file=x--> &amp;<table><td>";
  };
  parser.ParseHtmlDocument(text, document, &names, [](auto&, auto&, auto&) {}, [](auto&, int, bool) {}, include);
  int end = 0;
  ForEachSection(document, [&](const TSection& section) { end = section.StartCurs + section.Len; });
  for (int curs = 0; curs <= end; curs += 7) {
    const int index = document.SourcePosOf(curs);
    if (index >= static_cast<int>(size)) __builtin_trap();
    document.DocPosOf(index, curs % 2 == 0);
  }
  DumpDocument(document, {parser.Title(), parser.Base(), parser.BaseTarget(), &names});
  for (const auto& form : document.HtmlFormList) form->Submission();

  document.Clear();
  names.clear();
  parser.ParsePlainText(text, document, &names);
  DumpIndexRuns(document);
  return 0;
}
