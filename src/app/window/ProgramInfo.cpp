#include "app/window/ProgramInfo.h"

#include "platform/Dialogs.h"
#include "platform/Shell.h"

namespace tessaly {

std::string ProgramVersion() {
#ifdef TESSALY_VERSION_TEXT
  return TESSALY_VERSION_TEXT;
#else
  return std::string();
#endif
}

void OpenProgramSite(TShell& shell, Dialogs& dialogs) {
  if (!shell.Open(ProgramSiteAddress, "")) ShowError(dialogs, std::string("Не удалось открыть ") + ProgramSiteAddress);
}

std::string VersionCaption(const std::string& version) {
  return "v " + (version.empty() ? std::string("не определено") : version);
}

}  // namespace tessaly
