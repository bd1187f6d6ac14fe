#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/markup/TextTransforms.h"

namespace tessaly {
namespace {

using Lines = std::vector<std::string>;

struct FormatCase {
  const char* name;
  Lines before;
  Lines after;
};

TEST(FormatTextLines, JoinsClosedItemsAndDropsBlankLines) {
  const std::vector<FormatCase> cases = {
      {"a list with an item closed on the next line",
       {"<ul>", "", "  ", "<li>word", "</li>", "</ul>"},
       {"<ul>", " <li>word </li>", "</ul>"}},
      {"blank means every code up to 32", {"a", " \t", "\x01\x1f ", "b"}, {"a", "b"}},
      {"a last line opening an item stays as it is", {"x", "  <li>last  "}, {"x", "  <li>last  "}},
      {"an item opened and closed on one line stays", {"<li>one</li>", "</li>"}, {"<li>one</li>", "</li>"}},
      {"letter case does not matter", {"<LI>Big", " </Li> "}, {" <LI>Big </Li>"}},
      {"the joined line is trimmed on both sides", {"\t<li>a \t", "\t</li>\t"}, {" <li>a </li>"}},
      {"a tag with attributes is not an item", {"<li class=x>a", "</li>"}, {"<li class=x>a", "</li>"}},
      {"a spaced tag is not an item", {"< li>a", "</li>"}, {"< li>a", "</li>"}},
      {"an item whose next line does not close it", {"<li>a", "b", "</li>"}, {"<li>a", "b", "</li>"}},
      {"the closing line may hold more than the tag", {"<li>a", "b</li><li>c"}, {" <li>a b</li><li>c"}},
      {"lines are kept untrimmed", {"  keep  "}, {"  keep  "}},
      {"an all-blank text becomes empty", {"", " ", "\t"}, {}},
      {"Cyrillic bytes are not blanks", {"\xE0\xE1"}, {"\xE0\xE1"}},
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatTextLines(c.before), c.after);
  }
}

TEST(FormatTextLines, JoinsEachItemOfAListOnce) {
  EXPECT_EQ(FormatTextLines({"<li>a", "</li>", "<li>b", "</li>"}), (Lines{" <li>a </li>", " <li>b </li>"}));
}

}  // namespace
}  // namespace tessaly
