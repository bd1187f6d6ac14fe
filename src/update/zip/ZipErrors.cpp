#include "update/zip/ZipErrors.h"

namespace tessaly::zip {

const char* ZipErrorText(TZipErrorCode code) {
  switch (code) {
    case zeOpenArchive: return "Error opening archive";
    case zeNoCentralDirectory: return "Central directory not found";
    case zeBadCentralDirectory: return "Bad central directory";
    case zeBadLocalHeader: return "Bad offset to local header";
    case zeOpenFile: return "Error opening file";
    case zeCrcCheck: return "File fails CRC check";
    case zeUnsupportedMethod: return "Unsupported compression method";
    case zeWrongPassword: return "No password fits";
    case zeUnsafePath: return "Path leaves the extraction directory";
    case zeWriteFile: return "Error writing file";
    case zeBadData: return "Error in compressed data";
    case zeDiskFull: return "Not enough disk space";
  }
  return "Unknown error";
}

std::string ZipErrorMessage(TZipErrorCode code, const std::string& details) {
  return details.empty() ? ZipErrorText(code) : std::string(ZipErrorText(code)) + ": " + details;
}

EZipError::EZipError(TZipErrorCode code, const std::string& details)
    : Exception(ZipErrorMessage(code, details)), code_(code) {}

}  // namespace tessaly::zip
