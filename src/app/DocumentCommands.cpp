// The document commands of the main window: new, open, save, save as, the
// question before unsaved work is replaced, templates and file drops.

#include <QList>
#include <QMimeData>
#include <QUrl>
#include <QDropEvent>

#include <unistd.h>

#include "app/DocumentText.h"
#include "app/MainWindow.h"
#include "app/StatusCounts.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/ProgramDirectory.h"
#include "qt/MarqueePane.h"
#include "qt/QtPreviewWidget.h"
#include "qt/QtSrcEditWidget.h"

#include <QLabel>
#include <QTabWidget>

namespace tessaly {

namespace {

std::string UntitledPath() { return ProgramDirectory() + UntitledFileName; }

}  // namespace

std::vector<std::string> TOsnovnFRM::EditorLines() const { return SrcEdit->Editor().Lines().Strings(); }

void TOsnovnFRM::WriteDocument(const std::string& path, bool addFooter) {
  WriteFileAtomically(path, FileBytes(LinesToSave(EditorLines(), addFooter)));
}

void TOsnovnFRM::ShowFileSaved() {
  dialogs_.MessageDlg(FileSavedMessage(fileName_), std::string(), TMsgDlgType::mtInformation, mbOK, mbOK);
}

void TOsnovnFRM::PromptSaveChanges() {
  if (!SrcEdit->Editor().Modified()) return;
  switch (dialogs_.MessageDlg(SaveChangesQuestion(fileName_), std::string(), TMsgDlgType::mtConfirmation,
                              mbYes | mbNo | mbCancel, mbYes)) {
    case mrYes: Save1Click(); break;
    case mrNo: break;
    default: throw EAbort();
  }
}

void TOsnovnFRM::New1Click() {
  // Save As without a question; its Cancel keeps the user's text.
  if (SrcEdit->Editor().Modified()) Saveas1Click();
  SrcEdit->Editor().SetText(NewPageText());
  Viewer->Viewer().ClearPage();
  SyncSelection = true;
  LivePreview = true;
  fileName_ = UntitledPath();
  StatusM->SetCaption(QString::fromStdString(fileName_));
  Viewer->Viewer().LoadLines(EditorLines(), std::string());
}

void TOsnovnFRM::Open1Click() {
  PromptSaveChanges();
  OpenDialog.InitialDir = fileName_.empty() ? ProgramDirectory() : ExtractFilePath(fileName_);
  OpenDialog.FilterIndex = 1;
  if (!dialogs_.OpenFile(OpenDialog)) return;
  const std::string path = OpenDialog.FileName;
  SrcEdit->Editor().SetText(ReadFileBytes(path));
  Viewer->Viewer().OpenHtmlFile(path);
  fileName_ = path;
  StatusM->SetCaption(QString::fromStdString(fileName_));
  UpdateStatusCounts();
  LivePreview = true;
  SyncSelection = true;
}

void TOsnovnFRM::Save1Click() {
  if (fileName_.empty()) {
    Saveas1Click();
    return;
  }
  // The footer is looked for in the whole text, so a file never gets a
  // second one, and the user's caret and selection stay where they are.
  WriteDocument(fileName_, !HasFooterLine(EditorLines()));
  SrcEdit->Editor().SetModified(false);
  ShowFileSaved();
}

void TOsnovnFRM::Saveas1Click() {
  SaveDialog1.InitialDir = ExtractFilePath(fileName_);
  SaveDialog1.FileName = ExtractFileName(fileName_);
  if (!dialogs_.SaveFile(SaveDialog1)) throw EAbort();
  const std::string path = SaveDialog1.FileName;
  WriteDocument(path, !HasFooterMarker(SrcEdit->Editor().Lines().Text()));
  fileName_ = path;
  SrcEdit->Editor().SetModified(false);
  ShowFileSaved();
}

void TOsnovnFRM::ApplyTemplate(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  SrcEdit->Editor().SetText(text);
  Viewer->Viewer().ClearPage();
  SyncSelection = true;
  LivePreview = true;
  fileName_ = UntitledPath();
  StatusM->SetCaption(QStringLiteral("Новый файл "));
  Viewer->Viewer().LoadLines(EditorLines(), std::string());
  SrcEdit->setFocus();
}

void TOsnovnFRM::WMDropFiles(const std::vector<std::string>& paths) {
  if (paths.empty() || HTMLPageControl->currentIndex() != 0) return;
  const std::string& path = paths.front();
  PromptSaveChanges();
  SrcEdit->Editor().Lines().LoadFromFile(path);
  fileName_ = path;
  // Relative references of the page resolve against its folder.
  if (::chdir(ExtractFilePath(path).c_str()) != 0) throw EFOpenError(path, LastSystemErrorText());
  setWindowTitle(QString::fromStdString(fileName_));
  Viewer->Viewer().LoadLines(EditorLines(), std::string());
  SrcEdit->setFocus();
  LivePreview = true;
  SyncSelection = true;
  SrcEdit->Editor().SetModified(false);
}

void TOsnovnFRM::UpdateStatusCounts() {
  const TSrcEdit& editor = SrcEdit->Editor();
  StatusPanel->setText(QString::fromStdString(StatusCountsText(editor.Lines(), editor.CaretX(), editor.CaretY())));
}

// ---- drops from the desktop ------------------------------------------------------

namespace {

std::vector<std::string> LocalFiles(const QMimeData* data) {
  std::vector<std::string> paths;
  if (data == nullptr) return paths;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  return paths;
}

}  // namespace

void TOsnovnFRM::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void TOsnovnFRM::dragMoveEvent(QDragMoveEvent* event) {
  if (!LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void TOsnovnFRM::dropEvent(QDropEvent* event) {
  const std::vector<std::string> paths = LocalFiles(event->mimeData());
  if (paths.empty()) return;
  event->acceptProposedAction();
  RunCommand([this, &paths] { WMDropFiles(paths); });
}

}  // namespace tessaly
