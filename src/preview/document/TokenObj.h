#pragma once
// A piece of text on its way into the document, with the source index of
// every character so that the preview can be mapped back to the source.

#include <string>
#include <vector>

namespace tessaly::preview {

struct TokenObj {
  std::string S;
  std::vector<int> I;  // one source index per byte of S

  int Leng() const { return static_cast<int>(S.size()); }
  bool Empty() const { return S.empty(); }
  void Clear() {
    S.clear();
    I.clear();
  }
  void AddChar(char ch, int index) {
    S.push_back(ch);
    I.push_back(index);
  }
  void AddString(const TokenObj& other) {
    S += other.S;
    I.insert(I.end(), other.I.begin(), other.I.end());
  }
  void Erase(int pos, int count = 1) {
    S.erase(pos, count);
    I.erase(I.begin() + pos, I.begin() + pos + count);
  }
};

}  // namespace tessaly::preview
