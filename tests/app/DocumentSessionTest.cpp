// The document session and the live preview without a window: an editor and
// a viewer on headless hosts, scripted dialogs, files in a scratch folder.

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "TempDir.h"
#include "app/documents/DocumentSession.h"
#include "app/documents/DocumentText.h"
#include "app/preview/LivePreview.h"
#include "app/window/ProgramInfo.h"
#include "editor/SrcEdit.h"
#include "editor/SrcEditStringList.h"
#include "platform/Clipboard.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/HeadlessControlHost.h"
#include "platform/Paths.h"
#include "platform/RecordingCanvas.h"
#include "platform/ScriptedDialogs.h"
#include "preview/viewer/HeadlessHost.h"
#include "preview/viewer/HtmlPreview.h"

namespace tessaly::test {
namespace {

class DocumentSessionTest : public testing::Test {
protected:
  DocumentSessionTest()
      : editorHost({648, 400}, 8, 16),
        editor(editorHost, clipboard),
        viewerHost({400, 300}),
        viewer(viewerHost, canvas),
        session(editor, dialogs, folder.Path() + "/program/"),
        live(editor, viewer, session) {
    ForceDirectories(folder.Path() + "/program");
    session.OnShown = [this](TDocumentArrival arrival) { arrivals.push_back(arrival); };
  }

  std::string Page(const std::string& name, const std::string& bytes) {
    const std::string path = folder.File(name);
    WriteFileAtomically(path, bytes);
    return path;
  }
  void Type(const std::string& text) {
    for (char c : text) editor.RunCommand(ecChar, c, nullptr);
  }
  // The word the viewer shows at a display position. The caret point of a
  // paragraph's first character may lie at the end of the one before, so
  // the word is looked up at its second character.
  std::string ShownWordAt(int displayPos) {
    int x = 0, y = 0;
    if (!viewer.DisplayPosToXY(displayPos + 1, x, y)) return "?";
    return viewer.WordAt(x, y + 1);
  }
  static std::string AsLines(const std::string& text) {
    TSrcEditStringList lines;
    lines.SetText(text);
    return lines.Text();
  }

  TempDir folder;
  THeadlessControlHost editorHost;
  TMemoryClipboard clipboard;
  TSrcEdit editor;
  preview::THeadlessHost viewerHost;
  RecordingCanvas canvas;
  preview::THtmlPreview viewer;
  ScriptedDialogs dialogs;
  TDocumentSession session;
  TLivePreview live;
  std::vector<TDocumentArrival> arrivals;
};

// Every way a text arrives asks about the unsaved changes, shows it
// unmodified, names the document, forgets the old text's undo history and
// turns the live preview on.
TEST_F(DocumentSessionTest, EveryArrivalShowsItsTextUnderItsName) {
  ForceDirectories(folder.File("site"));
  const std::string page = Page("site/page.htm", "<p>dropped</p>\n");
  const std::string opened = Page("opened.htm", "<p>opened</p>\r\n");
  struct Case {
    const char* what;
    std::function<void()> command;
    std::string fileName, text;
  } cases[] = {
      {"new",
       [&] {
         dialogs.AnswerMessage(mrYes), dialogs.AnswerSaveFile(folder.File("kept.htm")), dialogs.AnswerMessage(mrOk),
             session.New();
       },
       folder.Path() + "/program/" + UntitledFileName, AsLines(NewPageText())},
      {"template", [&] { dialogs.AnswerMessage(mrNo), session.ApplyTemplate({"<p>one</p>", "<p>two</p>"}); },
       folder.Path() + "/program/" + UntitledFileName, "<p>one</p>\r\n<p>two</p>\r\n"},
      {"open", [&] { dialogs.AnswerMessage(mrNo), dialogs.AnswerOpenFile(opened), session.Open(); }, opened,
       "<p>opened</p>\r\n"},
      {"drop", [&] { dialogs.AnswerMessage(mrNo), session.OpenDropped(page); }, page, "<p>dropped</p>\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    editor.SetText("<p>old</p>");
    Type("typed ");
    ASSERT_TRUE(session.Modified());
    c.command();
    EXPECT_EQ(session.FileName(), c.fileName);
    EXPECT_EQ(editor.Text(), c.text);
    EXPECT_FALSE(session.Modified());
    EXPECT_EQ(dialogs.UnusedAnswers(), 0u);
    EXPECT_FALSE(editor.UndoAvailable()) << "the replaced text's history is gone";
    EXPECT_TRUE(live.LivePreview);
    EXPECT_TRUE(live.Pending());
    live.ReloadPending();
    EXPECT_FALSE(live.Pending());
    EXPECT_EQ(session.BaseFolder(), ExtractFilePath(c.fileName));
  }
  EXPECT_EQ(arrivals, (std::vector<TDocumentArrival>{TDocumentArrival::New, TDocumentArrival::Template,
                                                     TDocumentArrival::Opened, TDocumentArrival::Dropped}));
}

// The viewer always shows the editor's text, so a page stored with LF line
// ends maps selections to the same words both ways, however far down.
TEST_F(DocumentSessionTest, PagesWithLfLineEndsMapSelectionsToTheSameWords) {
  std::string bytes;
  for (int i = 1; i <= 100; ++i) bytes += "<p>word" + std::to_string(i) + "</p>\n";
  dialogs.AnswerOpenFile(Page("lf.htm", bytes));
  session.Open();
  live.ReloadPending();

  const std::string text = editor.Lines().Text();
  const int at = static_cast<int>(text.find("word98"));
  editor.SetSelStart(at + 1);
  editor.SetSelEnd(at + 1 + 6);
  ASSERT_TRUE(live.SourceClicked(300));
  EXPECT_EQ(viewer.SelLength(), 6);
  EXPECT_EQ(ShownWordAt(viewer.SelStart()), "word98");

  editor.SetSelStart(1);
  editor.SetSelEnd(1);
  viewer.SelectRange(viewer.DisplayPosOf(static_cast<int>(text.find("word99"))),
                     viewer.DisplayPosOf(static_cast<int>(text.find("word99"))) + 6);
  ASSERT_EQ(ShownWordAt(viewer.SelStart()), "word99");
  ASSERT_TRUE(live.ViewerMouseUp());
  EXPECT_EQ(editor.SelText(), "word99");
}

// Edits wait for the pending reload; a new document does not keep the old
// page's scroll position.
TEST_F(DocumentSessionTest, EditsReloadThePreviewOnlyOnceADocumentIsShown) {
  Type("<p>before</p>");
  EXPECT_FALSE(live.Pending()) << "no document yet";
  dialogs.AnswerMessage(mrNo);
  session.ApplyTemplate({"<p>page</p>"});
  live.ReloadPending();
  Type("x");
  EXPECT_TRUE(live.Pending());
  live.ReloadPending();
  EXPECT_FALSE(live.Pending());
}

// A failed write changes nothing: not the name, not the save point.
TEST_F(DocumentSessionTest, FailedSaveAsKeepsNameAndModified) {
  session.ApplyTemplate({"<p>page</p>"});
  Type("x");
  const std::string before = session.FileName();
  dialogs.AnswerSaveFile(folder.File("missing-folder/page.htm"));
  EXPECT_THROW(session.SaveAs(), Exception);
  EXPECT_EQ(session.FileName(), before);
  EXPECT_TRUE(session.Modified());

  dialogs.AnswerSaveFile(folder.File("page.htm"));
  dialogs.AnswerMessage(mrOk);
  session.SaveAs();
  EXPECT_EQ(session.FileName(), folder.File("page.htm"));
  EXPECT_FALSE(session.Modified());
  EXPECT_EQ(ReadFileBytes(folder.File("page.htm")), "x<p>page</p>\r\n" + FooterLine() + "\r\n");
}

// Open and Save change nothing but what the editor changed and the footer,
// in the encoding and with the mark the file had.
TEST_F(DocumentSessionTest, SavedFilesKeepTheirEncodingAndMark) {
  const auto utf16le = [](const std::string& ascii) {
    std::string bytes;
    for (char c : ascii) bytes += std::string{c, '\0'};
    return bytes;
  };
  const struct {
    const char* what;
    std::string bytes, footer;
  } cases[] = {
      {"UTF-16LE", "\xFF\xFE" + utf16le("<p>one</p>\r\n"), utf16le(FooterLine() + "\r\n")},
      {"UTF-8 with a mark", "\xEF\xBB\xBF<p>\xC3\xA9</p>\r\n", FooterLine() + "\r\n"},
      {"windows-1251", "<p>\xE9</p>\r\n", FooterLine() + "\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = Page("encoded.htm", c.bytes);
    dialogs.AnswerMessage(mrNo);
    session.OpenDropped(path);
    dialogs.AnswerMessage(mrOk);
    session.Save();
    EXPECT_EQ(ReadFileBytes(path), c.bytes + c.footer);
  }
}

// A conversion is one undo step, the declaration another; undo and redo
// bring back the bytes and the encoding together, and Save writes the
// encoding the text is in at that moment.
TEST_F(DocumentSessionTest, ConversionUndoesWithItsEncoding) {
  const std::string path = Page("page.htm", "<head></head><p>\xCF\xF0\xE8</p>\r\n");
  session.OpenDropped(path);
  int formatChanges = 0;
  session.OnFormatChanged = [&formatChanges] { ++formatChanges; };
  const std::string original = editor.Lines().Text();

  dialogs.AnswerMessage(mrYes);  // the declaration
  session.ConvertTo(text::Encoding::Utf8);
  EXPECT_EQ(session.Format().Encoding, text::Encoding::Utf8);
  EXPECT_EQ(editor.Lines().Text(), "<head>\r\n<meta charset=\"UTF-8\"></head><p>\xD0\x9F\xD1\x80\xD0\xB8</p>\r\n");
  EXPECT_TRUE(session.Modified());

  editor.Undo();
  EXPECT_EQ(editor.Lines().Text(), "<head></head><p>\xD0\x9F\xD1\x80\xD0\xB8</p>\r\n");
  EXPECT_EQ(session.Format().Encoding, text::Encoding::Utf8);
  editor.Undo();
  EXPECT_EQ(editor.Lines().Text(), original);
  EXPECT_EQ(session.Format().Encoding, text::Encoding::Windows1251);
  EXPECT_FALSE(session.Modified());
  editor.Redo();
  EXPECT_EQ(session.Format().Encoding, text::Encoding::Utf8);
  EXPECT_EQ(formatChanges, 3);

  // Into UTF-16 the held bytes stay UTF-8 and still make an undo step.
  session.ConvertTo(text::Encoding::Utf16LE);  // its mark declares it: no question
  EXPECT_EQ(session.Format().Encoding, text::Encoding::Utf16LE);
  dialogs.AnswerMessage(mrOk);
  session.Save();
  EXPECT_EQ(ReadFileBytes(path).substr(0, 6), std::string("\xFF\xFE<\0h\0", 6));
  editor.Undo();
  EXPECT_EQ(session.Format().Encoding, text::Encoding::Utf8);
  EXPECT_TRUE(session.Modified());
}

// What an encoding lacks is named before anything changes; unreadable bytes
// stop the conversion.
TEST_F(DocumentSessionTest, ConversionAsksAndRefuses) {
  session.OpenDropped(Page("utf8.htm", "<meta charset=utf-8><p>\xE4\xB8\xAD</p>"));
  const std::string original = editor.Lines().Text();
  dialogs.AnswerMessage(mrCancel);
  EXPECT_THROW(session.ConvertTo(text::Encoding::Windows1251), EAbort);
  EXPECT_EQ(editor.Lines().Text(), original);
  EXPECT_EQ(session.Format().Encoding, text::Encoding::Utf8);
  EXPECT_FALSE(session.Modified());

  dialogs.AnswerMessage(mrYes);
  dialogs.AnswerMessage(mrYes);
  session.ConvertTo(text::Encoding::Windows1251);
  EXPECT_EQ(editor.Lines().Text(), "<meta charset=windows-1251><p>&#20013;</p>\r\n");

  dialogs.AnswerMessage(mrNo);
  session.OpenDropped(Page("broken.htm", "<meta charset=utf-8><p>caf\xE9</p>"));
  dialogs.AnswerMessage(mrOk);
  EXPECT_THROW(session.ConvertTo(text::Encoding::Windows1251), EAbort);
  EXPECT_EQ(session.Format().Encoding, text::Encoding::Utf8);
  EXPECT_EQ(session.Format().InvalidCount, 1u);
}

// Reopen reads the file again in the chosen encoding, whatever it declares;
// New and templates take the default encoding.
TEST_F(DocumentSessionTest, ReopenAndTheDefaultEncoding) {
  const std::string path = Page("page.htm", "<meta charset=utf-8>\xD0\x96");
  session.OpenDropped(path);
  session.ReopenWith(text::Encoding::Windows1251);
  EXPECT_EQ(session.Format().Encoding, text::Encoding::Windows1251);
  EXPECT_EQ(editor.Lines().Text(), "<meta charset=utf-8>\xD0\x96\r\n");
  EXPECT_FALSE(session.Modified());

  session.SetDefaultEncoding(text::Encoding::Utf8);
  session.New();
  EXPECT_EQ(session.Format().Encoding, text::Encoding::Utf8);
  EXPECT_NE(editor.Lines().Text().find("\xD0\x9C\xD0\x9E\xD0\xAF"), std::string::npos);  // "МОЯ"
  session.ApplyTemplate({"<p>\xC6</p>"});
  EXPECT_EQ(editor.Lines().Text(), "<p>\xD0\x96</p>\r\n");
  // A file without a declaration and not UTF-8 opens in the default.
  session.OpenDropped(Page("plain.htm", "<p>\xC6</p>"));
  EXPECT_EQ(session.Format().Encoding, text::Encoding::Utf8);
  EXPECT_EQ(session.Format().InvalidCount, 1u);
}

// The program's own sites open outside, whatever the letter case; any other
// link is announced and left to the viewer.
TEST(LinkActionTest, OnlyTheProgramsSitesOpenOutside) {
  const auto upper = [](std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
  };
  const struct {
    std::string address;
    TLinkAction action;
  } cases[] = {
      {ProgramSiteAddress, TLinkAction::OpenOutside},
      {upper(ProgramSiteAddress), TLinkAction::OpenOutside},
      {MakerSiteAddress, TLinkAction::OpenOutside},
      {std::string(ProgramSiteAddress) + "other.htm", TLinkAction::Announce},
      {"page2.htm", TLinkAction::Announce},
      {"", TLinkAction::Announce},
  };
  for (const auto& c : cases) EXPECT_EQ(LinkActionOf(c.address), c.action) << c.address;
}

}  // namespace
}  // namespace tessaly::test
