// The main window's source editor: where it sits, its settings, and the
// line-number button.

#include <QToolButton>

#include "MainWindowFixture.h"
#include "highlight/HtmlHighlighter.h"
#include "qt/QtCanvas.h"
#include "qt/QtSrcEditWidget.h"

namespace tessaly {
namespace {

using SrcEditPlacementTest = MainWindowTest;

TEST_F(SrcEditPlacementTest, EditorFillsItsAreaWithTheProgramsSettings) {
  QtSrcEditWidget* widget = window().findChild<QtSrcEditWidget*>("SrcEdit");
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget, window().SrcEdit);
  EXPECT_EQ(widget->parentWidget(), window().SrcEditArea);
  TSrcEdit& editor = widget->Editor();
  EXPECT_EQ(editor.Font().Name, "Courier New");
  EXPECT_EQ(editor.Font().Height, -13);
  EXPECT_EQ(editor.Color(), clInfoBk);
  EXPECT_TRUE(editor.Gutter().AutoSize());
  EXPECT_EQ(editor.Gutter().DigitCount(), 3);
  EXPECT_EQ(editor.Gutter().Font().Name, "Arial");
  EXPECT_EQ(editor.Gutter().Font().Height, -11);
  EXPECT_FALSE(editor.Gutter().ShowLineNumbers());
  EXPECT_NE(dynamic_cast<THtmlHighlighter*>(editor.Highlighter()), nullptr);

  editor.SetText("<p>x</p>");
  QApplication::processEvents();
  const QImage image = widget->viewport()->grab().toImage();
  EXPECT_EQ(image.pixelColor(editor.GutterWidth() + 200, image.height() - 5).rgb(), ToQColor(clInfoBk).rgb());
}

TEST_F(SrcEditPlacementTest, BtnKeyTogglesLineNumbers) {
  TSrcEdit& editor = window().SrcEdit->Editor();
  auto* button = window().findChild<QToolButton*>("BtnKey");
  ASSERT_NE(button, nullptr);
  const int plain = editor.GutterWidth();
  button->click();
  EXPECT_TRUE(editor.Gutter().ShowLineNumbers());
  EXPECT_EQ(editor.GutterWidth(), 16 + 2 + 3 * editor.CharWidth() + 2);
  button->click();
  EXPECT_FALSE(editor.Gutter().ShowLineNumbers());
  EXPECT_EQ(editor.GutterWidth(), plain);
}

}  // namespace
}  // namespace tessaly
