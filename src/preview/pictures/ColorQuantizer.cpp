#include "preview/pictures/ColorQuantizer.h"

#include <algorithm>

namespace tessaly {

TColorQuantizer::TColorQuantizer(int maxColors, int colorBits)
    : maxColors_(std::max(1, maxColors)), colorBits_(std::clamp(colorBits, 1, 8)) {}

void TColorQuantizer::AddColor(uint8_t red, uint8_t green, uint8_t blue) {
  Insert(root_, 0, red, green, blue);
  while (leafCount_ > maxColors_) ReduceTree();
}

void TColorQuantizer::Insert(std::unique_ptr<TOctreeNode>& node, int depth, uint8_t red, uint8_t green, uint8_t blue) {
  // Walks down iteratively; `slot` is where the next node lives or will live.
  std::unique_ptr<TOctreeNode>* slot = &node;
  for (;; ++depth) {
    if (!*slot) {
      *slot = std::make_unique<TOctreeNode>();
      TOctreeNode& created = **slot;
      if (depth == colorBits_) {
        created.Leaf = true;
        ++leafCount_;
      } else {
        created.NextReducible = reducible_[depth];
        reducible_[depth] = &created;
      }
    }
    TOctreeNode& current = **slot;
    if (current.Leaf) {
      ++current.PixelCount;
      current.RedSum += red;
      current.GreenSum += green;
      current.BlueSum += blue;
      return;
    }
    const int shift = 7 - depth;
    const int child = ((red >> shift) & 1) << 2 | ((green >> shift) & 1) << 1 | ((blue >> shift) & 1);
    slot = &current.Children[child];
  }
}

void TColorQuantizer::ReduceTree() {
  int depth = colorBits_ - 1;
  while (depth > 0 && !reducible_[depth]) --depth;
  TOctreeNode* node = reducible_[depth];
  if (!node) return;
  reducible_[depth] = node->NextReducible;

  int children = 0;
  for (auto& child : node->Children) {
    if (!child) continue;
    node->PixelCount += child->PixelCount;
    node->RedSum += child->RedSum;
    node->GreenSum += child->GreenSum;
    node->BlueSum += child->BlueSum;
    child.reset();
    ++children;
  }
  node->Leaf = true;
  leafCount_ -= children - 1;
}

TPalette TColorQuantizer::Palette() const {
  TPalette palette;
  auto visit = [&](auto& self, const TOctreeNode* node) -> void {
    if (!node) return;
    if (node->Leaf) {
      if (node->PixelCount == 0) {
        palette.push_back({});
      } else {
        palette.push_back({static_cast<uint8_t>(node->RedSum / node->PixelCount),
                           static_cast<uint8_t>(node->GreenSum / node->PixelCount),
                           static_cast<uint8_t>(node->BlueSum / node->PixelCount)});
      }
      return;
    }
    for (const auto& child : node->Children) self(self, child.get());
  };
  visit(visit, root_.get());
  return palette;
}

}  // namespace tessaly
