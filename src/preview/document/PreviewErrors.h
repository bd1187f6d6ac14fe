#pragma once
// Failures layout reports to the viewer.

#include "platform/Exception.h"

namespace tessaly::preview {

class EProcessError : public Exception {
public:
  using Exception::Exception;
};

// A page file that is not there.
class EInOutError : public Exception {
public:
  using Exception::Exception;
};

}  // namespace tessaly::preview
