// The viewer widget offscreen: painting, scroll bars and the real widgets
// behind form controls.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

#include "preview/document/Forms.h"
#include "qt/QtPreviewWidget.h"

namespace tessaly::preview::test {
namespace {

// The widget with the submissions its viewer reports kept.
class SubmitRecordingWidget : public QtPreviewWidget {
public:
  std::vector<std::vector<std::string>> Submitted;
  void FormSubmit(const TFormSubmission& form) override { Submitted.push_back(form.Results); }
};

class PreviewWidget : public ::testing::Test {
protected:
  SubmitRecordingWidget widget;
  THtmlPreview& viewer = widget.Viewer();

  void SetUp() override { widget.resize(400, 300); }

  // Paints the widget as the screen would and returns the picture.
  QImage Shot() { return widget.grab().toImage(); }
};

TEST_F(PreviewWidget, PaintsThePageBackgroundAndText) {
  viewer.LoadText("<body bgcolor=#FF0000 text=#0000FF>Some text", "", TDocumentType::Html);
  const QImage shot = Shot();
  EXPECT_EQ(shot.pixelColor(200, 200), QColor(255, 0, 0));
  bool blue = false;
  for (int x = 10; x < 80 && !blue; ++x)
    for (int y = 5; y < 25 && !blue; ++y) blue = shot.pixelColor(x, y).blue() > 150 && shot.pixelColor(x, y).red() < 100;
  EXPECT_TRUE(blue);
}

TEST_F(PreviewWidget, TallPagesGetAVerticalBar) {
  std::string page;
  for (int i = 0; i < 200; ++i) page += "<p>line\n";
  viewer.LoadText(page, "", TDocumentType::Html);
  auto bars = widget.findChildren<QScrollBar*>();
  const auto vertical = std::find_if(bars.begin(), bars.end(), [](QScrollBar* b) { return b->orientation() == Qt::Vertical; });
  ASSERT_NE(vertical, bars.end());
  EXPECT_TRUE((*vertical)->isVisibleTo(&widget));
  EXPECT_EQ((*vertical)->maximum(), viewer.DocumentHeight() - viewer.PanelSize().cy);
  (*vertical)->setValue(100);
  EXPECT_EQ(viewer.VScrollPosition(), 100);
}

TEST_F(PreviewWidget, FormControlsAreRealWidgetsThatKeepTheirState) {
  viewer.LoadText("<form action=a><input name=q value=abc><input type=checkbox name=c>"
                  "<select name=s><option>A<option selected>B</select></form>",
                  "", TDocumentType::Html);
  Shot();
  auto* edit = widget.findChild<QLineEdit*>();
  auto* check = widget.findChild<QCheckBox*>();
  auto* combo = widget.findChild<QComboBox*>();
  ASSERT_TRUE(edit && check && combo);
  EXPECT_EQ(edit->text(), "abc");
  EXPECT_EQ(combo->currentText(), "B");
  const TRect place = viewer.Document().FormControlList.front()->Place;
  EXPECT_EQ(edit->geometry(), QRect(place.Left + viewer.MarginWidth(), place.Top, place.Width(), place.Height()));
  emit edit->textEdited("xyz");
  check->setChecked(true);
  emit edit->returnPressed();
  QApplication::processEvents();
  EXPECT_EQ(widget.Submitted, (std::vector<std::vector<std::string>>{{"q=xyz", "c=on", "s=B"}}));
}

}  // namespace
}  // namespace tessaly::preview::test

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
