#include "app/documents/DocumentSession.h"

#include "app/documents/DocumentText.h"
#include "editor/SrcEdit.h"
#include "editor/SrcEditStringList.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/CodePage1251.h"
#include "platform/Paths.h"

namespace tessaly {

TDocumentSession::TDocumentSession(TSrcEdit& editor, Dialogs& dialogs, std::string programDirectory)
    : editor_(editor),
      dialogs_(dialogs),
      programDirectory_(std::move(programDirectory)),
      openDialog_(HtmlFileDialogSpec()),
      saveDialog_(HtmlFileDialogSpec()) {}

std::string TDocumentSession::BaseFolder() const {
  const std::string folder = ExtractFilePath(fileName_);
  return folder.empty() ? programDirectory_ : IncludeTrailingPathDelimiter(folder);
}

bool TDocumentSession::Modified() const { return editor_.Modified(); }

std::string TDocumentSession::Encoded(const std::string& utf8) const { return EncodeForDocument(utf8, format_); }

std::string TDocumentSession::EncodedFromCp1251(const std::string& bytes) const {
  return Encoded(cp1251::ToUtf8(bytes));
}

std::string TDocumentSession::UntitledPath() const { return programDirectory_ + UntitledFileName; }

void TDocumentSession::ShowDocument(const std::string& text, const std::string& fileName,
                                    const TDocumentFormat& format, TDocumentArrival arrival) {
  const bool wasModified = editor_.Modified();
  fileName_ = fileName;
  format_ = format;
  editor_.SetText(text);
  // The undo history belongs to the text that was replaced: undoing into
  // another document would mix the two.
  editor_.ClearUndoHistory();
  // A file just read is what is on disk; a new page is as unsaved as the
  // text it replaced.
  const bool fromFile = arrival == TDocumentArrival::Opened || arrival == TDocumentArrival::Dropped;
  editor_.SetModified(!fromFile && wasModified);
  if (OnShown) OnShown(arrival);
}

void TDocumentSession::PromptSaveChanges() {
  if (!Modified()) return;
  switch (dialogs_.MessageDlg(SaveChangesQuestion(fileName_), std::string(), TMsgDlgType::mtConfirmation,
                              mbYes | mbNo | mbCancel, mbYes)) {
    case mrYes: Save(); break;
    case mrNo: break;
    default: throw EAbort();
  }
}

void TDocumentSession::New() {
  // Save As without a question; its Cancel keeps the user's text.
  if (Modified()) SaveAs();
  ShowDocument(NewPageText(), UntitledPath(), TDocumentFormat(), TDocumentArrival::New);
}

void TDocumentSession::Open() {
  PromptSaveChanges();
  openDialog_.InitialDir = fileName_.empty() ? programDirectory_ : ExtractFilePath(fileName_);
  openDialog_.FilterIndex = 1;
  if (!dialogs_.OpenFile(openDialog_)) return;
  const std::string path = openDialog_.FileName;
  ShowFile(path, TDocumentArrival::Opened);
}

void TDocumentSession::ApplyTemplate(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  // The templates' pictures ship in the program directory's images/, where
  // the untitled page lives, so its relative references resolve there.
  ShowDocument(text, UntitledPath(), TDocumentFormat(), TDocumentArrival::Template);
}

void TDocumentSession::OpenDropped(const std::string& path) {
  PromptSaveChanges();
  ShowFile(path, TDocumentArrival::Dropped);
}

void TDocumentSession::ShowFile(const std::string& path, TDocumentArrival arrival) {
  const TDocumentText document = DocumentFromBytes(ReadFileBytes(path));
  ShowDocument(document.Text, path, document.Format, arrival);
}

void TDocumentSession::Write(const std::string& path, bool addFooter) {
  // Written in the encoding the file was read in, with its mark.
  WriteFileAtomically(path, FileBytesOf(FileBytes(LinesToSave(editor_.Lines().Strings(), addFooter)), format_));
}

void TDocumentSession::Saved(const std::string& path) {
  fileName_ = path;
  editor_.SetModified(false);
  dialogs_.MessageDlg(FileSavedMessage(fileName_), std::string(), TMsgDlgType::mtInformation, mbOK, mbOK);
}

void TDocumentSession::Save() {
  if (fileName_.empty()) {
    SaveAs();
    return;
  }
  // The footer is looked for in the whole text, so a file never gets a
  // second one, and the user's caret and selection stay where they are.
  const std::string path = fileName_;
  Write(path, !HasFooterLine(editor_.Lines().Strings()));
  Saved(path);
}

void TDocumentSession::SaveAs() {
  saveDialog_.InitialDir = ExtractFilePath(fileName_);
  saveDialog_.FileName = ExtractFileName(fileName_);
  if (!dialogs_.SaveFile(saveDialog_)) throw EAbort();
  const std::string path = saveDialog_.FileName;
  Write(path, !HasFooterMarker(editor_.Lines().Text()));
  Saved(path);
}

}  // namespace tessaly
