#pragma once
// The document's animated images: advanced together on the 50 ms timer, and
// joined and left by hover images (IMG with ACTIVE) as the pointer moves.

#include <cstdint>
#include <functional>
#include <vector>

#include "preview/pictures/GifAnimation.h"

namespace tessaly {

class TGifAnimationList {
public:
  static constexpr int kTimerInterval = 50;  // milliseconds

  // Receives the painted rectangle of every image whose frame changed.
  std::function<void(const TRect&)> OnInvalidate;

  void Add(TGifAnimation& animation);
  void Remove(TGifAnimation& animation);
  bool Contains(const TGifAnimation& animation) const;
  bool Empty() const { return items_.empty(); }
  void Clear() { items_.clear(); }

  // One timer tick.
  void Tick(int64_t now);
  // After each layout: every image back to frame 1, stopped and started again.
  void Restart(int64_t now);

  // Hover images do not animate on their own: under the pointer a two-frame
  // GIF shows its second frame and a longer one animates; when the pointer
  // leaves it stops on frame 1.
  void PointerEntered(TGifAnimation& animation, int64_t now);
  void PointerLeft(TGifAnimation& animation);

private:
  void Invalidate(const TGifAnimation& animation);

  std::vector<TGifAnimation*> items_;
};

}  // namespace tessaly
