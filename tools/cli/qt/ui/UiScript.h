#pragma once
// The words of one driver script line, and the quoting of printed texts.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::cli {

// A line the driver cannot run; the message is printed as "line N: message".
struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Words separated by spaces; a word in double quotes may hold spaces and the
// escapes \r \n \t \" \\. Blank and "#" lines have no words.
std::vector<std::string> ScriptWords(std::string_view line);
// The text in double quotes with the same escapes, so it prints on one line.
std::string Quoted(std::string_view text);

}  // namespace tessaly::cli
