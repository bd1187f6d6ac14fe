#pragma once
// What every highlighter is to the editor: named token attributes, a line
// scanner that hands out one token at a time, and a small scan state carried
// from the end of one line to the start of the next.

#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "highlight/HighlighterAttributes.h"
#include "platform/EventChain.h"
#include "platform/Exception.h"
#include "platform/text/Encoding.h"

namespace tessaly {

// A set of byte values.
using TSrcCharSet = std::bitset<256>;

// Registering a second attribute under a name already taken.
class EAttributeListError : public Exception {
public:
  using Exception::Exception;
};

class TSrcCustomHighlighter;
using TSrcNotifyEvent = std::function<void(TSrcCustomHighlighter* sender)>;
using TSrcNotifyEventChain = TEventChain<TSrcCustomHighlighter*>;

// Roles for StandardAttri.
enum TSrcStandardRole : int {
  srComment = 0,
  srIdentifier = 1,
  srKeyword = 2,
  srString = 3,
  srWhiteSpace = 4,
  srSymbol = 5,
};

class TSrcCustomHighlighter {
public:
  TSrcCustomHighlighter();
  virtual ~TSrcCustomHighlighter();

  TSrcCustomHighlighter(const TSrcCustomHighlighter&) = delete;
  TSrcCustomHighlighter& operator=(const TSrcCustomHighlighter&) = delete;

  // Attributes, in alphabetical order of their names (case ignored).
  virtual int AttriCount() const;
  virtual TSrcHighlighterAttributes* AttriByIndex(int index) const;  // nullptr when out of range
  // nullptr when the language has no attribute for the role.
  virtual TSrcHighlighterAttributes* StandardAttri(int role) const = 0;

  virtual std::string DefaultFilter() const;
  virtual void SetDefaultFilter(const std::string& value);
  virtual bool IsDefaultFilterStored() const;

  // Bytes that make up a word for word selection. In a multi-byte document
  // (the encoding set here) bytes 0x80 and above are word bytes, so that no
  // word is cut inside a character.
  virtual TSrcCharSet IdentifierCharSet() const;
  text::Encoding Encoding() const { return encoding_; }
  void SetEncoding(text::Encoding encoding) { encoding_ = encoding; }
  const TSrcCharSet& WordBreakCharSet() const { return wordBreakCharSet_; }
  virtual void SetWordBreakCharSet(const TSrcCharSet& value);

  virtual std::string SampleText() const;
  virtual std::string LanguageDisplayName() const;

  // The scanner. The text given to StartLine is not copied: it must stay alive
  // and unchanged until the caller has finished with the line. It is read for
  // `length` bytes, a zero byte among them being a character like any other,
  // and a zero byte must follow them (as it does a std::string's).
  virtual void StartLine(const char* text, size_t length, int lineNumber) = 0;
  void StartLine(const std::string& text, int lineNumber) { StartLine(text.c_str(), text.size(), lineNumber); }
  void StartLine(const char* text, int lineNumber) { StartLine(text, std::char_traits<char>::length(text), lineNumber); }
  void StartLine(std::string&& text, int lineNumber) = delete;
  virtual bool AtLineEnd() const = 0;
  virtual void NextToken() = 0;
  virtual std::string CurrentTokenText() const = 0;
  virtual TSrcHighlighterAttributes* CurrentTokenAttri() const = 0;
  virtual int CurrentTokenKind() const = 0;
  virtual int CurrentTokenStart() const = 0;
  void ScanToLineEnd();

  // After ScanToLineEnd, the state in which the next line begins.
  virtual int32_t GetScanState() const;
  virtual void SetScanState(int32_t state);
  // The state at the start of a document.
  virtual void ResetScanState();

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);

  // Change listeners, known by the object that registered them.
  void AddChangeListener(const void* owner, TSrcNotifyEvent handler);
  void RemoveChangeListener(const void* owner);

  // Told once when the highlighter is destroyed, so that users drop their
  // reference. The handler must not call back into the highlighter.
  void AddDestroyListener(const void* owner, TSrcNotifyEvent handler);
  void RemoveDestroyListener(const void* owner);

protected:
  // Takes ownership; fails with EAttributeListError when the name is taken
  // (case ignored), leaving the registered attribute in place.
  TSrcHighlighterAttributes* RegisterAttri(std::unique_ptr<TSrcHighlighterAttributes> attri);
  // Binds every registered attribute to the handler and captures its current
  // values as its defaults.
  void BindAttriChanges(const std::function<void()>& handler);
  // Tells every change listener, in order of registration.
  void NotifyChanged();

private:
  std::vector<std::unique_ptr<TSrcHighlighterAttributes>> attributes_;  // sorted by name
  TSrcNotifyEventChain changeListeners_;
  TSrcNotifyEventChain destroyListeners_;
  bool enabled_ = true;
  TSrcCharSet wordBreakCharSet_;
  text::Encoding encoding_ = text::kDefaultEncoding;
  std::string defaultFilter_;
};

}  // namespace tessaly
