#pragma once
// The editor's command line: nothing, or one page to open. The file
// manager's "Open with" hands the page that way; it opens as a file dropped
// on the window does.

#include <optional>
#include <string>
#include <vector>

namespace tessaly {

class TOsnovnFRM;

inline constexpr const char* CommandLineUsage = "usage: tessaly [FILE]";

// The page the arguments after the program name name, empty for none;
// nullopt for anything else (an option, an empty name, a second argument).
std::optional<std::string> StartFile(const std::vector<std::string>& arguments);

// Opens `path`, absolute or relative to the current folder, in `window` as a
// drop of that one file does; an error shows in the window's error box.
void OpenStartFile(TOsnovnFRM& window, const std::string& path);

}  // namespace tessaly
