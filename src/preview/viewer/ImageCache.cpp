#include "preview/viewer/ImageCache.h"

#include <algorithm>

#include "platform/CodePage1251.h"
#include "preview/document/Attributes.h"

namespace tessaly::preview {

TImageCache& TImageCache::Shared() {
  static TImageCache cache;
  return cache;
}

std::string TImageCache::Key(const std::string& name) { return cp1251::UpperCase(Trim(name)); }

std::vector<TImageCache::Entry>::iterator TImageCache::Lower(const std::string& key) {
  return std::lower_bound(entries_.begin(), entries_.end(), key,
                          [](const Entry& entry, const std::string& k) { return entry.Name < k; });
}

std::shared_ptr<TBitmap> TImageCache::Find(const std::string& name) {
  const std::string key = Key(name);
  const auto it = Lower(key);
  if (it == entries_.end() || it->Name != key) return nullptr;
  it->Age = 0;
  return it->Bitmap;
}

void TImageCache::Add(const std::string& name, std::shared_ptr<TBitmap> bitmap,
                      std::shared_ptr<const TGifAnimation> animation) {
  const std::string key = Key(name);
  const auto it = Lower(key);
  if (it != entries_.end() && it->Name == key) *it = Entry{key, std::move(bitmap), std::move(animation), 0};
  else entries_.insert(it, Entry{key, std::move(bitmap), std::move(animation), 0});
}

std::shared_ptr<const TGifAnimation> TImageCache::FindAnimation(const std::string& name) {
  const std::string key = Key(name);
  const auto it = Lower(key);
  return it != entries_.end() && it->Name == key ? it->Animation : nullptr;
}

void TImageCache::Age(int maxAge) {
  for (Entry& entry : entries_) ++entry.Age;
  Purge(maxAge);
}

void TImageCache::Purge(int maxAge) {
  // The cache's own reference is the only one of a picture no page uses.
  std::erase_if(entries_, [maxAge](const Entry& entry) { return entry.Age > maxAge && entry.Bitmap.use_count() == 1; });
}

}  // namespace tessaly::preview
