#include "app/preview/BrowserPage.h"

#include "editor/SrcEdit.h"
#include "editor/SrcEditStringList.h"
#include "platform/Paths.h"
#include "platform/ProgramDirectory.h"

namespace tessaly {

std::string BrowserTempFile(const std::string& fileName) {
  const std::string folder = fileName.empty() ? ProgramDirectory() : ExtractFilePath(fileName);
  return IncludeTrailingPathDelimiter(folder.empty() ? ProgramDirectory() : folder) + BrowserTempFileName;
}

bool ReplaceSourceText(TSrcEdit& editor, const std::string& bytes) {
  TSrcEditStringList lines;
  lines.SetText(bytes);
  // The list's text ends every line with CR LF; inserted text has no break
  // after its last line.
  std::string text = lines.Text();
  if (text.size() >= 2) text.resize(text.size() - 2);
  std::string current = editor.Lines().Text();
  if (current.size() >= 2) current.resize(current.size() - 2);
  if (text == current) return false;
  editor.SelectAll();
  editor.SetSelText(text);
  return true;
}

}  // namespace tessaly
