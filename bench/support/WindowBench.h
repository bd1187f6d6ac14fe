#pragma once
// What the benchmarks that run the real main window share: a desktop shell
// that opens nothing and one scratch folder for pages and the program
// directory.

#include <string>

#include "TempDir.h"
#include "platform/Shell.h"

namespace tessaly::bench {

class NoShell : public TShell {
public:
  bool Open(const std::string&, const std::string&) override { return true; }
  void Terminate() override {}
};

inline test::TempDir& Folder() {
  static test::TempDir folder;
  return folder;
}

}  // namespace tessaly::bench
