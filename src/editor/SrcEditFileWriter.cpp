#include "editor/SrcEditFileWriter.h"

namespace tessaly {

TSrcEditFileWriter::TSrcEditFileWriter(const std::string& fileName) : file_(fileName) { block_.reserve(capacity_); }

void TSrcEditFileWriter::Write(std::string_view bytes) {
  if (block_.size() + bytes.size() > capacity_) {
    Flush();
    if (bytes.size() > capacity_) {
      capacity_ = bytes.size();
      block_.reserve(capacity_);
    }
  }
  block_.append(bytes);
}

void TSrcEditFileWriter::Flush() {
  file_.Write(block_);
  block_.clear();
}

void TSrcEditFileWriter::Commit() {
  Flush();
  file_.Commit();
}

}  // namespace tessaly
