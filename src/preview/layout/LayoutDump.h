#pragma once
// A readable dump of a laid-out document: every block with its rectangle,
// every line with its rectangle and text, images, controls and table cells.

#include <string>

#include "preview/document/SectionList.h"

namespace tessaly::preview {

std::string DumpLayout(const TSectionList& document);

}  // namespace tessaly::preview
