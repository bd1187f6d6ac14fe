// The application tests need one application object for the whole run.

#include <gtest/gtest.h>

#include <QApplication>

#include "app/window/Application.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  tessaly::PrepareApplication();
  QApplication application(argc, argv);
  tessaly::SetUpApplication(application);
  return RUN_ALL_TESTS();
}
