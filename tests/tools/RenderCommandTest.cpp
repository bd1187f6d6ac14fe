// tessaly-cli render end to end: the picture it writes is read back and its
// pixels checked.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "platform/Files.h"
#include "preview/pictures/PngCodec.h"

namespace tessaly {
namespace {

namespace fs = std::filesystem;

class RenderCommand : public ::testing::Test {
protected:
  fs::path dir_ = fs::temp_directory_path() /
                  ("tessaly_render_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                   "_" + std::to_string(::getpid()));

  void SetUp() override { fs::create_directories(dir_); }
  void TearDown() override { fs::remove_all(dir_); }

  // Renders `page` `width` pixels wide; `errors` receives what went to stderr.
  TBitmap Render(const std::string& page, int width, std::string* errors = nullptr) {
    const fs::path html = dir_ / "page.htm", png = dir_ / "page.png", err = dir_ / "err.txt";
    WriteFileAtomically(html.string(), page);
    const std::string command = std::string("\"") + TESSALY_CLI + "\" render \"" + html.string() + "\" --width " +
                                std::to_string(width) + " --out \"" + png.string() + "\" 2>\"" + err.string() + "\"";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    if (errors) *errors = ReadFileBytes(err.string());
    return ReadPng(ReadFileBytes(png.string()));
  }
};

// Pixels in rows [top, bottom) that are not the white page background.
int InkIn(const TBitmap& picture, int top, int bottom) {
  int ink = 0;
  for (int y = std::max(top, 0); y < std::min(bottom, picture.Height); ++y)
    for (int x = 0; x < picture.Width; ++x) ink += picture.Pixel(x, y) != RGB(255, 255, 255);
  return ink;
}

TEST_F(RenderCommand, DrawsAPageTallerThanOnePictureWhole) {
  std::string page = "<body bgcolor=white>";
  for (int i = 0; i < 2500; ++i) page += "<p>line " + std::to_string(i);
  page += "<p>the last line";
  std::string errors;
  const TBitmap picture = Render(page, 200, &errors);
  EXPECT_EQ(picture.Width, 200);
  EXPECT_GT(picture.Height, 40000);
  EXPECT_GT(InkIn(picture, picture.Height - 40, picture.Height), 0) << "the last line is drawn";
  EXPECT_EQ(errors.find("cut"), std::string::npos) << errors;
}

TEST_F(RenderCommand, APageTallerThanAPngMayBeIsCutAtTheLimitAndSaysSo) {
  std::string errors;
  const TBitmap picture = Render("<body bgcolor=white><img src=none.gif width=4 height=1200000>end", 8, &errors);
  EXPECT_EQ(picture.Height, 1000000);
  // One line says where the picture ends and how much of the page is not in it.
  const size_t cut = errors.find("render: page cut at 1000000 of its 12");
  ASSERT_NE(cut, std::string::npos) << errors;
  const std::string line = errors.substr(cut, errors.find('\n', cut) - cut);
  EXPECT_NE(line.find("pixels below are left out"), std::string::npos) << line;
}

// Scripts the page's font lacks come from fallback fonts: every line of the
// page leaves ink, whatever its script, read in the encoding the page declares.
TEST_F(RenderCommand, DrawsEveryScriptOfAUtf8Page) {
  const char* lines[] = {"Съешь ещё", "ελληνικά", "中文字符", "العربية", "עברית"};
  std::string page = "<meta charset=utf-8><body bgcolor=white>";
  for (const char* line : lines) page += std::string("<p>") + line;
  const TBitmap picture = Render(page, 300);
  int lineTops = 0;
  for (int y = 0; y + 4 < picture.Height; y += 4) lineTops += InkIn(picture, y, y + 4) > 0;
  EXPECT_GE(lineTops, 5 * 2) << "five lines, each some pixels high";
}

struct ControlCase {
  const char* control;
};

TEST_F(RenderCommand, PaintsFormControlsAsTheViewerShowsThem) {
  const ControlCase cases[] = {
      {"<input type=submit value=Send>"},
      {"<input type=text value=abc size=10>"},
      {"<input type=checkbox checked>"},
      {"<select><option>One<option>Two</select>"},
      {"<textarea rows=3 cols=10>text</textarea>"},
  };
  for (const auto& c : cases) {
    const TBitmap picture = Render(std::string("<body bgcolor=white>") + c.control, 300);
    EXPECT_GT(InkIn(picture, 0, picture.Height), 20) << c.control;
  }
}

}  // namespace
}  // namespace tessaly
