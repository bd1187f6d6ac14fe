#pragma once
// windows-1251 bytes to Qt strings and back, by the code page table.

#include <QString>

#include <string>
#include <string_view>

namespace tessaly {

QString QStringFromCp1251(std::string_view bytes);
// Characters the code page cannot hold become '?'; *lossless tells whether
// that happened.
std::string Cp1251FromQString(const QString& text, bool* lossless = nullptr);

}  // namespace tessaly
