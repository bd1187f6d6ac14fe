#pragma once
// The desktop's "open" action through Qt's URL handler.

#include "platform/Shell.h"

namespace tessaly {

class QtShell : public Shell {
public:
  bool Open(const std::string& target) override;
};

}  // namespace tessaly
