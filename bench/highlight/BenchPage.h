#pragma once
// A large HTML page of the kind people edit: tables, styled text in Russian,
// entities, comments, scripts and forms, in windows-1251.

#include <string>
#include <vector>

namespace tessaly::bench {

struct BenchPage {
  std::string text;                // the page's bytes, lines joined by CR LF
  std::vector<std::string> lines;  // the same page as the editor holds it
};

// About 4 MB; the same page on every run.
const BenchPage& Page();

}  // namespace tessaly::bench
