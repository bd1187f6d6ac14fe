#pragma once
// A piece of text on its way into the document, with the source index of
// every character so that the preview can be mapped back to the source.
// Text is Unicode, one code point a character; a source index is the byte
// offset of the character's first byte in the page, and the source length
// says how many bytes it took (1 for a character that stands for a whole
// reference, 0 for one that came from an include).

#include <algorithm>
#include <string>
#include <vector>

namespace tessaly::preview {

struct TokenObj {
  std::u32string S;
  std::vector<int> I;            // one source index per character of S
  std::vector<unsigned short> L;  // one source length per character of S

  int Leng() const { return static_cast<int>(S.size()); }
  bool Empty() const { return S.empty(); }
  void Clear() {
    S.clear();
    I.clear();
    L.clear();
  }
  void AddChar(char32_t ch, int index, int length = 1) {
    S.push_back(ch);
    I.push_back(index);
    L.push_back(static_cast<unsigned short>(std::min(length, 0xFFFF)));
  }
  void AddString(const TokenObj& other) {
    S += other.S;
    I.insert(I.end(), other.I.begin(), other.I.end());
    L.insert(L.end(), other.L.begin(), other.L.end());
  }
  void Erase(int pos, int count = 1) {
    S.erase(pos, count);
    I.erase(I.begin() + pos, I.begin() + pos + count);
    L.erase(L.begin() + pos, L.begin() + pos + count);
  }
};

}  // namespace tessaly::preview
