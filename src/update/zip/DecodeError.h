#pragma once
// The failure of a decoder on bad compressed data. The message names the kind
// of damage ("invalid distance too far back"), one text per kind.

#include "platform/Exception.h"

namespace tessaly::zip {

class EDecodeError : public Exception {
public:
  using Exception::Exception;
};

}  // namespace tessaly::zip
