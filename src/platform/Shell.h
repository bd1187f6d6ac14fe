#pragma once
// The desktop's "open" action: hands a web address or a file to the program
// the user has chosen for it (the default browser for http addresses).

#include <string>

namespace tessaly {

class Shell {
public:
  virtual ~Shell() = default;
  // `target` is a UTF-8 web address or file path. Returns false when the
  // desktop has no handler for it.
  virtual bool Open(const std::string& target) = 0;
};

}  // namespace tessaly
