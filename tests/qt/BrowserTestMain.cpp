// The browser tests need the engine's process settings before the one
// application object of the run.

#include <gtest/gtest.h>

#include <QApplication>

#include "qt/BrowserView.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  tessaly::TBrowserView::PrepareProcess();
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
