#pragma once
// The update information page: an HTML page whose META lines carry named
// values, found by plain text matching line by line.

#include <array>
#include <string>
#include <vector>

namespace tessaly {

// The names of the META tags looked for, and (in TTagValues) what was found.
struct TTagInfo {
  std::string Author = "upAuthor";
  std::string Email = "upEmail";
  std::string Download = "upDownload";
  std::string ClientFileName = "upClientSideName";
  std::string ProductName = "upProduct";
  std::string Redirection = "upRedirection";
  std::string RunParameters = "upRunParameters";
  std::string Version = "upVersion";
};
using TTagValues = TTagInfo;

// Clears all eight values, then fills in those whose tag `names` finds in
// `lines`; a later line with the same name replaces an earlier value.
void ParseUpdatePage(const std::vector<std::string>& lines, const TTagInfo& names, TTagValues& values);

// The value of the one tag `name` in `lines`, by the same rules; empty when
// the page does not carry it.
std::string PageValue(const std::vector<std::string>& lines, const std::string& name);

// Every field cleared.
TTagValues EmptyTagValues();

// The text split into lines at CR LF, LF or CR, as a string list takes it.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace tessaly
