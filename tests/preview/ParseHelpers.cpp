#include "ParseHelpers.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/Files.h"
#include "preview/document/DocumentDump.h"

namespace tessaly::preview::test {

void ExpectGolden(const std::string& actual, const std::string& expectedPath) {
  const std::string expected = FileExists(expectedPath) ? ReadFileBytes(expectedPath) : std::string();
  if (actual != expected) std::ofstream(expectedPath + ".new", std::ios::binary) << actual;
  EXPECT_EQ(actual, expected) << "actual dump written to " << expectedPath << ".new";
}

void PageContainer::ScriptEvent(const std::string& name, const std::string& language, const std::string& script) {
  Calls.push_back("script name=" + name + " language=" + language + " text=\"" + script + "\"");
}

void ParsedPage::Html(const std::string& source) {
  Document->Container = &Container;
  auto meta = [this](const std::string& httpEquiv, const std::string& name, const std::string& content) {
    Calls.push_back("meta http-equiv=" + httpEquiv + " name=" + name + " content=" + content);
  };
  auto sound = [this](const std::string& source, int loop, bool terminate) {
    Calls.push_back("sound " + source + " loop=" + std::to_string(loop) + (terminate ? " terminate" : ""));
  };
  auto include = [this](const std::string& command, std::vector<std::string>& params, std::string& replacement) {
    std::string call = "include " + command;
    for (const auto& param : params) call += " " + param;
    Calls.push_back(call);
    if (command == "include") replacement = IncludeText;
  };
  Parser.ParseHtmlDocument(source, *Document, &Names, meta, sound, include);
}

void ParsedPage::Plain(const std::string& source) { Parser.ParsePlainText(source, *Document, &Names); }

std::string ParsedPage::Dump() const {
  std::string dump = DumpDocument(*Document, {Parser.Title(), Parser.Base(), Parser.BaseTarget(), &Names});
  for (const auto& call : Calls) dump += "call " + EscapeText(call) + "\n";
  return dump;
}

std::vector<const TSection*> ParsedPage::Sections() const {
  std::vector<const TSection*> sections;
  ForEachSection(*Document, [&](const TSection& section) { sections.push_back(&section); });
  return sections;
}

std::string ParsedPage::Texts() const {
  std::string texts;
  for (const TSection* section : Sections()) texts += (texts.empty() ? "" : "|") + ToUtf8(section->Buff);
  return texts;
}

}  // namespace tessaly::preview::test
