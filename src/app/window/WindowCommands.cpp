// The window's own commands: the status timer, the about box, the program's
// site, the line numbers, and closing: the question about unsaved work, the
// last steps before the program ends, and the desktop session ending.

#include <QCloseEvent>
#include <QGuiApplication>
#include <QSessionManager>
#include <QThread>

#include "app/preview/LivePreview.h"
#include "app/window/AboutForm.h"
#include "app/window/MainWindow.h"
#include "app/window/ProgramInfo.h"
#include "platform/Exception.h"
#include "qt/MarqueePane.h"
#include "qt/BrowserView.h"
#include "qt/QtSrcEditWidget.h"
#include "visual/WBEdit.h"
#include "editor/SrcGutter.h"

namespace tessaly {

namespace {

constexpr unsigned long CloseWaitMilliseconds = 100;

}  // namespace

void TOsnovnFRM::FormCloseQuery(bool& canClose) {
  // Cancel keeps the window open; a save that failed too, and says why.
  try {
    PromptSaveChanges();
    canClose = true;
  } catch (const EAbort&) {
    canClose = false;
  } catch (const std::exception& error) {
    ShowError(dialogs_, error.what());
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
  livePreview_.reset();
  document_.reset();
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

void TOsnovnFRM::Timer1Timer() {
  StatusM->SetScrolling(false);
  StatusM->SetCaption(QString::fromStdString(FileName()));
}

void TOsnovnFRM::N4Click() {
  if (aboutForm_ != nullptr) aboutForm_->exec();
}

void TOsnovnFRM::SiteItemClick() {
  OpenProgramSite(shell_, dialogs_);
}

void TOsnovnFRM::ExitItemClick() { close(); }

void TOsnovnFRM::BtnKeyClick() {
  TSrcGutter& gutter = SrcEdit->Editor().Gutter();
  gutter.SetShowLineNumbers(!gutter.ShowLineNumbers());
}

}  // namespace tessaly
