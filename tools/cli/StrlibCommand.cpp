// tessaly-cli strlib list|cat|add|compress|decompress: string library files
// and their block compression.

#include <cstdio>
#include <cstdlib>

#include "cli/Command.h"
#include "platform/Files.h"
#include "strlib/BlockCompression.h"
#include "strlib/EntryEncoding.h"
#include "strlib/StrLibList.h"

namespace tessaly::cli {
namespace {

constexpr const char* kUsage =
    "strlib list FILE | strlib cat FILE INDEX | strlib add FILE DESCRIPTION TEXTFILE | "
    "strlib compress IN OUT | strlib decompress IN OUT";

int ParseIndex(const std::string& text) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value < 0 || value > 0x7FFFFFFF) throw UsageError{kUsage};
  return static_cast<int>(value);
}

void List(const std::string& file) {
  strlib::TStrLibList library;
  library.LoadFromFile(file);
  for (int i = 0; i < library.Count(); ++i) {
    const strlib::TStrLibItem& item = library.Items(i);
    std::string line = Format("%d\t%02x\t%d\t", i, strlib::EntryFlags(item), item.Identifier());
    line += item.Description();
    line += Format("\t%zu\n", item.Lines().size());
    WriteOut(line);
  }
}

void Cat(const std::string& file, int index) {
  strlib::TStrLibList library;
  library.LoadFromFile(file);
  WriteOut(library.Items(index).Text());
}

void Add(const std::string& file, const std::string& description, const std::string& textFile) {
  strlib::TStrLibList library;
  if (FileExists(file)) library.LoadFromFile(file);
  strlib::TStrLibItem& item = library.Add();
  item.SetDescription(description);
  item.SetLines(strlib::SplitLines(ReadFileBytes(textFile)));
  library.SaveToFile(file);
}

void Strlib(const Arguments& args) {
  if (args.empty()) throw UsageError{kUsage};
  const std::string& verb = args[0];
  if (verb == "list" && args.size() == 2) return List(args[1]);
  if (verb == "cat" && args.size() == 3) return Cat(args[1], ParseIndex(args[2]));
  if (verb == "add" && args.size() == 4) return Add(args[1], args[2], args[3]);
  if (verb == "compress" && args.size() == 3)
    return WriteFileAtomically(args[2], strlib::CompressBlock(ReadFileBytes(args[1])));
  if (verb == "decompress" && args.size() == 3)
    return WriteFileAtomically(args[2], strlib::DecompressBlock(ReadFileBytes(args[1])));
  throw UsageError{kUsage};
}

const CommandRegistration kStrlib("strlib", kUsage, Strlib);

}  // namespace
}  // namespace tessaly::cli
