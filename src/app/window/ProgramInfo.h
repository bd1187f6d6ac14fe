#pragma once
// What the program says about itself: its title, version and web site.

#include <string>

namespace tessaly {

class Dialogs;
class TShell;

inline constexpr const char* ApplicationTitle = "Tessaly";
// The maker's site, opened from the Help menu and the about box.
inline constexpr const char* ProgramSiteAddress = "https://tessaly.example.org/";
// The maker's second site; links to either open in the desktop's browser.
inline constexpr const char* MakerSiteAddress = "https://www.tessaly.example.org/";
// The update information page the update window asks.
inline constexpr const char* UpdatePageAddress = "https://tessaly.example.org/update/tessaly.htm";

// Hands the site address to the desktop's browser; says so when that fails.
void OpenProgramSite(TShell& shell, Dialogs& dialogs);

// The version the build was made with; empty when the build carries none.
std::string ProgramVersion();
// The about box's version line: "v " and the version, or "v не определено".
std::string VersionCaption(const std::string& version);

}  // namespace tessaly
