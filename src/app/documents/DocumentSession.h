#pragma once
// The document the window edits: its file name, the folder its relative
// links and pictures resolve against, its save point (the editor's
// Modified), the footer rules and the document commands. Every way a text
// arrives goes through one step, ShowDocument; the live preview follows the
// editor's text from there. Nothing here needs a window.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/documents/DocumentBytes.h"
#include "app/documents/EncodingChange.h"
#include "platform/Dialogs.h"

namespace tessaly {

class TSrcEdit;

// How the text on show arrived; the window's caption and marquee differ.
enum class TDocumentArrival { New, Opened, Template, Dropped };

class TDocumentSession {
public:
  // `programDirectory` ends with a separator; untitled pages live there.
  TDocumentSession(TSrcEdit& editor, Dialogs& dialogs, std::string programDirectory);
  ~TDocumentSession();
  TDocumentSession(const TDocumentSession&) = delete;
  TDocumentSession& operator=(const TDocumentSession&) = delete;

  const std::string& FileName() const { return fileName_; }
  // The folder relative references of the page resolve against, with a
  // trailing separator: the document's own.
  std::string BaseFolder() const;
  bool Modified() const;
  // How the text is stored in its file: the encoding and its mark.
  const TDocumentFormat& Format() const { return format_; }
  // The encoding of new pages and of files that declare none (a setting).
  text::Encoding DefaultEncoding() const { return defaultEncoding_; }
  void SetDefaultEncoding(text::Encoding encoding) { defaultEncoding_ = encoding; }
  // Text entering the document (UTF-8, or windows-1251 as snippet libraries
  // and the entity table store it) as the document's bytes; a character the
  // encoding lacks becomes a character reference.
  std::string Encoded(const std::string& utf8) const;
  std::string EncodedFromCp1251(const std::string& bytes) const;

  // The commands. Cancel in a question or dialog raises EAbort, which ends
  // the calling command; a failing read or write raises its file error and
  // leaves the document as it was.
  void New();
  void Open();
  void ApplyTemplate(const std::vector<std::string>& lines);
  // A file dropped on the window or named on the command line.
  void OpenDropped(const std::string& path);
  // A file chosen by name without the open dialog (the recent files).
  void OpenPath(const std::string& path);
  void Save();
  void SaveAs();
  // Asks whether to save unsaved changes: Yes saves, No goes on, Cancel aborts.
  void PromptSaveChanges();
  // Reads the document's file again in the encoding the user chose.
  void ReopenWith(text::Encoding encoding);
  // Converts the whole text into `encoding` as one undoable edit, asking
  // first when the encoding lacks some of its characters; then offers to
  // make the page declare it, as one more.
  void ConvertTo(text::Encoding encoding);

  // After a text was shown in the editor.
  std::function<void(TDocumentArrival)> OnShown;
  // After the format changed without a new text: a conversion, or undo and
  // redo across one.
  std::function<void()> OnFormatChanged;
  // After a file was read or written as the document.
  std::function<void(const std::string& path)> OnFileUsed;

private:
  // The one step every arriving text takes. The file name is set first, so
  // whatever follows the editor's change sees the new document's folder.
  void ShowDocument(const std::string& text, const std::string& fileName, const TDocumentFormat& format,
                    TDocumentArrival arrival);
  void ShowFile(const std::string& path, TDocumentArrival arrival);
  void Write(const std::string& path, bool addFooter);
  void Saved(const std::string& path);
  std::string UntitledPath() const;
  // Text in windows-1251, as templates and the new page are stored, in the
  // default encoding's format.
  std::pair<std::string, TDocumentFormat> InDefaultEncoding(const std::string& cp1251Text) const;
  void ReplaceWholeText(const std::string& text);
  void ApplyEdit(const TTextEdit& edit);
  void SetFormat(const TDocumentFormat& format);
  // Undo and redo bring back the format a converted text had.
  void FollowTextState();

  TSrcEdit& editor_;
  Dialogs& dialogs_;
  std::string programDirectory_;
  std::string fileName_;
  TDocumentFormat format_;
  bool untitled_ = false;
  text::Encoding defaultEncoding_ = text::kDefaultEncoding;
  // The formats of the texts on each side of a conversion, by text state.
  std::map<uint64_t, TDocumentFormat> formatAtState_;
  TFileDialogSpec openDialog_;
  TFileDialogSpec saveDialog_;
};

}  // namespace tessaly
