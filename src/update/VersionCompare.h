#pragma once
// Whether a published version is newer than the local one, in one of three
// ways of reading version texts.

#include <string>

namespace tessaly {

enum class TVersionFormat { vfStandard, vfString, vfNumber };

// vfStandard: dot-separated integers compared part by part as far as the
// local version goes (text that is no number counts as 0); vfString: ordinal
// comparison; vfNumber: decimal numbers, false when either is no number.
bool IsNewerVersion(const std::string& local, const std::string& published, TVersionFormat format);

}  // namespace tessaly
