// The markup buttons of the tool pages, the editing buttons of "Стандартная"
// and "Форматировать текст". Each markup button is one row of the markup
// table; this file only carries a row out, on the source or on the browser
// document.

#include <QToolButton>

#include "app/window/MainWindow.h"
#include "app/documents/DocumentSession.h"
#include "app/markup/MarkupTable.h"
#include "app/markup/TextTransforms.h"
#include "app/preview/BrowserPage.h"
#include "editor/SrcEdit.h"
#include "platform/BrowserDocument.h"
#include "qt/QtSrcEditWidget.h"
#include "visual/WBEdit.h"

namespace tessaly {

namespace {

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

void TOsnovnFRM::ConnectMarkupCommands() {
  for (const TMarkupCommand& command : MarkupCommandTable()) {
    connect(Component<QToolButton>(command.Button), &QToolButton::clicked, this,
            [this, &command] { RunCommand([this, &command] { MarkupButtonClick(command); }); });
  }
}

void TOsnovnFRM::MarkupButtonClick(const TMarkupCommand& command) {
  if (BrowserEditMode && command.Browser != TBrowserAction::Source) {
    BrowserMarkup(command);
  } else {
    SourceMarkup(command);
  }
}

void TOsnovnFRM::SourceMarkup(const TMarkupCommand& command) {
  TSrcEdit& editor = SrcEdit->Editor();
  const std::string open = document_->Encoded(command.Open);
  const std::string close = document_->Encoded(command.Close);
  switch (command.Source) {
    case TSourceAction::Wrap:
      WrapSelection(editor, open, close);
      SrcEdit->setFocus();
      break;
    case TSourceAction::WrapInPlace:
      WrapSelection(editor, open, close);
      break;
    case TSourceAction::InsertFocus:
      InsertText(editor, open);
      SrcEdit->setFocus();
      break;
    case TSourceAction::LinkPrompt: {
      std::string address;
      if (!dialogs_.InputQuery(LinkCaption, LinkPromptText, address)) return;
      WrapSelection(editor, LinkOpenText(document_->Encoded(address)), close);
      SrcEdit->setFocus();
      break;
    }
    case TSourceAction::ImagePrompt: {
      std::string reference = ImageDefault;
      if (!dialogs_.InputQuery(ImageCaption, ImagePromptText, reference)) return;
      InsertText(editor, ImageText(document_->Encoded(reference)));
      break;
    }
    case TSourceAction::ColorPrompt: {
      TColor color = clBlack;
      if (!dialogs_.ChooseColor(color)) return;
      WrapSelection(editor, ColorOpenText(color), close);
      break;
    }
  }
}

void TOsnovnFRM::BrowserMarkup(const TMarkupCommand& command) {
  // A refused command raises; the error box then says so and neither the
  // browser's document nor the source has changed.
  if (wbEdit_ == nullptr) throw EBrowserError("Страница браузера ещё не загружена");
  switch (command.Browser) {
    case TBrowserAction::Source:
    case TBrowserAction::Nothing:
      break;
    case TBrowserAction::Command:
      wbEdit_->RunCommand(command.BrowserText);
      break;
    case TBrowserAction::PasteHtml:
      wbEdit_->PasteHTML(command.BrowserText);
      break;
    case TBrowserAction::LinkPrompt:
      wbEdit_->LinkPrompt();
      break;
    case TBrowserAction::ColorPrompt:
      wbEdit_->TextColor();
      break;
    case TBrowserAction::TableCell:
      wbEdit_->TableCell();
      break;
  }
}

void TOsnovnFRM::EditCut() {
  SrcEdit->Editor().CutToClipboard();
  clipboardFilled_ = true;
}

void TOsnovnFRM::EditCopy() {
  SrcEdit->Editor().CopyToClipboard();
  clipboardFilled_ = true;
}

void TOsnovnFRM::EditPaste() { SrcEdit->Editor().PasteFromClipboard(); }

void TOsnovnFRM::BtnUndoClick() { SrcEdit->Editor().Undo(); }

void TOsnovnFRM::BtnRedoClick() { SrcEdit->Editor().Redo(); }


void TOsnovnFRM::FormatTextBTNClick() {
  // One edit of the whole text, so one Undo gives back the text as it was.
  ReplaceSourceText(SrcEdit->Editor(), JoinLines(FormatTextLines(SrcEdit->Editor().Lines().Strings())));
}

}  // namespace tessaly
