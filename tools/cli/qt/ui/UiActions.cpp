// The driver's actions: answers, clicks, keys, typing, mouse work in the
// editor and the viewer, pages, drops, waits, closing and screenshots.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QUrl>
#include <QWebEnginePage>

#include <filesystem>

#include "app/window/MainWindow.h"
#include "app/update/UpdateWindow.h"
#include "cli/qt/ui/UiDialogs.h"
#include "cli/qt/ui/UiDriver.h"
#include "cli/qt/ui/UiScript.h"
#include "cli/qt/ui/UiViewerText.h"
#include "platform/Utf8.h"
#include "qt/BrowserView.h"
#include "qt/QtPreviewWidget.h"
#include "qt/QtSrcEditWidget.h"
#include "visual/WBEdit.h"

namespace tessaly::cli {

namespace {

constexpr int FocusWaitMilliseconds = 1000;
constexpr int WindowWaitMilliseconds = 30000;

int Number(const std::string& word) {
  try {
    size_t used = 0;
    const int value = std::stoi(word, &used);
    if (used == word.size()) return value;
  } catch (const std::exception&) {
  }
  throw ScriptError("not a number: " + word);
}

bool Flag(const std::string& word) {
  if (word == "true") return true;
  if (word == "false") return false;
  throw ScriptError("expected true or false: " + word);
}

void ProcessEventsFor(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  do QApplication::processEvents(QEventLoop::AllEvents, 10);
  while (timer.elapsed() < milliseconds);
}

QString Caption(QString text) { return text.remove(QLatin1Char('&')); }

// The button or action named so, else the first visible one with that caption.
QObject* Clickable(UiDriver& driver, const std::string& name) {
  QObject* named = driver.FindObject(name);
  if (qobject_cast<QAction*>(named) != nullptr || qobject_cast<QAbstractButton*>(named) != nullptr) return named;
  const QString caption = QString::fromStdString(name);
  for (QWidget* window : {driver.TargetWindow(), static_cast<QWidget*>(&driver.Window())}) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
      if (button->isVisible() && Caption(button->text()) == caption) return button;
    for (QAction* action : window->findChildren<QAction*>())
      if (!action->isSeparator() && Caption(action->text()) == caption) return action;
  }
  throw ScriptError("no button or menu item " + name);
}

void Answer(UiDriver& driver, const Words& words) {
  if (!driver.Dialogs().Queue(words[0], words[1])) throw ScriptError("cannot answer " + words[0] + " with " + words[1]);
}

void Click(UiDriver& driver, const Words& words) {
  QObject* target = Clickable(driver, words[0]);
  if (auto* action = qobject_cast<QAction*>(target)) {
    if (!action->isEnabled()) return Output("disabled " + words[0]);
    action->trigger();
  } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
    if (!button->isEnabled()) return Output("disabled " + words[0]);
    button->click();
  }
}

QWidget* FocusTarget(UiDriver& driver) {
  QWidget* focused = QApplication::focusWidget();
  return focused != nullptr ? focused : driver.TargetWindow();
}

Qt::Key KeyOfCharacter(QChar ch) {
  switch (ch.unicode()) {
    case '\r':
    case '\n': return Qt::Key_Return;
    case '\t': return Qt::Key_Tab;
    case '\b': return Qt::Key_Backspace;
  }
  return static_cast<Qt::Key>(ch.toUpper().unicode());
}

void Type(UiDriver& driver, const Words& words) {
  for (const QChar ch : QString::fromStdString(words[0])) {
    const QString text = ch == QLatin1Char('\n') ? QStringLiteral("\r") : QString(ch);
    QTest::sendKeyEvent(QTest::Click, FocusTarget(driver), KeyOfCharacter(ch), text, Qt::NoModifier);
  }
}

void Key(UiDriver& driver, const Words& words) {
  const QKeySequence sequence = QKeySequence::fromString(QString::fromStdString(words[0]), QKeySequence::PortableText);
  if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown) throw ScriptError("unknown key " + words[0]);
  QTest::keyClick(FocusTarget(driver), sequence[0].key(), sequence[0].keyboardModifiers());
}

void Focus(UiDriver& driver, const Words& words) {
  TOsnovnFRM& window = driver.Window();
  QWidget* target = words[0] == "SrcEdit"  ? static_cast<QWidget*>(window.SrcEdit)
                    : words[0] == "Viewer" ? static_cast<QWidget*>(window.Viewer)
                    : words[0] == "WebBrowser" ? static_cast<QWidget*>(window.WebBrowser)
                                               : nullptr;
  if (target == nullptr) throw ScriptError("cannot focus " + words[0]);
  // After a modal window closes, the main window's activation arrives late
  // and gives the focus back to where it was; wait until it has settled.
  QElapsedTimer timer;
  timer.start();
  int settled = 0;  // passes of the event loop that left the focus there
  while (settled < 2 && timer.elapsed() < FocusWaitMilliseconds) {
    if (QApplication::focusWidget() != target) {
      settled = 0;
      window.activateWindow();
      target->setFocus(Qt::OtherFocusReason);
    }
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    if (QApplication::focusWidget() == target) ++settled;
  }
}

void Set(UiDriver& driver, const Words& words) {
  const QString text = QString::fromStdString(words[1]);
  QObject* target = driver.FindObject(words[0]);
  if (auto* combo = qobject_cast<QComboBox*>(target); combo != nullptr && combo->isEditable()) target = combo->lineEdit();
  if (auto* edit = qobject_cast<QLineEdit*>(target)) {
    edit->selectAll();
    edit->insert(text);  // as typed: the edit's signals fire
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) {
    plain->setPlainText(text);
  } else if (auto* rich = qobject_cast<QTextEdit*>(target)) {
    rich->setPlainText(text);
  } else {
    throw ScriptError("no text field " + words[0]);
  }
}

void Check(UiDriver& driver, const Words& words) {
  auto* button = driver.Find<QAbstractButton>(words[0]);
  if (button == nullptr || !button->isCheckable()) throw ScriptError("no check box or radio button " + words[0]);
  if (button->isChecked() != Flag(words[1])) button->click();
}

// The editor's character (column x, line y, 1-based), scrolled into view.
QPoint EditorPoint(TOsnovnFRM& window, int x, int y) {
  TSrcEdit& editor = window.SrcEdit->Editor();
  if (y < 1 || y > std::max(1, editor.LineCount())) throw ScriptError("no line " + std::to_string(y));
  if (y < editor.TopLine() || y >= editor.TopLine() + editor.LinesInWindow()) editor.SetTopLine(y);
  const TPoint pixels = editor.PositionToPixels({x, y});
  return {pixels.X + 1, pixels.Y + editor.LineHeight() / 2};
}

void Caret(UiDriver& driver, const Words& words) {
  QWidget* viewport = driver.Window().SrcEdit->viewport();
  QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier,
                    EditorPoint(driver.Window(), Number(words[0]), Number(words[1])));
}

void Drag(QWidget* widget, QPoint from, QPoint to) {
  QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(widget, to);
  QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, to);
}

void Select(UiDriver& driver, const Words& words) {
  TOsnovnFRM& window = driver.Window();
  const QPoint from = EditorPoint(window, Number(words[0]), Number(words[1]));
  const QPoint to = EditorPoint(window, Number(words[2]), Number(words[3]));
  Drag(window.SrcEdit->viewport(), from, to);
}

QPoint ViewerPoint(TOsnovnFRM& window, int docPos) {
  preview::THtmlPreview& viewer = window.Viewer->Viewer();
  int x = 0, y = 0;
  if (!viewer.DisplayPosToXY(docPos, x, y)) throw ScriptError("viewer position not shown");
  // The first position of a block is also the end of the one before it (the
  // line above, the cell to the left): then the point is taken from the
  // character after it, when the gap to it is wider than a character.
  int nextX = 0, nextY = 0, afterX = 0, afterY = 0;
  if (viewer.DisplayPosToXY(docPos + 1, nextX, nextY)) {
    const bool widthKnown = viewer.DisplayPosToXY(docPos + 2, afterX, afterY) && afterY == nextY && afterX > nextX;
    const bool gap = widthKnown && (nextX - x) * 2 > (afterX - nextX) * 3 + 2;
    if (nextY != y || nextX <= x || gap) return {std::max(0, nextX - 2), nextY + 2};
  }
  return {x + 1, y + 2};
}

void ViewerSelect(UiDriver& driver, const Words& words) {
  TOsnovnFRM& window = driver.Window();
  const int start = FindViewerText(window.Viewer->Viewer(), words[0]);
  if (start < 0) throw ScriptError("not in the viewer: " + words[0]);
  const int end = start + static_cast<int>(ToUtf32(words[0]).size());
  Drag(window.Viewer, ViewerPoint(window, start), ViewerPoint(window, end));
}

void ViewerClick(UiDriver& driver, const Words& words) {
  TOsnovnFRM& window = driver.Window();
  const int start = FindViewerText(window.Viewer->Viewer(), words[0]);
  if (start < 0) throw ScriptError("not in the viewer: " + words[0]);
  QTest::mouseClick(window.Viewer, Qt::LeftButton, Qt::NoModifier, ViewerPoint(window, start));
}

void DoubleClick(UiDriver& driver, const Words& words) {
  auto* list = driver.Find<QListWidget>(words[0]);
  if (list == nullptr) throw ScriptError("no list " + words[0]);
  const int row = Number(words[1]);
  if (row < 0 || row >= list->count()) throw ScriptError("no row " + words[1]);
  list->scrollToItem(list->item(row));
  const QPoint at = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void Page(UiDriver& driver, const Words& words) {
  auto* pages = driver.Find<QTabWidget>(words[0]);
  if (pages == nullptr) throw ScriptError("no page control " + words[0]);
  const int index = Number(words[1]);
  if (index < 0 || index >= pages->count()) throw ScriptError("no page " + words[1]);
  QTabBar* bar = pages->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
}

void Drop(UiDriver& driver, const Words& words) {
  QMimeData data;
  QList<QUrl> urls;
  for (const std::string& path : words)
    urls.append(QUrl::fromLocalFile(QString::fromStdString(std::filesystem::absolute(path).lexically_normal().string())));
  data.setUrls(urls);
  TOsnovnFRM& window = driver.Window();
  const QPoint at = window.rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  if (!enter.isAccepted()) return Output("drop refused");
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
}

void BrowserSelect(UiDriver& driver, const Words& words) {
  if (!driver.Window().WebBrowser->SelectText(words[0])) throw ScriptError("not in the browser page: " + words[0]);
}

void BrowserElement(UiDriver& driver, const Words& words) {
  const int index = words.size() > 1 ? Number(words[1]) : 0;
  if (!driver.Window().WebBrowser->SelectElement(words[0], index))
    throw ScriptError("no element " + words[0] + " in the browser page");
}

void BrowserCommand(UiDriver& driver, const Words& words) {
  TOsnovnFRM& window = driver.Window();
  if (window.WBEdit() == nullptr) throw ScriptError("no browser editing object");
  const std::string value = words.size() > 1 ? words[1] : std::string();
  window.RunCommand([&] { window.WBEdit()->RunCommand(words[0], value); });
}

void Wait(UiDriver& driver, const Words& words) {
  if (words[0] == "window") {
    if (words.size() != 2) throw ScriptError("wait window needs a window name");
    const QString name = QString::fromStdString(words[1]);
    return driver.WaitUntil(
        [name] {
          const QWidget* modal = QApplication::activeModalWidget();
          return modal != nullptr && modal->objectName() == name;
        },
        WindowWaitMilliseconds, "window " + words[1] + " did not open");
  }
  if (words[0] == "update") {
    auto* update = driver.Window().findChild<Tform_MainWindow*>(QStringLiteral("form_MainWindow"));
    if (update == nullptr) throw ScriptError("no update window");
    return driver.WaitUntil([update] { return !update->Flow().WebUpdate().Busy(); }, WindowWaitMilliseconds,
                            "the update check did not end");
  }
  if (words.size() != 1) throw ScriptError("wrong number of words for 'wait'");
  if (words[0] != "browser") return ProcessEventsFor(Number(words[0]));
  ProcessEventsFor(50);
  if (!driver.Window().WebBrowser->WaitComplete(BrowserWaitMilliseconds))
    throw ScriptError("the browser's document did not complete");
}

void Close(UiDriver& driver, const Words&) { Output(driver.Window().close() ? "closed" : "close refused"); }

void Screenshot(UiDriver& driver, const Words& words) {
  if (!driver.TargetWindow()->grab().save(QString::fromStdString(words[0]), "PNG"))
    throw ScriptError("cannot write " + words[0]);
}

void Print(UiDriver& driver, const Words& words) {
  for (const UiVerb& query : QueryVerbs()) {
    if (words[0] != query.Name) continue;
    const Words rest(words.begin() + 1, words.end());
    if (rest.size() < query.MinWords || rest.size() > query.MaxWords)
      throw ScriptError("wrong number of words for 'print " + words[0] + "'");
    return query.Run(driver, rest);
  }
  throw ScriptError("cannot print " + words[0]);
}

}  // namespace

const std::vector<UiVerb>& ActionVerbs() {
  static const std::vector<UiVerb> verbs = {
      {"answer", 2, 2, Answer},
      {"click", 1, 1, Click},
      {"type", 1, 1, Type},
      {"key", 1, 1, Key},
      {"focus", 1, 1, Focus},
      {"set", 2, 2, Set},
      {"check", 2, 2, Check},
      {"caret", 2, 2, Caret},
      {"select", 4, 4, Select},
      {"viewer-select", 1, 1, ViewerSelect},
      {"viewer-click", 1, 1, ViewerClick},
      {"dblclick", 2, 2, DoubleClick},
      {"page", 2, 2, Page},
      {"drop", 1, 1000, Drop},
      {"browser-select", 1, 1, BrowserSelect},
      {"browser-element", 1, 2, BrowserElement},
      {"browser-command", 1, 2, BrowserCommand},
      {"wait", 1, 2, Wait},
      {"close", 0, 0, Close},
      {"screenshot", 1, 1, Screenshot},
      {"print", 1, 2, Print},
  };
  return verbs;
}

}  // namespace tessaly::cli
