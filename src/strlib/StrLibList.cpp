#include "strlib/StrLibList.h"

#include "platform/Files.h"
#include "strlib/EntryEncoding.h"

namespace tessaly::strlib {

namespace {

void CheckIndex(int index, int count) {
  if (index < 0 || index >= count) throw Exception(Format("String library index %d out of bounds", index));
}

}  // namespace

TStrLibItem& TStrLibContainer::Items(int index) {
  CheckIndex(index, Count());
  return *items_[static_cast<size_t>(index)];
}

const TStrLibItem& TStrLibContainer::Items(int index) const {
  CheckIndex(index, Count());
  return *items_[static_cast<size_t>(index)];
}

TStrLibItem& TStrLibContainer::Add() {
  items_.push_back(std::make_unique<TStrLibItem>());
  return *items_.back();
}

void TStrLibContainer::Delete(int index) {
  CheckIndex(index, Count());
  items_.erase(items_.begin() + index);
}

void TStrLibList::LoadFromFile(const std::string& path) { LoadFromBytes(ReadFileBytes(path), path); }

void TStrLibList::LoadFromBytes(std::string_view bytes, const std::string& nameForErrors) {
  const std::string name = nameForErrors.empty() ? std::string("string library") : "\"" + nameForErrors + "\"";
  if (bytes.substr(0, kLibrarySignature.size()) != kLibrarySignature)
    throw EStrLibFormat(name + " is not a string library file (wrong signature)");

  std::vector<std::unique_ptr<TStrLibItem>> loaded;
  try {
    ByteReader reader(bytes);
    reader.Skip(kLibrarySignature.size());
    const int32_t count = reader.ReadInt32();
    if (count < 0) throw EStrLibFormat(Format("negative entry count %d", count));
    reader.Skip(static_cast<size_t>(count) * 4);
    for (int32_t i = 0; i < count; ++i) loaded.push_back(std::make_unique<TStrLibItem>(DecodeEntry(reader)));
  } catch (const EStrLibFormat& error) {
    throw EStrLibFormat("Damaged string library " + name + ": " + error.Message());
  }
  items_ = std::move(loaded);
}

std::string TStrLibList::SaveToBytes() const {
  std::string out(kLibrarySignature);
  AppendInt32(out, Count());
  const size_t tableAt = out.size();
  out.append(items_.size() * 4, '\0');
  for (size_t i = 0; i < items_.size(); ++i) {
    std::string offset;
    AppendInt32(offset, static_cast<int32_t>(out.size()));
    out.replace(tableAt + i * 4, 4, offset);
    EncodeEntry(*items_[i], out);
  }
  return out;
}

void TStrLibList::SaveToFile(const std::string& path) const { WriteFileAtomically(path, SaveToBytes()); }

}  // namespace tessaly::strlib
