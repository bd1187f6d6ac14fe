// Closing the main window: the question about unsaved work, the last steps
// before the program ends, and the desktop session ending.

#include <QCloseEvent>
#include <QGuiApplication>
#include <QSessionManager>
#include <QThread>

#include "app/MainWindow.h"
#include "qt/BrowserView.h"
#include "qt/QtSrcEditWidget.h"
#include "visual/WBEdit.h"

namespace tessaly {

namespace {

constexpr unsigned long CloseWaitMilliseconds = 100;

}  // namespace

void TOsnovnFRM::FormCloseQuery(bool& canClose) {
  // Cancel, or a save that failed, keeps the window open without a message.
  try {
    PromptSaveChanges();
    canClose = true;
  } catch (const std::exception&) {
    canClose = false;
  }
}

void TOsnovnFRM::FormClose() {
  QThread::msleep(CloseWaitMilliseconds);
  SrcEdit->Editor().SetText(std::string());
  // A page the browser completes from now on is not made editable: the
  // window is gone and its engine may never answer.
  if (WebBrowser != nullptr) WebBrowser->OnDocumentComplete = nullptr;
}

// The editor uses the clipboard and the highlighter, which go with this
// object before the widget tree would take the editor down.
void TOsnovnFRM::FormDestroy() {
  if (WebBrowser != nullptr) WebBrowser->OnDocumentComplete = nullptr;
  wbEdit_.reset();
  delete SrcEdit;
  SrcEdit = nullptr;
}

void TOsnovnFRM::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  FormCloseQuery(canClose);
  if (!canClose) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

void TOsnovnFRM::ConnectSessionEnd() {
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
    if (!manager.allowsInteraction()) return;
    bool canClose = true;
    FormCloseQuery(canClose);
    manager.release();
    if (!canClose) manager.cancel();
  });
}

}  // namespace tessaly
