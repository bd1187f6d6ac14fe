#pragma once
// The desktop's "open" action through Qt: files and addresses go to the
// desktop's URL handler; a program given parameters is started with them.

#include "platform/Shell.h"

namespace tessaly {

class QtShell : public TShell {
public:
  bool Open(const std::string& target, const std::string& parameters) override;
  void Terminate() override;
  void MessageBeep(unsigned type) override;
};

}  // namespace tessaly
