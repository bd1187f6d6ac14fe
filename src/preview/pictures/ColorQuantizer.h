#pragma once
// An octree colour quantizer: pixels are sorted into a tree by the bits of
// their channels, and the deepest branches are merged whenever there are more
// leaves than colours wanted. The palette is the leaves' average colours.

#include <array>
#include <cstdint>
#include <memory>

#include "preview/pictures/Palette.h"

namespace tessaly {

struct TOctreeNode {
  int64_t PixelCount = 0;
  int64_t RedSum = 0, GreenSum = 0, BlueSum = 0;
  bool Leaf = false;
  std::array<std::unique_ptr<TOctreeNode>, 8> Children;
  TOctreeNode* NextReducible = nullptr;  // next non-leaf node of the same depth
};

class TColorQuantizer {
public:
  // colorBits (1 to 8) is the depth of the leaves.
  TColorQuantizer(int maxColors, int colorBits);

  void AddColor(uint8_t red, uint8_t green, uint8_t blue);
  int LeafCount() const { return leafCount_; }
  // The leaves in tree order, each the average of its pixels.
  TPalette Palette() const;

private:
  void Insert(std::unique_ptr<TOctreeNode>& node, int depth, uint8_t red, uint8_t green, uint8_t blue);
  void ReduceTree();

  int maxColors_;
  int colorBits_;
  int leafCount_ = 0;
  std::unique_ptr<TOctreeNode> root_;
  std::array<TOctreeNode*, 9> reducible_{};
};

}  // namespace tessaly
