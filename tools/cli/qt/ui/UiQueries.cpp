// What the driver prints: the editor's text, selection and caret, the
// document state, status panes, the viewer's page, lists, components and
// the browser's document.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QWebEnginePage>
#include <cstdio>

#include "app/documents/DocumentSession.h"
#include "app/languages/ComponentTexts.h"
#include "app/window/MainWindow.h"
#include "cli/qt/ui/UiDriver.h"
#include "cli/qt/ui/UiScript.h"
#include "cli/qt/ui/UiViewerText.h"
#include "platform/CodePage1251.h"
#include "platform/Files.h"
#include "platform/text/Decode.h"
#include "qt/BrowserView.h"
#include "qt/MarqueePane.h"
#include "qt/QtPreviewWidget.h"
#include "qt/QtSrcEditWidget.h"

namespace tessaly::cli {

namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }
const char* Bool(bool value) { return value ? "true" : "false"; }

void PrintLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) Output("| " + line);
}

// Lines split at CR LF, CR or LF, as the editor splits text.
std::vector<std::string> SplitLines(const QString& text) {
  std::vector<std::string> lines;
  QString line;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar ch = text[i];
    if (ch != QLatin1Char('\r') && ch != QLatin1Char('\n')) {
      line += ch;
      continue;
    }
    if (ch == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
    lines.push_back(Utf8(line));
    line.clear();
  }
  if (!line.isEmpty()) lines.push_back(Utf8(line));
  return lines;
}

TSrcEdit& Editor(UiDriver& driver) { return driver.Window().SrcEdit->Editor(); }

// Document bytes as the document's encoding reads them; a byte it cannot
// read, and a zero byte, shows as \xNN.
std::string ShownText(UiDriver& driver, std::string_view bytes) {
  const text::Encoding encoding = driver.Window().Document().Format().Encoding;
  const text::DecodedText decoded = text::Decode(text::HeldEncoding(encoding), bytes);
  std::string shown;
  for (size_t i = 0; i < decoded.characters.size(); ++i) {
    const text::DecodedText::Character& c = decoded.characters[i];
    if (c.valid && bytes[c.source] != '\0') {
      const size_t end = i + 1 < decoded.characters.size() ? decoded.characters[i + 1].text : decoded.text.size();
      shown.append(decoded.text, c.text, end - c.text);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(bytes[c.source]));
      shown += hex;
    }
  }
  return shown;
}

void Text(UiDriver& driver, const Words&) {
  const TSrcEditStringList& lines = Editor(driver).Lines();
  for (int i = 0; i < lines.Count(); ++i) Output("| " + ShownText(driver, lines.Get(i)));
}

void Selection(UiDriver& driver, const Words&) {
  TSrcEdit& editor = Editor(driver);
  Output("selection " + std::to_string(editor.SelStart()) + " " + std::to_string(editor.SelEnd()) + " " +
         Quoted(ShownText(driver, editor.SelText())));
}

void CaretPosition(UiDriver& driver, const Words&) {
  Output("caret " + std::to_string(Editor(driver).CaretX()) + " " + std::to_string(Editor(driver).CaretY()));
}

void Modified(UiDriver& driver, const Words&) { Output(std::string("modified ") + Bool(Editor(driver).Modified())); }
void EncodingQuery(UiDriver& driver, const Words&) { Output(DescribeFormat(driver.Window().Document().Format())); }

void FileName(UiDriver& driver, const Words&) { Output("filename " + Quoted(driver.Window().FileName())); }
void Caption(UiDriver& driver, const Words&) { Output("caption " + Quoted(Utf8(driver.TargetWindow()->windowTitle()))); }
void Status(UiDriver& driver, const Words&) { Output("status " + Quoted(Utf8(driver.Window().StatusPanel->text()))); }
void Marquee(UiDriver& driver, const Words&) { Output("marquee " + Quoted(Utf8(driver.Window().StatusM->Caption()))); }
void Gutter(UiDriver& driver, const Words&) { Output(std::string("gutter ") + Bool(Editor(driver).Gutter().ShowLineNumbers())); }

void ViewerTextLines(UiDriver& driver, const Words&) { PrintLines(ViewerLines(driver.Window().Viewer->Viewer())); }

void ViewerSelection(UiDriver& driver, const Words&) {
  preview::THtmlPreview& viewer = driver.Window().Viewer->Viewer();
  const int start = viewer.SelStart();
  const int length = viewer.SelLength();
  Output("viewer-selection " + std::to_string(start) + " " + std::to_string(length) + " " +
         Quoted(ViewerText(viewer, start, std::abs(length))));
}

void ViewerPosition(UiDriver& driver, const Words&) {
  Output("viewer-position " + std::to_string(driver.Window().Viewer->Viewer().Position()));
}

void List(UiDriver& driver, const Words& words) {
  if (auto* list = driver.Find<QListWidget>(words[0])) {
    for (int row = 0; row < list->count(); ++row) Output("| " + Utf8(list->item(row)->text()));
  } else if (auto* combo = driver.Find<QComboBox>(words[0])) {
    for (int row = 0; row < combo->count(); ++row) Output("| " + Utf8(combo->itemText(row)));
  } else {
    throw ScriptError("no list " + words[0]);
  }
}

void Component(UiDriver& driver, const Words& words) {
  QObject* component = driver.FindObject(words[0]);
  if (component == nullptr) throw ScriptError("no component " + words[0]);
  const TComponentTexts texts = ComponentTexts(*component);
  Output("component " + words[0] + " caption " + Quoted(Utf8(texts.Caption)) + " hint " + Quoted(Utf8(texts.Hint)) +
         " text " + Quoted(Utf8(texts.Text)));
}

void Enabled(UiDriver& driver, const Words& words) {
  QObject* component = driver.FindObject(words[0]);
  bool enabled = false;
  if (auto* action = qobject_cast<QAction*>(component)) enabled = action->isEnabled();
  else if (auto* widget = qobject_cast<QWidget*>(component)) enabled = widget->isEnabled();
  else throw ScriptError("no component " + words[0]);
  Output("enabled " + words[0] + " " + Bool(enabled));
}

// The shortcuts of a menu item, as the menu shows them.
void Shortcut(UiDriver& driver, const Words& words) {
  auto* action = qobject_cast<QAction*>(driver.FindObject(words[0]));
  if (action == nullptr) throw ScriptError("no menu item " + words[0]);
  QStringList keys;
  for (const QKeySequence& key : action->shortcuts()) keys << key.toString(QKeySequence::PortableText);
  Output("shortcut " + words[0] + " " + Quoted(Utf8(keys.join(QStringLiteral(", ")))));
}

void Checked(UiDriver& driver, const Words& words) {
  bool checked = false;
  if (auto* button = driver.Find<QAbstractButton>(words[0]); button != nullptr && button->isCheckable())
    checked = button->isChecked();
  else if (auto* item = driver.Find<QAction>(words[0]); item != nullptr && item->isCheckable())
    checked = item->isChecked();
  else
    throw ScriptError("no check box, radio button or checkable menu item " + words[0]);
  Output("checked " + words[0] + " " + Bool(checked));
}

// The control holding the keyboard focus, named as "focus" names it; the
// browser's inner view counts as the browser.
void FocusOwner(UiDriver& driver, const Words&) {
  TOsnovnFRM& window = driver.Window();
  const std::pair<QWidget*, const char*> named[] = {
      {window.SrcEdit, "SrcEdit"}, {window.Viewer, "Viewer"}, {window.WebBrowser, "WebBrowser"}};
  // The window's own focus child: it holds even while the offscreen
  // platform has not yet told the window it is active.
  QWidget* focused = driver.TargetWindow()->focusWidget();
  if (focused == nullptr) focused = QApplication::focusWidget();
  std::string name = focused == nullptr ? "none" : Utf8(focused->objectName());
  for (QWidget* widget = focused; widget != nullptr; widget = widget->parentWidget()) {
    for (const auto& [control, controlName] : named) {
      if (widget == control) {
        Output(std::string("focus ") + controlName);
        return;
      }
    }
  }
  Output("focus " + (name.empty() ? std::string("unnamed") : name));
}

void BrowserHtml(UiDriver& driver, const Words&) {
  BrowserDocument* document = driver.Window().WebBrowser->Document();
  if (document == nullptr) throw ScriptError("no document in the browser page");
  PrintLines(SplitLines(QString::fromStdString(document->Serialize())));
}

// A text file such as a language or settings file, its windows-1251 lines as UTF-8.
void FileLines(UiDriver&, const Words& words) {
  if (!FileExists(words[0])) {
    Output("no file " + Quoted(words[0]));
    return;
  }
  std::vector<std::string> lines;
  for (const std::string& line : SplitLines(QString::fromStdString(cp1251::ToUtf8(ReadFileBytes(words[0])))))
    lines.push_back(line);
  PrintLines(lines);
}

}  // namespace

const std::vector<UiVerb>& QueryVerbs() {
  static const std::vector<UiVerb> verbs = {
      {"text", 0, 0, Text},
      {"selection", 0, 0, Selection},
      {"caret", 0, 0, CaretPosition},
      {"modified", 0, 0, Modified},
      {"filename", 0, 0, FileName},
      {"encoding", 0, 0, EncodingQuery},
      {"caption", 0, 0, Caption},
      {"status", 0, 0, Status},
      {"marquee", 0, 0, Marquee},
      {"viewer-text", 0, 0, ViewerTextLines},
      {"viewer-selection", 0, 0, ViewerSelection},
      {"viewer-position", 0, 0, ViewerPosition},
      {"list", 1, 1, List},
      {"component", 1, 1, Component},
      {"enabled", 1, 1, Enabled},
      {"checked", 1, 1, Checked},
      {"shortcut", 1, 1, Shortcut},
      {"browser-html", 0, 0, BrowserHtml},
      {"gutter", 0, 0, Gutter},
      {"file", 1, 1, FileLines},
      {"focus", 0, 0, FocusOwner},
  };
  return verbs;
}

}  // namespace tessaly::cli
