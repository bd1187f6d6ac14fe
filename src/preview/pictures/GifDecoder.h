#pragma once
// Reads a GIF 87a or 89a file into its blocks and decoded frames, keeping
// every extension with the image that follows it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "preview/pictures/Palette.h"
#include "preview/pictures/PictureError.h"

namespace tessaly {

// Error codes of the decoder; the number selects the message text.
enum TGifError {
  geNone = 0,
  geSignature = 1,
  geNoColorTable = 2,
  geUnknownExtensionType = 3,
  geUnknownOperation = 4,
  geExtensionBlockSize = 5,
  geSpecial = 6,
  geExtensionTerminator = 7,
  geIntegerSize = 8,
  geNoTerminator = 9,
  geExtensionOrder = 10,
  geImageDescriptorIndex = 11,
  geLzwCodeSize = 12,
  geLzwDataFormat = 13,
  geLzwOverflow = 14,
  geValueRange = 15,
  geNilPointer = 16,
  geColorTableSize = 17,
  geNoImage = 18,
  geBitmapImage = 19,
  geColorTableIndex = 20,
  geInterlacePass = 21,
  geBitmap = 22,
  geTooManyColors = 23,
  geUnexpectedEof = 24,
};

const char* GifErrorText(TGifError code);

// "TGifDecoder: <text>"; the special error carries its own text.
class EGifDecoderError : public EInvalidGraphic {
public:
  explicit EGifDecoderError(TGifError code);
  EGifDecoderError(TGifError code, const std::string& text);
  TGifError Code() const { return code_; }

private:
  TGifError code_;
};

struct TGifColorTable {
  int Size = 0;                             // entries the file gives
  std::array<TPaletteEntry, 256> Colors{};  // entries past Size are black
};

struct TGifGraphicControl {
  int Disposal = 0;  // 0 to 7 as stored
  bool UserInput = false;
  bool HasTransparency = false;
  int Delay = 0;  // hundredths of a second
  int TransparentIndex = 0;
};

using TGifSubBlocks = std::vector<std::string>;

struct TGifPlainText {
  int GridLeft = 0, GridTop = 0, GridWidth = 0, GridHeight = 0;
  int CellWidth = 0, CellHeight = 0;
  int ForegroundIndex = 0, BackgroundIndex = 0;
  TGifSubBlocks Text;
};

struct TGifApplication {
  std::string Identifier;      // 8 bytes
  std::string Authentication;  // 3 bytes
  TGifSubBlocks Data;
};

struct TGifImageDescriptor {
  int Index = 0;
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool HasLocalTable = false;
  bool Interlaced = false;
  bool Sorted = false;
  int LocalTableSize = 0;
  int ColorTable = -1;  // index into TGifDecoder::ColorTables()
  int LzwMinimumCodeSize = 0;
  std::optional<TGifGraphicControl> GraphicControl;
  std::vector<TGifSubBlocks> Comments;
  std::vector<TGifPlainText> PlainTexts;
  std::vector<TGifApplication> Applications;
  std::vector<uint8_t> Pixels;  // Width * Height colour indexes, top row first
};

struct TGifLogicalScreen {
  int Width = 0, Height = 0;
  bool HasGlobalTable = false;
  int ColorResolution = 0;
  bool Sorted = false;
  int GlobalTableSize = 0;
  int BackgroundIndex = 0;
  int AspectRatio = 0;
  int GlobalTable = -1;  // index into TGifDecoder::ColorTables(), -1 when none
};

class TGifDecoder {
public:
  // Decodes the whole GIF; EGifDecoderError on any fault.
  void Read(std::string_view data);

  const std::string& Signature() const { return signature_; }
  const TGifLogicalScreen& LogicalScreen() const { return screen_; }
  const std::vector<TGifColorTable>& ColorTables() const { return colorTables_; }
  const std::vector<TGifImageDescriptor>& Images() const { return images_; }
  int LoopCount() const { return loopCount_; }  // -1 when no NETSCAPE block gave one

private:
  class TReader;
  void ReadLogicalScreen(TReader& in);
  int ReadColorTable(TReader& in, int size);
  bool ReadImage(TReader& in);      // false: no room for more frames
  bool ReadExtension(TReader& in);  // false: stop reading, keep what was read
  void ReadGraphicControl(TReader& in);
  void ReadPlainText(TReader& in);
  void ReadApplication(TReader& in);

  std::string signature_;
  TGifLogicalScreen screen_;
  std::vector<TGifColorTable> colorTables_;
  std::vector<TGifImageDescriptor> images_;
  int loopCount_ = -1;
  size_t decodedPixels_ = 0;
  // Extensions read since the last image, handed to the next one.
  TGifImageDescriptor pending_;
};

}  // namespace tessaly
