#include "preview/pictures/GifDecoder.h"

#include <cctype>

#include "preview/pictures/GifLzw.h"

namespace tessaly {

namespace {

constexpr const char* kErrorTexts[] = {
    "no error",
    "Invalid GIF Signature Code",
    "No Local or Global Color Table for Image",
    "Unknown Graphics Extension Type",
    "Unknown Graphics Operation Code",
    "Invalid Extension Block Size",
    "[special message]",
    "Invalid Extension Block Terminator",
    "Invalid Integer Size",
    "No GIF Terminator Found",
    "Extension Block Out-Of-Order With Image Data",
    "Invalid Image Descriptor Index",
    "Invalid LZW Code Size",
    "Invalid LZW Data Format",
    "LZW Code Overflow",
    "Value Out Of Range",
    "NIL Pointer assigned",
    "Invalid Color Table Size",
    "No Image Description",
    "Invalid Bitmap Image",
    "Invalid Color Table Index",
    "Invalid Interlace Pass",
    "Invalid Bitmap",
    "Too Many Colors In Bitmap",
    "Unexpected end of file",
};

constexpr uint8_t kImageSeparator = ',';
constexpr uint8_t kExtensionIntroducer = '!';
constexpr uint8_t kTrailer = ';';

constexpr uint8_t kPlainTextLabel = 0x01;
constexpr uint8_t kGraphicControlLabel = 0xF9;
constexpr uint8_t kCommentLabel = 0xFE;
constexpr uint8_t kApplicationLabel = 0xFF;

}  // namespace

const char* GifErrorText(TGifError code) {
  const auto index = static_cast<size_t>(code);
  return index < std::size(kErrorTexts) ? kErrorTexts[index] : kErrorTexts[geValueRange];
}

EGifDecoderError::EGifDecoderError(TGifError code)
    : EInvalidGraphic(std::string("TGifDecoder: ") + GifErrorText(code)), code_(code) {}

EGifDecoderError::EGifDecoderError(TGifError code, const std::string& text)
    : EInvalidGraphic("TGifDecoder: " + text), code_(code) {}

// Bytes of the file; running past the end is error 24.
class TGifDecoder::TReader {
public:
  explicit TReader(std::string_view data) : data_(data) {}

  bool AtEnd() const { return pos_ >= data_.size(); }

  uint8_t Byte() {
    if (AtEnd()) throw EGifDecoderError(geUnexpectedEof);
    return static_cast<uint8_t>(data_[pos_++]);
  }

  int Word() {
    const int low = Byte();
    return low | (Byte() << 8);
  }

  std::string_view Bytes(size_t count) {
    if (data_.size() - pos_ < count) throw EGifDecoderError(geUnexpectedEof);
    const std::string_view bytes = data_.substr(pos_, count);
    pos_ += count;
    return bytes;
  }

  // Data sub-blocks up to the zero-length terminator, each passed to `take`.
  template <typename Take>
  void SubBlocks(Take take) {
    while (const uint8_t size = Byte()) take(Bytes(size));
  }

  TGifSubBlocks SubBlockList() {
    TGifSubBlocks blocks;
    SubBlocks([&](std::string_view block) { blocks.emplace_back(block); });
    return blocks;
  }

private:
  std::string_view data_;
  size_t pos_ = 0;
};

void TGifDecoder::Read(std::string_view data) {
  *this = TGifDecoder();
  TReader in(data);

  signature_ = std::string(in.Bytes(6));
  std::string upper = signature_;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (upper != "GIF87A" && upper != "GIF89A") throw EGifDecoderError(geSignature);

  ReadLogicalScreen(in);

  // A missing trailer is accepted: many files in the wild end without one.
  while (!in.AtEnd()) {
    const uint8_t block = in.Byte();
    if (block == kTrailer || block == 0) break;
    if (block == kImageSeparator) {
      if (!ReadImage(in)) break;
    } else if (block == kExtensionIntroducer) {
      if (!ReadExtension(in)) break;
    } else {
      throw EGifDecoderError(geUnknownOperation);
    }
  }
  if (images_.empty()) throw EGifDecoderError(geNoImage);
}

void TGifDecoder::ReadLogicalScreen(TReader& in) {
  screen_.Width = in.Word();
  screen_.Height = in.Word();
  const uint8_t packed = in.Byte();
  screen_.HasGlobalTable = (packed & 0x80) != 0;
  screen_.ColorResolution = ((packed >> 4) & 7) + 1;
  screen_.Sorted = (packed & 0x08) != 0;
  screen_.GlobalTableSize = 2 << (packed & 7);
  screen_.BackgroundIndex = in.Byte();
  screen_.AspectRatio = in.Byte();
  if (screen_.HasGlobalTable) screen_.GlobalTable = ReadColorTable(in, screen_.GlobalTableSize);
}

int TGifDecoder::ReadColorTable(TReader& in, int size) {
  TGifColorTable table;
  table.Size = size;
  const std::string_view bytes = in.Bytes(static_cast<size_t>(size) * 3);
  for (int i = 0; i < size; ++i) {
    table.Colors[i] = {static_cast<uint8_t>(bytes[i * 3]), static_cast<uint8_t>(bytes[i * 3 + 1]),
                       static_cast<uint8_t>(bytes[i * 3 + 2])};
  }
  colorTables_.push_back(table);
  return static_cast<int>(colorTables_.size()) - 1;
}

bool TGifDecoder::ReadImage(TReader& in) {
  TGifImageDescriptor image = std::move(pending_);
  pending_ = TGifImageDescriptor();
  image.Index = static_cast<int>(images_.size());
  image.Left = in.Word();
  image.Top = in.Word();
  image.Width = in.Word();
  image.Height = in.Word();
  const uint8_t packed = in.Byte();
  image.HasLocalTable = (packed & 0x80) != 0;
  image.Interlaced = (packed & 0x40) != 0;
  image.Sorted = (packed & 0x20) != 0;
  image.LocalTableSize = 2 << (packed & 7);
  if (image.HasLocalTable) {
    image.ColorTable = ReadColorTable(in, image.LocalTableSize);
  } else if (screen_.GlobalTable >= 0) {
    image.ColorTable = screen_.GlobalTable;
  } else {
    throw EGifDecoderError(geNoColorTable);
  }
  image.LzwMinimumCodeSize = in.Byte();

  std::string compressed;
  in.SubBlocks([&](std::string_view block) { compressed.append(block); });

  // A long animation is kept as far as memory allows: its first frames play.
  const size_t pixelCount = static_cast<size_t>(image.Width) * image.Height;
  if (decodedPixels_ + pixelCount > kMaxPicturePixels) {
    if (images_.empty()) throw EGifDecoderError(geBitmapImage);
    return false;
  }
  decodedPixels_ += pixelCount;
  image.Pixels.assign(pixelCount, 0);
  DecodeGifLzw(compressed, image.LzwMinimumCodeSize, image.Width, image.Height, image.Interlaced, image.Pixels);
  images_.push_back(std::move(image));
  return true;
}

bool TGifDecoder::ReadExtension(TReader& in) {
  const uint8_t label = in.Byte();
  switch (label) {
    case kGraphicControlLabel: ReadGraphicControl(in); break;
    case kCommentLabel:
      // A broken comment after the pictures costs nothing worth an error.
      try {
        pending_.Comments.push_back(in.SubBlockList());
      } catch (const EGifDecoderError&) {
        if (images_.empty()) throw;
        return false;
      }
      break;
    case kPlainTextLabel: ReadPlainText(in); break;
    case kApplicationLabel: ReadApplication(in); break;
    default: throw EGifDecoderError(geSpecial, Format("unknown extension: %.4X", label));
  }
  return true;
}

void TGifDecoder::ReadGraphicControl(TReader& in) {
  if (in.Byte() != 4) throw EGifDecoderError(geExtensionBlockSize);
  TGifGraphicControl control;
  const uint8_t packed = in.Byte();
  control.Disposal = (packed >> 2) & 7;
  control.UserInput = (packed & 0x02) != 0;
  control.HasTransparency = (packed & 0x01) != 0;
  control.Delay = in.Word();
  control.TransparentIndex = in.Byte();
  if (in.Byte() != 0) throw EGifDecoderError(geExtensionTerminator);
  pending_.GraphicControl = control;
}

void TGifDecoder::ReadPlainText(TReader& in) {
  if (in.Byte() != 12) throw EGifDecoderError(geExtensionBlockSize);
  TGifPlainText text;
  text.GridLeft = in.Word();
  text.GridTop = in.Word();
  text.GridWidth = in.Word();
  text.GridHeight = in.Word();
  text.CellWidth = in.Byte();
  text.CellHeight = in.Byte();
  text.ForegroundIndex = in.Byte();
  text.BackgroundIndex = in.Byte();
  text.Text = in.SubBlockList();
  pending_.PlainTexts.push_back(std::move(text));
}

void TGifDecoder::ReadApplication(TReader& in) {
  if (in.Byte() != 11) throw EGifDecoderError(geExtensionBlockSize);
  TGifApplication application;
  application.Identifier = std::string(in.Bytes(8));
  application.Authentication = std::string(in.Bytes(3));
  application.Data = in.SubBlockList();
  if (application.Identifier == "NETSCAPE" && !application.Data.empty() && application.Data[0].size() == 3) {
    const std::string& loop = application.Data[0];
    loopCount_ = static_cast<uint8_t>(loop[1]) | (static_cast<uint8_t>(loop[2]) << 8);
  }
  pending_.Applications.push_back(std::move(application));
}

}  // namespace tessaly
