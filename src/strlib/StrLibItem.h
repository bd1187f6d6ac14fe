#pragma once
// One entry of a string library: a description, an identifier and lines of
// text, kept compressed on disk when `Compressed` is set.

#include <cstdint>
#include <string>
#include <vector>

namespace tessaly::strlib {

class TStrLibItem {
public:
  bool Compressed() const { return compressed_; }
  void SetCompressed(bool compressed) { compressed_ = compressed; }

  const std::string& Description() const { return description_; }
  void SetDescription(std::string description) { description_ = std::move(description); }

  int32_t Identifier() const { return identifier_; }
  void SetIdentifier(int32_t identifier) { identifier_ = identifier; }

  const std::vector<std::string>& Lines() const { return lines_; }
  void SetLines(std::vector<std::string> lines) { lines_ = std::move(lines); }

  // Every line followed by CR LF.
  std::string Text() const;

private:
  bool compressed_ = false;
  std::string description_;
  int32_t identifier_ = 0;
  std::vector<std::string> lines_;
};

// Splits text at CR LF, CR or LF; a break at the very end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace tessaly::strlib
