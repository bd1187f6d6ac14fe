// The clipboard keeps plain text in the document's encoding and private
// formats as bytes beside it, and a copy from the editor pastes back in its mode.

#include "qt/QtClipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "editor/SrcEdit.h"
#include "platform/HeadlessControlHost.h"
#include "platform/text/Encoding.h"

namespace tessaly {
namespace {

TEST(QtClipboard, HoldsTextAndPrivateFormatsTogether) {
  QtClipboard clipboard;
  const std::string block("\x02" "ab\0c", 5);
  ASSERT_TRUE(clipboard.SetContent("\xCF\xF0\xE8", {{kSrcEditBlockFormat, block}}));
  EXPECT_TRUE(clipboard.HasText());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("При"));
  EXPECT_EQ(clipboard.Text(), "\xCF\xF0\xE8");
  EXPECT_TRUE(clipboard.HasFormat(kSrcEditBlockFormat));
  EXPECT_EQ(clipboard.FormatData(kSrcEditBlockFormat), block);

  // Text another program copies replaces the private form too.
  QGuiApplication::clipboard()->setText(QStringLiteral("plain"));
  EXPECT_FALSE(clipboard.HasFormat(kSrcEditBlockFormat));
  EXPECT_EQ(clipboard.FormatData(kSrcEditBlockFormat), std::nullopt);
  EXPECT_EQ(clipboard.Text(), "plain");
}

TEST(QtClipboard, ColumnBlockPastesBackAsAColumn) {
  QtClipboard clipboard;
  THeadlessControlHost host({400, 200}, 8, 16);
  TSrcEdit editor(host, clipboard);
  editor.SetText("abc\r\ndef\r\n");
  editor.SetSelectionMode(smColumn);
  editor.PlaceCaretAndSelection({3, 2}, {2, 1}, {3, 2});
  editor.CopyToClipboard();
  EXPECT_EQ(clipboard.Text(), "b\r\ne");
  editor.PlaceCaretAndSelection({1, 1}, {1, 1}, {1, 1});
  editor.SetSelectionMode(smNormal);
  editor.PasteFromClipboard();
  EXPECT_EQ(editor.Text(), "babc\r\nedef\r\n");
}

// Copied from a UTF-8 document, pasted into a windows-1251 one: the bytes
// are converted through the plain text, never pasted as they were.
TEST(QtClipboard, ADocumentInAnotherEncodingTakesThePlainText) {
  QtClipboard clipboard;
  clipboard.Codec().SetEncoding(text::Encoding::Utf8);
  ASSERT_TRUE(clipboard.SetContent("\xD0\x96\xE2\x86\x92", {{kSrcEditBlockFormat, "\x01\xD0\x96\xE2\x86\x92"}}));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Ж→"));
  EXPECT_TRUE(clipboard.HasFormat(kSrcEditBlockFormat));

  clipboard.Codec().SetEncoding(text::Encoding::Windows1251);
  EXPECT_FALSE(clipboard.HasFormat(kSrcEditBlockFormat));
  EXPECT_EQ(clipboard.FormatData(kSrcEditBlockFormat), std::nullopt);
  EXPECT_EQ(clipboard.Text(), "\xC6&#8594;");
}

}  // namespace
}  // namespace tessaly
