#pragma once
// The CONTENT of a refresh META: "5; URL=next.htm".

#include <string>

namespace tessaly::preview {

// A leading number is the delay (0 counts as 1) and the text after "URL="
// the address; false, changing nothing, when the delay is not a number.
bool ParseRefreshContent(const std::string& content, int& delay, std::string& url);

}  // namespace tessaly::preview
