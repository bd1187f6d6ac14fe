#include "preview/pictures/GifAnimationList.h"

#include <algorithm>

namespace tessaly {

void TGifAnimationList::Add(TGifAnimation& animation) {
  if (!Contains(animation)) items_.push_back(&animation);
}

void TGifAnimationList::Remove(TGifAnimation& animation) { std::erase(items_, &animation); }

bool TGifAnimationList::Contains(const TGifAnimation& animation) const {
  return std::find(items_.begin(), items_.end(), &animation) != items_.end();
}

void TGifAnimationList::Invalidate(const TGifAnimation& animation) {
  if (OnInvalidate) OnInvalidate(animation.PaintRect());
}

void TGifAnimationList::Tick(int64_t now) {
  for (TGifAnimation* animation : items_) {
    if (animation->Advance(now)) Invalidate(*animation);
  }
}

void TGifAnimationList::Restart(int64_t now) {
  for (TGifAnimation* animation : items_) {
    animation->SetCurrentFrame(1);
    animation->StopAnimating();
    animation->StartAnimating(now);
  }
}

void TGifAnimationList::PointerEntered(TGifAnimation& animation, int64_t now) {
  if (animation.NumFrames() == 2) {
    animation.SetCurrentFrame(2);
    Invalidate(animation);
  } else if (animation.NumFrames() > 2) {
    animation.StartAnimating(now);
    Add(animation);
  }
}

void TGifAnimationList::PointerLeft(TGifAnimation& animation) {
  animation.StopAnimating();
  animation.SetCurrentFrame(1);
  Remove(animation);
  Invalidate(animation);
}

}  // namespace tessaly
