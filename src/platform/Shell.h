#pragma once
// The desktop's "open" action: a web address or a file is handed to whatever
// the desktop associates with it.

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
};

}  // namespace tessaly
