// Text search from the "Find" button and F3.

#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "app/documents/DocumentSession.h"
#include "app/window/MainWindow.h"
#include "app/search/TextSearchDialog.h"
#include "platform/Shell.h"
#include "qt/QtSrcEditWidget.h"

namespace tessaly {

namespace {

constexpr uint16_t VK_F3 = VK_F1 + 2;
constexpr unsigned MB_ICONINFORMATION = 0x40;

}  // namespace

void TOsnovnFRM::ConnectSearchCommands() {
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
  // The search text is Unicode; the document holds its own encoding's bytes.
  const std::string searched = document_->Encoded(Search.SearchText);
  if (editor.SearchReplace(searched, std::string(), SearchOptions(Search, backward, ContinueFromCaret)) != 0)
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

}  // namespace tessaly
