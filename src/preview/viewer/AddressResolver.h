#pragma once
// Turning a link or image address of a page into a local file name.

#include <string>
#include <string_view>

namespace tessaly::preview {

// Decodes %XX escapes from left to right, stopping at the first one that
// cannot be decoded or that stands first.
std::string DecodePercentEscapes(std::string_view address);

// The full path of a file: absolute and without "." and ".." steps.
std::string FullPath(std::string_view name);

struct TAddressContext {
  std::string ServerRoot;   // for addresses starting with '/'; no trailing '/'
  std::string Base;         // BASE HREF or the viewer's default base
  std::string CurrentFile;  // the page shown
};

// A "file:" address loses its prefix; a root-relative address goes below
// the server root; a relative one below the base or the current file's folder.
std::string ResolveAddress(std::string_view address, const TAddressContext& context);
// A local path that does not exist as written, matched to the one file of
// that name whatever the letter case of each part (the parser upper-cases
// some unquoted values: src=4x4.gif asks for "4X4.GIF"); unchanged when no
// part or more than one matches.
std::string MatchLetterCase(const std::string& path);

}  // namespace tessaly::preview
