#pragma once
// The process-wide list of highlighter classes the program knows.

#include <memory>
#include <string>
#include <vector>

namespace tessaly {

class TSrcCustomHighlighter;

// A highlighter class: its language name and how to make one. Each class has
// exactly one such object, which is what the list compares.
struct TSrcHighlighterClass {
  std::string LanguageName;
  std::unique_ptr<TSrcCustomHighlighter> (*Create)();
};

class TSrcHighlighterList {
public:
  int Count() const { return static_cast<int>(classes_.size()); }
  const TSrcHighlighterClass* Items(int index) const { return classes_.at(static_cast<size_t>(index)); }
  int IndexOf(const TSrcHighlighterClass* highlighterClass) const;
  // Adds the class unless it is listed already.
  void Add(const TSrcHighlighterClass* highlighterClass);

private:
  std::vector<const TSrcHighlighterClass*> classes_;
};

// The list of the process, created on first use and freed at exit.
TSrcHighlighterList& HighlighterList();

void RegisterHighlighterClass(const TSrcHighlighterClass& highlighterClass);

}  // namespace tessaly
