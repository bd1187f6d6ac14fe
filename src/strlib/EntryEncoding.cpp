#include "strlib/EntryEncoding.h"

#include <algorithm>

#include "strlib/BlockCompression.h"

namespace tessaly::strlib {

uint8_t ByteReader::ReadByte() { return static_cast<uint8_t>(ReadBytes(1)[0]); }

int32_t ByteReader::ReadInt32() {
  const std::string_view b = ReadBytes(4);
  const uint32_t value = static_cast<uint8_t>(b[0]) | static_cast<uint8_t>(b[1]) << 8 |
                         static_cast<uint8_t>(b[2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(b[3])) << 24;
  return static_cast<int32_t>(value);
}

std::string_view ByteReader::ReadBytes(size_t count) {
  if (count > Remaining())
    throw EStrLibFormat(Format("unexpected end of data at offset %zu (%zu bytes needed, %zu left)", pos_, count,
                               Remaining()));
  const std::string_view part = bytes_.substr(pos_, count);
  pos_ += count;
  return part;
}

void AppendInt32(std::string& out, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((v >> shift) & 0xFF);
}

uint8_t EntryFlags(const TStrLibItem& item) {
  uint8_t flags = item.Compressed() ? efCompressed : 0;
  if (!item.Description().empty()) flags |= efDescription;
  if (item.Identifier() != 0) flags |= efIdentifier;
  if (!item.Lines().empty()) flags |= efLines;
  return flags;
}

namespace {

void EncodeLines(const TStrLibItem& item, std::string& out) {
  const std::string text = item.Text();
  if (!item.Compressed()) {
    AppendInt32(out, static_cast<int32_t>(text.size()));
    out += text;
    return;
  }
  std::string chunks;
  for (size_t at = 0; at < text.size(); at += kMaxPiece) {
    const std::string block = CompressBlock(std::string_view(text).substr(at, kMaxPiece));
    AppendInt32(chunks, static_cast<int32_t>(block.size()));
    chunks += block;
  }
  AppendInt32(out, static_cast<int32_t>(chunks.size()));
  out += chunks;
}

std::string DecodeLinesText(ByteReader& reader, bool compressed) {
  const int32_t total = reader.ReadInt32();
  if (total < 0) throw EStrLibFormat(Format("negative lines block size %d", total));
  ByteReader block(reader.ReadBytes(static_cast<size_t>(total)));
  if (!compressed) return std::string(block.ReadBytes(block.Remaining()));
  std::string text;
  while (block.Remaining() > 0) {
    const int32_t size = block.ReadInt32();
    if (size < 0 || size > 0xFFFF) throw EStrLibFormat(Format("compressed block size %d out of range", size));
    try {
      text += DecompressBlock(block.ReadBytes(static_cast<size_t>(size)));
    } catch (const ECompressedBlock& error) {
      throw EStrLibFormat(error.Message());
    }
  }
  return text;
}

}  // namespace

void EncodeEntry(const TStrLibItem& item, std::string& out) {
  const uint8_t flags = EntryFlags(item);
  out += static_cast<char>(flags);
  if (flags & efDescription) {
    const size_t length = std::min<size_t>(item.Description().size(), 255);
    out += static_cast<char>(length);
    out.append(item.Description(), 0, length);
  }
  if (flags & efIdentifier) AppendInt32(out, item.Identifier());
  if (flags & efLines) EncodeLines(item, out);
}

TStrLibItem DecodeEntry(ByteReader& reader) {
  TStrLibItem item;
  const uint8_t flags = reader.ReadByte();
  item.SetCompressed(flags & efCompressed);
  if (flags & efDescription) {
    const uint8_t length = reader.ReadByte();
    item.SetDescription(std::string(reader.ReadBytes(length)));
  }
  if (flags & efIdentifier) item.SetIdentifier(reader.ReadInt32());
  if (flags & efLines) item.SetLines(SplitLines(DecodeLinesText(reader, flags & efCompressed)));
  return item;
}

}  // namespace tessaly::strlib
