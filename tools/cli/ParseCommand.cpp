// tessaly-cli parse: the preview document a page turns into, as readable text.

#include <optional>
#include <string>

#include "cli/Command.h"
#include "cli/EncodingArgument.h"
#include "platform/Files.h"
#include "preview/document/DocumentDump.h"
#include "preview/parser/PreviewParser.h"
#include "preview/viewer/PageText.h"

namespace tessaly::cli {

namespace {

constexpr const char* kUsage =
    "parse [--text | --map | --plain] [--encoding NAME] FILE\n"
    "      prints the preview document of an HTML page: title, base, base target, then\n"
    "      one line per block indented by nesting, with font runs, images, controls,\n"
    "      tables, rows and cells; alignments print as names (align=center,\n"
    "      valign=middle) and widths as pixels or percent (width=300, width=50%);\n"
    "      text prints as UTF-8, control characters, the no-break space and \\ as \\xHH.\n"
    "      The page's encoding is detected as the editor detects it unless --encoding\n"
    "      names one (UTF-8, windows-1251, koi8-r, ...).\n"
    "      --text  only the text of every section, one section per line\n"
    "      --map   every section's source index runs as textpos:sourceindex pairs,\n"
    "              textpos:sourceindex*bytes where a character took several bytes\n"
    "      --plain read FILE as plain text instead of HTML";

void RunParse(const Arguments& args) {
  enum class Output { Document, Text, Map } output = Output::Document;
  bool plain = false;
  std::string file;
  std::optional<text::Encoding> encoding;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--text") output = Output::Text;
    else if (arg == "--encoding") encoding = EncodingArgument(args, i, kUsage);
    else if (arg == "--map") output = Output::Map;
    else if (arg == "--plain") plain = true;
    else if (!arg.empty() && arg[0] == '-') throw UsageError{kUsage};
    else if (file.empty()) file = arg;
    else throw UsageError{kUsage};
  }
  if (file.empty()) throw UsageError{kUsage};

  const preview::TPageText page = preview::ReadPageText(ReadFileBytes(file), encoding);
  preview::TSectionList document;
  preview::TNameList names;
  preview::TPreviewParser parser;
  parser.Encoding = page.Encoding;
  if (plain) parser.ParsePlainText(page.Text, document, &names);
  else parser.ParseHtmlDocument(page.Text, document, &names, nullptr, nullptr, nullptr);

  switch (output) {
    case Output::Text: WriteOut(preview::DumpSectionTexts(document)); break;
    case Output::Map: WriteOut(preview::DumpIndexRuns(document)); break;
    case Output::Document:
      WriteOut(preview::DumpDocument(document, {parser.Title(), parser.Base(), parser.BaseTarget(), &names}));
      break;
  }
}

const CommandRegistration registration("parse", kUsage, RunParse);

}  // namespace

}  // namespace tessaly::cli
