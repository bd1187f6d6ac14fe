#pragma once
// The colour depth class of the display pictures are prepared for: 4, 8 or
// 24 bits. Found once at start-up by the toolkit side (today's screens are all
// 24-bit); tests set it to take the palette paths of small displays. Kept in
// this header alone so the setting needs no library of its own.

namespace tessaly {

enum TDisplayDepthClass { ddc4Bit = 4, ddc8Bit = 8, ddc24Bit = 24 };

namespace detail {
inline TDisplayDepthClass displayDepthClass = ddc24Bit;
}

inline TDisplayDepthClass DisplayDepthClass() { return detail::displayDepthClass; }
inline void SetDisplayDepthClass(TDisplayDepthClass depth) { detail::displayDepthClass = depth; }

// The class a display of `bitsPerPixel` belongs to.
constexpr TDisplayDepthClass DepthClassOfBits(int bitsPerPixel) {
  return bitsPerPixel <= 4 ? ddc4Bit : bitsPerPixel <= 8 ? ddc8Bit : ddc24Bit;
}

}  // namespace tessaly
