#pragma once
// Pictures read for the preview, shared by every viewer of the program and
// kept for a few pages after the last one that showed them.

#include <memory>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "preview/pictures/GifAnimation.h"

namespace tessaly::preview {

class TImageCache {
public:
  // The one cache of the program.
  static TImageCache& Shared();

  // The picture cached under the (upper-cased, trimmed) name; its age
  // starts again. Null when not cached.
  std::shared_ptr<TBitmap> Find(const std::string& name);
  void Add(const std::string& name, std::shared_ptr<TBitmap> bitmap,
           std::shared_ptr<const TGifAnimation> animation = nullptr);
  // The animation of a cached animated GIF, null for still pictures.
  std::shared_ptr<const TGifAnimation> FindAnimation(const std::string& name);
  // Before each page: every entry ages by one, and entries older than
  // `maxAge` that no page uses are freed.
  void Age(int maxAge);
  // Frees unused entries older than `maxAge` at once.
  void Purge(int maxAge);
  size_t Count() const { return entries_.size(); }
  void Clear() { entries_.clear(); }

  static std::string Key(const std::string& name);

private:
  struct Entry {
    std::string Name;
    std::shared_ptr<TBitmap> Bitmap;
    std::shared_ptr<const TGifAnimation> Animation;
    int Age = 0;
  };
  std::vector<Entry> entries_;  // sorted by name
  std::vector<Entry>::iterator Lower(const std::string& key);
};

}  // namespace tessaly::preview
