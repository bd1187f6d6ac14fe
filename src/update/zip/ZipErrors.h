#pragma once
// The extractor's message table: every failure reaches the error event with
// one of these codes and its text.

#include <string>

#include "platform/Exception.h"

namespace tessaly::zip {

enum TZipErrorCode {
  zeOpenArchive = 1,
  zeNoCentralDirectory,
  zeBadCentralDirectory,
  zeBadLocalHeader,
  zeOpenFile,
  zeCrcCheck,
  zeUnsupportedMethod,
  zeWrongPassword,
  zeUnsafePath,
  zeWriteFile,
  zeBadData,
  zeDiskFull,
};

// The fixed text of a code ("File fails CRC check").
const char* ZipErrorText(TZipErrorCode code);

// The code's text, then ": " and the details when there are any.
std::string ZipErrorMessage(TZipErrorCode code, const std::string& details);

// A failure with its code and ZipErrorMessage as its message.
class EZipError : public Exception {
public:
  EZipError(TZipErrorCode code, const std::string& details);
  TZipErrorCode Code() const { return code_; }

private:
  TZipErrorCode code_;
};

}  // namespace tessaly::zip
