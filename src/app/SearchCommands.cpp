// Text search from the "Find" button and F3, and "Форматировать текст".

#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "app/BrowserPage.h"
#include "app/MainWindow.h"
#include "app/TextSearchDialog.h"
#include "app/TextTransforms.h"
#include "platform/Shell.h"
#include "qt/QtSrcEditWidget.h"

namespace tessaly {

namespace {

constexpr uint16_t VK_F3 = VK_F1 + 2;
constexpr unsigned MB_ICONINFORMATION = 0x40;

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

void TOsnovnFRM::ConnectSearchCommands() {
  ConnectToolButton("BtnFind", &TOsnovnFRM::BtnFindClick);
  ConnectMenuItem("FormatTextBTN", &TOsnovnFRM::FormatTextBTNClick);
  SrcEdit->Editor().OnKeyDown = [this](TSrcEdit&, uint16_t& key, TShiftState shift) {
    RunCommand([&] { SrcEditKeyDown(key, shift); });
  };
}

void TOsnovnFRM::BtnFindClick() { ShowSearchDialog(); }

void TOsnovnFRM::ShowSearchDialog() {
  TTextSearchDialog dialog(this);
  dialog.SetSearchBackwards(Search.SearchBackwards);
  dialog.SetSearchCaseSensitive(Search.SearchCaseSensitive);
  dialog.SetSearchFromCaret(Search.SearchFromCaret);
  dialog.SetSearchSelectedOnly(Search.SearchSelectedOnly);
  dialog.SetSearchWholeWords(Search.SearchWholeWords);
  dialog.SetSearchTextHistory(Search.SearchTextHistory);
  dialog.SetSearchText(Search.SearchText);
  if (dialog.exec() != QDialog::Accepted) return;
  Search.SearchBackwards = dialog.SearchBackwards();
  Search.SearchCaseSensitive = dialog.SearchCaseSensitive();
  Search.SearchFromCaret = dialog.SearchFromCaret();
  Search.SearchSelectedOnly = dialog.SearchSelectedOnly();
  Search.SearchWholeWords = dialog.SearchWholeWords();
  Search.SearchText = dialog.SearchText();
  Search.SearchTextHistory = dialog.SearchTextHistory();
  ContinueFromCaret = Search.SearchFromCaret;
  if (Search.SearchText.empty()) return;
  FindNextMatch(Search.SearchBackwards);
  ContinueFromCaret = true;
}

void TOsnovnFRM::FindNextMatch(bool backward) {
  StatusPanel->clear();
  TSrcEdit& editor = SrcEdit->Editor();
  if (editor.SearchReplace(Search.SearchText, std::string(), SearchOptions(Search, backward, ContinueFromCaret)) != 0)
    return;
  shell_.MessageBeep(MB_ICONINFORMATION);
  StatusPanel->setText(QStringLiteral("не найдено"));
  if (backward) editor.SetBlockEnd(editor.BlockBegin());
  else editor.SetBlockBegin(editor.BlockEnd());
  editor.SetCaretXY(editor.BlockBegin());
}

void TOsnovnFRM::SrcEditKeyDown(uint16_t& key, TShiftState) {
  // Any modifiers: F3 always repeats forward, and the editor still gets the key.
  if (key == VK_F3 && !Search.SearchText.empty()) FindNextMatch(false);
}

void TOsnovnFRM::FormatTextBTNClick() {
  // One edit of the whole text, so one Undo gives back the text as it was.
  ReplaceSourceText(SrcEdit->Editor(), JoinLines(FormatTextLines(EditorLines())));
}

}  // namespace tessaly
