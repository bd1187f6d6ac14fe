#pragma once
// What the document commands put into the text and the saved file: the new
// page, the footer every saved file receives, and the bytes written.
// Everything here is windows-1251 bytes; messages are UTF-8.

#include <string>
#include <vector>

#include "app/documents/EncodingChange.h"
#include "platform/Dialogs.h"

namespace tessaly {

// The file name of an untitled document, kept in the program directory.
inline constexpr const char* UntitledFileName = "Untitled.htm";

// The open and save dialogs of documents: HTML files first, "htm" added to
// a name typed without an extension.
TFileDialogSpec HtmlFileDialogSpec();

// The page New starts with: five lines, stored with mixed line breaks.
std::string NewPageText();
// The footer line appended to a saved file that has none.
std::string FooterLine();
// The footer without its leading "<br><br><center>" and trailing "</a>".
std::string FooterMarker();

// Whether a line holds the footer line, letter case ignored (the test of Save).
bool HasFooterLine(const std::vector<std::string>& lines);
// Whether the text holds the footer marker exactly (the test of Save As).
bool HasFooterMarker(const std::string& text);

// The lines as a file: every line followed by CR LF, the last one included.
std::string FileBytes(const std::vector<std::string>& lines);
// The lines to write: the footer line appended when `addFooter`.
std::vector<std::string> LinesToSave(std::vector<std::string> lines, bool addFooter);

// "Данные были изменены!\nСохранить PATH?" (UTF-8, for the question box).
std::string SaveChangesQuestion(const std::string& fileName);
// "Файл сохранен:\r" + PATH (UTF-8).
std::string FileSavedMessage(const std::string& fileName);

// "Файл не найден:\r" + PATH + why it left the recent files (UTF-8).
std::string RecentFileMissingMessage(const std::string& fileName);

// Why a text was not converted: bytes its encoding cannot read (UTF-8).
std::string UnreadableBytesMessage(text::Encoding from, const TConversion& conversion);
// Whether to write what `to` lacks as character references (UTF-8).
std::string UnrepresentableQuestion(text::Encoding to, const TConversion& conversion);
// Whether to make the page declare `to`: its declaration rewritten or one
// added (UTF-8).
std::string DeclarationQuestion(text::Encoding to, const TTextEdit& edit);

}  // namespace tessaly
