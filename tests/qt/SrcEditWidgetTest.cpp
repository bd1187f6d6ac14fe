// The editor widget offscreen: keys and characters, the mouse, the wheel,
// scroll bars, focus and caret, and what ends up on screen.

#include "qt/QtSrcEditWidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "platform/text/Encoding.h"
#include "qt/QtCanvas.h"
#include "qt/QtKeys.h"

namespace tessaly {
namespace {

class SrcEditWidgetTest : public testing::Test {
protected:
  SrcEditWidgetTest() : widget(clipboard) {
    widget.resize(400, 200);
    widget.show();
    QApplication::processEvents();
  }

  TSrcEdit& editor() { return widget.Editor(); }

  void Key(int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&widget, &release);
  }

  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, widget.viewport()->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget.viewport(), &event);
  }

  // The client pixel of a column and line's cell, a little inside it.
  QPoint CellAt(int column, int line) {
    const TPoint at = editor().PositionToPixels({column, line});
    return {at.X + 1, at.Y + editor().LineHeight() / 2};
  }

  TMemoryClipboard clipboard;
  QtSrcEditWidget widget;
};

TEST(QtKeys, MapsQtKeysToVirtualKeys) {
  const std::pair<int, uint16_t> cases[] = {
      {Qt::Key_A, 'A'},      {Qt::Key_7, '7'},          {Qt::Key_F3, 114},         {Qt::Key_F12, VK_F12},
      {Qt::Key_Delete, 46},  {Qt::Key_Backtab, VK_TAB}, {Qt::Key_Enter, VK_RETURN}, {Qt::Key_PageDown, VK_NEXT},
      {Qt::Key_Comma, 0xBC}, {0x44F, 0},
  };
  for (const auto& [key, code] : cases) EXPECT_EQ(VirtualKeyOf(key), code) << key;
  EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier | Qt::ControlModifier, Qt::LeftButton), ssShift | ssCtrl | ssLeft);
}

// Typed characters arrive as the document's bytes; one the encoding lacks
// arrives as a character reference, never dropped and never as '?'.
TEST_F(SrcEditWidgetTest, TypingArrivesInTheDocumentsEncoding) {
  const struct {
    text::Encoding encoding;
    std::string line;
  } cases[] = {
      {text::Encoding::Windows1251, "\xFF" "a&#20013;"},
      {text::Encoding::Utf8, "\xD1\x8F" "a\xE4\xB8\xAD"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(text::Name(c.encoding)));
    editor().SetText("");
    widget.Codec().SetEncoding(c.encoding);
    Key(0x42F, QString::fromUtf8("я"));
    Key(Qt::Key_A, "a");
    Key(0, QString::fromUtf8("中"));
    EXPECT_EQ(editor().LineText(1), c.line);
    EXPECT_EQ(editor().CaretX(), static_cast<int>(c.line.size()) + 1);
  }
}

TEST_F(SrcEditWidgetTest, KeysRunTheirBindings) {
  Key(Qt::Key_A, "a");
  Key(Qt::Key_B, "b");
  Key(Qt::Key_Return, "\r");
  Key(Qt::Key_C, "c");
  EXPECT_EQ(editor().Text(), "ab\r\nc\r\n");
  Key(Qt::Key_Home);
  Key(Qt::Key_Up);
  Key(Qt::Key_Right, {}, Qt::ShiftModifier);
  EXPECT_EQ(editor().SelText(), "a");
  // Undo takes back the typed "c"; the control character of Ctrl+Z is not typed.
  Key(Qt::Key_Z, "\x1a", Qt::ControlModifier);
  EXPECT_EQ(editor().Text(), "ab\r\n\r\n");
}

TEST_F(SrcEditWidgetTest, DraggingTheMouseSelects) {
  editor().SetText("hello world");
  Mouse(QEvent::MouseButtonPress, CellAt(2, 1), Qt::LeftButton, Qt::LeftButton);
  Mouse(QEvent::MouseMove, CellAt(6, 1), Qt::NoButton, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, CellAt(6, 1), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(editor().SelText(), "ello");
  EXPECT_EQ(editor().CaretXY(), (TBufferCoord{6, 1}));
}

TEST_F(SrcEditWidgetTest, WheelAndScrollBarMoveTheTopLine) {
  std::string text;
  for (int i = 1; i <= 100; ++i) text += "line\r\n";
  editor().SetText(text);
  QWheelEvent wheel(QPointF(50, 50), widget.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget.viewport(), &wheel);
  EXPECT_EQ(editor().TopLine(), 1 + QApplication::wheelScrollLines());

  QScrollBar* bar = widget.verticalScrollBar();
  EXPECT_EQ(bar->value(), editor().TopLine());
  EXPECT_EQ(bar->pageStep(), editor().LinesInWindow());
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(editor().TopLine(), 1 + QApplication::wheelScrollLines() + editor().LinesInWindow());
  EXPECT_EQ(bar->value(), editor().TopLine());
  bar->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(editor().TopLine(), 1);
}

TEST_F(SrcEditWidgetTest, DraggingTheThumbScalesPastThe16BitRange) {
  std::string text;
  for (int i = 1; i <= 40000; ++i) text += "x\r\n";
  editor().SetText(text);
  QScrollBar* bar = widget.verticalScrollBar();
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum() + bar->pageStep() - 1, 32767);
  bar->setSliderDown(true);
  bar->setSliderPosition(16384);
  EXPECT_EQ(editor().TopLine(), 16384LL * 40000 / 32767);
  bar->setSliderDown(false);  // the release ends the scroll where the thumb stands
  EXPECT_EQ(editor().TopLine(), 16384LL * 40000 / 32767);
}

TEST_F(SrcEditWidgetTest, CaretExistsOnlyWithTheFocus) {
  widget.activateWindow();
  widget.setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(widget.hasFocus());
  Key(Qt::Key_A, "a");
  const QRect caret = widget.Host().CaretRect();
  ASSERT_FALSE(caret.isEmpty());
  EXPECT_EQ(caret.width(), 2);  // the insert-mode vertical line
  EXPECT_EQ(caret.left(), editor().PositionToPixels({2, 1}).X - 1);
  Key(Qt::Key_Insert);
  EXPECT_EQ(widget.Host().CaretRect().width(), editor().CharWidth());  // overwrite mode: a block
  widget.clearFocus();
  QApplication::processEvents();
  EXPECT_TRUE(widget.Host().CaretRect().isEmpty());
}

TEST_F(SrcEditWidgetTest, PaintsBackgroundAndGutter) {
  editor().SetColor(clInfoBk);
  editor().SetText("x");
  const QImage image = widget.viewport()->grab().toImage();
  const int gutter = editor().GutterWidth();
  ASSERT_GT(gutter, 4);
  EXPECT_EQ(image.pixelColor(gutter / 2, 100).rgb(), ToQColor(clBtnFace).rgb());
  EXPECT_EQ(image.pixelColor(gutter + 100, 100).rgb(), ToQColor(clInfoBk).rgb());
  EXPECT_EQ(image.pixelColor(gutter - 2, 100).rgb(), ToQColor(clInfoBk).rgb());  // the gutter's inner edge line
}

}  // namespace
}  // namespace tessaly
