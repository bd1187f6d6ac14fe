#include "app/documents/DocumentSession.h"

#include <algorithm>
#include <optional>

#include "app/documents/DocumentText.h"
#include "editor/SrcEdit.h"
#include "editor/SrcEditStringList.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/CodePage1251.h"
#include "platform/Paths.h"

namespace tessaly {

namespace {

// The editor's lines joined by CR LF, without a break after the last, as a
// whole-text replacement takes them.
std::string WholeText(const TSrcEdit& editor) {
  std::string text = editor.Lines().Text();
  if (text.size() >= 2) text.resize(text.size() - 2);
  return text;
}

}  // namespace

TDocumentSession::TDocumentSession(TSrcEdit& editor, Dialogs& dialogs, std::string programDirectory)
    : editor_(editor),
      dialogs_(dialogs),
      programDirectory_(std::move(programDirectory)),
      openDialog_(HtmlFileDialogSpec()),
      saveDialog_(HtmlFileDialogSpec()) {
  editor_.OnChange.Add(this, [this](TSrcEdit&) { FollowTextState(); });
}

TDocumentSession::~TDocumentSession() { editor_.OnChange.Remove(this); }

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
  fileName_ = fileName;
  format_ = format;
  // A new page has no file of its own until Save As gives it one.
  untitled_ = arrival == TDocumentArrival::New || arrival == TDocumentArrival::Template;
  formatAtState_.clear();
  // The editor steps and draws the new text by its encoding's characters.
  editor_.SetEncoding(format.Encoding);
  editor_.SetText(text);
  // The undo history belongs to the text that was replaced: undoing into
  // another document would mix the two.
  editor_.ClearUndoHistory();
  // A file just read is what is on disk; the changes of the text replaced
  // were saved or given up when the user was asked.
  editor_.SetModified(false);
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
  PromptSaveChanges();
  const auto [text, format] = InDefaultEncoding(NewPageText());
  ShowDocument(text, UntitledPath(), format, TDocumentArrival::New);
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
  PromptSaveChanges();
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  // The templates' pictures ship in the program directory's images/, where
  // the untitled page lives, so its relative references resolve there.
  const auto [page, format] = InDefaultEncoding(text);
  ShowDocument(page, UntitledPath(), format, TDocumentArrival::Template);
}

void TDocumentSession::OpenDropped(const std::string& path) {
  PromptSaveChanges();
  ShowFile(path, TDocumentArrival::Dropped);
}

void TDocumentSession::OpenPath(const std::string& path) {
  PromptSaveChanges();
  ShowFile(path, TDocumentArrival::Opened);
}

void TDocumentSession::ShowFile(const std::string& path, TDocumentArrival arrival) {
  const TDocumentText document = DocumentFromBytes(ReadFileBytes(path), defaultEncoding_);
  ShowDocument(document.Text, path, document.Format, arrival);
  if (OnFileUsed) OnFileUsed(path);
}

std::pair<std::string, TDocumentFormat> TDocumentSession::InDefaultEncoding(const std::string& cp1251Text) const {
  TDocumentFormat format;
  format.Encoding = defaultEncoding_;
  format.Bom = text::IsUtf16(defaultEncoding_);
  return {EncodeForDocument(cp1251::ToUtf8(cp1251Text), format), format};
}

void TDocumentSession::ReopenWith(text::Encoding encoding) {
  PromptSaveChanges();
  const std::string path = fileName_;
  const TDocumentText document = DocumentFromBytesAs(ReadFileBytes(path), encoding);
  ShowDocument(document.Text, path, document.Format, TDocumentArrival::Opened);
}

void TDocumentSession::ConvertTo(text::Encoding encoding) {
  if (encoding == format_.Encoding) return;
  const TConversion conversion = ConvertText(WholeText(editor_), format_.Encoding, encoding);
  if (conversion.Invalid > 0) {
    dialogs_.MessageDlg(UnreadableBytesMessage(format_.Encoding, conversion), std::string(), TMsgDlgType::mtError,
                        mbOK, mbOK);
    throw EAbort();
  }
  if (conversion.Unrepresentable > 0 &&
      dialogs_.MessageDlg(UnrepresentableQuestion(encoding, conversion), std::string(),
                          TMsgDlgType::mtConfirmation, mbYes | mbCancel, mbYes) != mrYes)
    throw EAbort();
  TDocumentFormat converted;
  converted.Encoding = encoding;
  converted.Bom = text::IsUtf16(encoding);  // UTF-16 is known by its mark
  // Both sides of the edit keep their formats, for undo and redo.
  formatAtState_[editor_.TextState()] = format_;
  ReplaceWholeText(conversion.Text);
  formatAtState_[editor_.TextState()] = converted;
  SetFormat(converted);

  const std::optional<TTextEdit> declaration = CharsetDeclarationEdit(conversion.Text, encoding);
  if (declaration && dialogs_.MessageDlg(DeclarationQuestion(encoding, *declaration), std::string(),
                                         TMsgDlgType::mtConfirmation, mbYes | mbNo, mbYes) == mrYes)
    ApplyEdit(*declaration);
}

void TDocumentSession::ReplaceWholeText(const std::string& text) {
  // Recorded even when the bytes stay the same (UTF-8 to UTF-16, ASCII), so
  // that one Undo always takes the conversion back.
  const int caretLine = editor_.CaretY();
  editor_.BreakUndoGroup();
  editor_.SelectAll();
  editor_.SetSelText(text);
  editor_.BreakUndoGroup();
  editor_.SetCaretXY({1, std::min(caretLine, std::max(1, editor_.Lines().Count()))});
}

void TDocumentSession::ApplyEdit(const TTextEdit& edit) {
  const std::string text = WholeText(editor_);
  const auto coordOf = [&text](std::size_t offset) {
    const std::size_t lineStart = text.rfind("\r\n", offset == 0 ? 0 : offset - 1);
    const std::size_t column = lineStart == std::string::npos ? offset : offset - lineStart - 2;
    int line = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos && at < offset; at = text.find("\r\n", at + 2))
      ++line;
    return TBufferCoord{static_cast<int>(column) + 1, line};
  };
  const TBufferCoord start = coordOf(edit.Offset);
  const TBufferCoord end = coordOf(edit.Offset + edit.Length);
  editor_.PlaceCaretAndSelection(end, start, end);
  editor_.SetSelText(edit.Replacement);
  editor_.BreakUndoGroup();
}

void TDocumentSession::SetFormat(const TDocumentFormat& format) {
  format_ = format;
  editor_.SetEncoding(format.Encoding);
  if (OnFormatChanged) OnFormatChanged();
}

void TDocumentSession::FollowTextState() {
  const auto known = formatAtState_.find(editor_.TextState());
  if (known != formatAtState_.end() && !(known->second == format_)) SetFormat(known->second);
}

void TDocumentSession::Write(const std::string& path, bool addFooter) {
  // Written in the encoding the file was read in, with its mark.
  WriteFileAtomically(path, FileBytesOf(FileBytes(LinesToSave(editor_.Lines().Strings(), addFooter)), format_));
}

void TDocumentSession::Saved(const std::string& path) {
  fileName_ = path;
  untitled_ = false;
  editor_.SetModified(false);
  if (OnFileUsed) OnFileUsed(path);
  dialogs_.MessageDlg(FileSavedMessage(fileName_), std::string(), TMsgDlgType::mtInformation, mbOK, mbOK);
}

void TDocumentSession::Save() {
  // A page never saved would land on "Untitled.htm" over the last one.
  if (fileName_.empty() || untitled_) {
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
