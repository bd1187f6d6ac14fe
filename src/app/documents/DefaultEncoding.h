#pragma once
// The encoding of new pages and of files that declare none: a setting kept
// in the settings file (section "Documents", key "DefaultEncoding", the
// encoding's name), windows-1251 until the user chooses another.

#include <string>

#include "platform/text/Encoding.h"

namespace tessaly {

// An unreadable file, a missing key or a name of no encoding reads as the
// built-in default.
text::Encoding ReadDefaultEncoding(const std::string& settingsFile);
// Raises the file error when the settings cannot be written.
void WriteDefaultEncoding(const std::string& settingsFile, text::Encoding encoding);

}  // namespace tessaly
