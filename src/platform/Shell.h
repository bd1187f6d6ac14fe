#pragma once
// The desktop's "open" action: a web address or a file is handed to whatever
// the desktop associates with it; and the desktop's message sounds.

#include <string>

namespace tessaly {

class TShell {
public:
  virtual ~TShell() = default;

  // Opens `target` with `parameters` for the program that handles it; false
  // when the desktop could not.
  virtual bool Open(const std::string& target, const std::string& parameters) = 0;
  // Ends the application after the current event.
  virtual void Terminate() = 0;
  // The system sound of a message type (0x40: information messages); a
  // shell without sound stays silent.
  virtual void MessageBeep(unsigned type) { (void)type; }
};

}  // namespace tessaly
