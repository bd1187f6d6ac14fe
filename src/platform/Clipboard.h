#pragma once
// The system clipboard as controls see it: plain text (windows-1251 bytes;
// the toolkit side converts) and private formats known by name, whose data
// are bytes. Content is always replaced whole, so that the plain text and a
// private form of the same data never disagree.

#include <map>
#include <optional>
#include <string>

namespace tessaly {

class TClipboard {
public:
  virtual ~TClipboard() = default;

  virtual bool HasText() const = 0;
  virtual std::string Text() const = 0;
  virtual bool HasFormat(const std::string& format) const = 0;
  // The data of a private format; empty when it is absent or cannot be read.
  virtual std::optional<std::string> FormatData(const std::string& format) const = 0;
  // Replaces the whole content; false when the system refused it.
  virtual bool SetContent(const std::string& text, const std::map<std::string, std::string>& formats) = 0;
};

// A clipboard that lives in memory, for tests and the command-line tools.
class TMemoryClipboard : public TClipboard {
public:
  bool HasText() const override { return text_.has_value(); }
  std::string Text() const override { return text_.value_or(std::string()); }
  bool HasFormat(const std::string& format) const override { return formats_.count(format) != 0; }
  std::optional<std::string> FormatData(const std::string& format) const override {
    const auto found = formats_.find(format);
    if (found == formats_.end()) return std::nullopt;
    return found->second;
  }
  bool SetContent(const std::string& text, const std::map<std::string, std::string>& formats) override {
    text_ = text;
    formats_ = formats;
    return true;
  }
  // What another program leaves: plain text only.
  void SetPlainText(const std::string& text) {
    text_ = text;
    formats_.clear();
  }

private:
  std::optional<std::string> text_;
  std::map<std::string, std::string> formats_;
};

}  // namespace tessaly
