#pragma once
// The real main window with its about box and update window, created offscreen,
// with scripted dialogs and a shell that only records what it was asked to open.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/window/Application.h"
#include "app/window/MainWindow.h"
#include "TempDir.h"
#include "platform/ProgramDirectory.h"
#include "platform/ScriptedDialogs.h"
#include "platform/Shell.h"

namespace tessaly {

class RecordingShell : public TShell {
public:
  bool Open(const std::string& target, const std::string&) override {
    opened.push_back(target);
    return succeeds;
  }
  void Terminate() override {}
  std::vector<std::string> opened;
  bool succeeds = true;
};

// Runs the event loop until `done` holds or `milliseconds` pass; returns `done()`.
inline bool ProcessEventsUntil(const std::function<bool()>& done, int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

class MainWindowTest : public testing::Test {
protected:
  void SetUp() override {
    // The window keeps its untitled document, settings and snippet libraries
    // there; the shipped libraries are in place as after a first start.
    SeedProgramDirectory(programDir.Path(), std::string(TESSALY_SOURCE_DIR) + "/data");
    SetProgramDirectory(programDir.Path());
    forms = std::make_unique<TApplicationForms>(dialogs, shell, "1.2.3");
    window().show();
  }
  void TearDown() override { forms.reset(); }

  TOsnovnFRM& window() { return forms->OsnovnFRM(); }

  test::TempDir programDir;
  ScriptedDialogs dialogs;
  RecordingShell shell;
  std::unique_ptr<TApplicationForms> forms;
};

}  // namespace tessaly
