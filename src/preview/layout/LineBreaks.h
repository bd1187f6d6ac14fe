#pragma once
// Where a line of Unicode text may break besides its spaces: between the
// characters of scripts written without spaces (Chinese, Japanese, Korean
// syllables), except before closing punctuation and after opening
// punctuation, which stay with their neighbour.

namespace tessaly::preview {

// Ideographs, kana, Hangul syllables and the full-width forms.
bool IsIdeographic(char32_t c);
// Whether a line may break between `before` and `after` because of them.
bool IdeographicBreak(char32_t before, char32_t after);

}  // namespace tessaly::preview
