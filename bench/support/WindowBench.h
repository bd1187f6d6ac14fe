#pragma once
// What the benchmarks that run the real main window share: the window with
// scripted dialogs and a desktop shell that opens nothing, one scratch folder
// for pages and the program directory, and sample pages written there once.

#include <string>

#include "TempDir.h"
#include "app/window/Application.h"
#include "app/window/MainWindow.h"
#include "platform/Files.h"
#include "platform/ScriptedDialogs.h"
#include "platform/Shell.h"
#include "support/SampleHtml.h"

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

// A sample page of `bytes` bytes in the scratch folder.
inline std::string SamplePagePath(size_t bytes, SampleText kind = SampleText::Cp1251) {
  static const char* const kSuffix[] = {"", "-ascii", "-utf8"};
  const std::string path =
      Folder().File("page" + std::to_string(bytes) + kSuffix[static_cast<int>(kind)] + ".htm");
  if (!FileExists(path)) WriteFileAtomically(path, SampleHtml(bytes, kind));
  return path;
}

struct BenchWindow {
  BenchWindow() : forms(dialogs, shell, "bench") {}
  TOsnovnFRM& Window() { return forms.OsnovnFRM(); }
  ScriptedDialogs dialogs;
  NoShell shell;
  TApplicationForms forms;
};

}  // namespace tessaly::bench
