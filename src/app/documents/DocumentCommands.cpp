// The window's document commands: one-line forwards to the document session,
// what the window shows when a document arrives, and file drops.

#include <QAction>
#include <QDropEvent>
#include <QLabel>
#include <QList>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "app/documents/DefaultEncoding.h"
#include "app/documents/DocumentSession.h"
#include "app/documents/DocumentText.h"
#include "app/languages/ComponentTexts.h"
#include "app/window/MainMenu.h"
#include "app/window/MainWindow.h"
#include "app/window/StatusCounts.h"
#include "editor/SrcEdit.h"
#include "qt/MarqueePane.h"
#include "qt/QtClipboard.h"
#include "platform/Files.h"
#include "platform/ProgramDirectory.h"
#include "qt/QtSrcEditWidget.h"

#include <QTabWidget>

namespace tessaly {

void TOsnovnFRM::ConnectDocumentCommands() {
  document_->OnShown = [this](TDocumentArrival arrival) { DocumentShown(arrival); };
  document_->OnFormatChanged = [this] { DocumentFormatChanged(); };
  document_->SetDefaultEncoding(ReadDefaultEncoding(SettingsFileName()));
  recent_ = std::make_unique<TRecentFiles>(SettingsFileName());
  document_->OnFileUsed = [this](const std::string& path) {
    recent_->Add(path);
    ShowRecentFiles();
  };
  QMenu* file = Component<QMenu>("File1");
  recentMenu_ = new QMenu(QStringLiteral("Последние файлы"), file);
  recentMenu_->setObjectName(QStringLiteral("RecentMenu"));
  file->insertMenu(Component<QMenu>("EncodingMenu")->menuAction(), recentMenu_);
  ShowRecentFiles();
  for (const text::Encoding encoding : text::AllEncodings()) {
    const auto connectItem = [this, encoding](const char* prefix, void (TOsnovnFRM::*handler)(text::Encoding)) {
      QAction* item = Component<QAction>(EncodingItemName(prefix, encoding).c_str());
      connect(item, &QAction::triggered, this, [this, handler, encoding] {
        RunCommand([this, handler, encoding] { (this->*handler)(encoding); });
      });
      return item;
    };
    connectItem(kReopenItemPrefix, &TOsnovnFRM::ReopenWithEncoding);
    connectItem(kConvertItemPrefix, &TOsnovnFRM::ConvertToEncoding);
    QAction* defaultItem = connectItem(kDefaultItemPrefix, &TOsnovnFRM::ChooseDefaultEncoding);
    defaultItem->setCheckable(true);
    defaultItem->setChecked(encoding == document_->DefaultEncoding());
  }
}

void TOsnovnFRM::ShowRecentFiles() {
  // The item being chosen may be the one replaced: it goes when its signal is done.
  for (QAction* item : recentMenu_->actions()) {
    recentMenu_->removeAction(item);
    item->setObjectName(QString());
    item->deleteLater();
  }
  const std::vector<std::string>& paths = recent_->Paths();
  for (size_t i = 0; i < paths.size(); ++i) {
    QString caption = QString::fromStdString(paths[i]);
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    QAction* item = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
    item->setObjectName(QStringLiteral("Recent%1").arg(i + 1));
    item->setProperty(kSameInEveryLanguage, true);
    connect(item, &QAction::triggered, this, [this, path = paths[i]] { RunCommand([this, &path] { OpenRecent(path); }); });
  }
  recentMenu_->menuAction()->setEnabled(!paths.empty());
}

void TOsnovnFRM::OpenRecent(const std::string& path) {
  if (!FileExists(path)) {
    recent_->Remove(path);
    ShowRecentFiles();
    dialogs_.MessageDlg(RecentFileMissingMessage(path), std::string(), TMsgDlgType::mtError, mbOK, mbOK);
    return;
  }
  document_->OpenPath(path);
}

void TOsnovnFRM::DocumentFormatChanged() {
  EncodingStatus->setText(QString::fromStdString(FormatCaption(document_->Format())));
  // Typed, pasted, copied and dragged text follows the document's encoding.
  SrcEdit->Codec().SetEncoding(document_->Format().Encoding);
  clipboard_->Codec().SetEncoding(document_->Format().Encoding);
}

void TOsnovnFRM::ReopenWithEncoding(text::Encoding encoding) { document_->ReopenWith(encoding); }

void TOsnovnFRM::ConvertToEncoding(text::Encoding encoding) { document_->ConvertTo(encoding); }

void TOsnovnFRM::ChooseDefaultEncoding(text::Encoding encoding) {
  // The check marks show the setting as it stands, also when writing failed.
  const auto showChoice = [this] {
    for (const text::Encoding each : text::AllEncodings())
      Component<QAction>(EncodingItemName(kDefaultItemPrefix, each).c_str())
          ->setChecked(each == document_->DefaultEncoding());
  };
  try {
    WriteDefaultEncoding(SettingsFileName(), encoding);
  } catch (...) {
    showChoice();
    throw;
  }
  document_->SetDefaultEncoding(encoding);
  showChoice();
}

void TOsnovnFRM::DocumentShown(TDocumentArrival arrival) {
  const QString fileName = QString::fromStdString(document_->FileName());
  DocumentFormatChanged();
  switch (arrival) {
    case TDocumentArrival::New:
      StatusM->SetCaption(fileName);
      break;
    case TDocumentArrival::Opened:
      StatusM->SetCaption(fileName);
      UpdateStatusCounts();
      break;
    case TDocumentArrival::Template:
      StatusM->SetCaption(QStringLiteral("Новый файл "));
      SrcEdit->setFocus();
      break;
    case TDocumentArrival::Dropped:
      setWindowTitle(fileName);
      SrcEdit->setFocus();
      break;
  }
}

const std::string& TOsnovnFRM::FileName() const { return document_->FileName(); }

void TOsnovnFRM::PromptSaveChanges() { document_->PromptSaveChanges(); }

void TOsnovnFRM::New1Click() { document_->New(); }

void TOsnovnFRM::Open1Click() { document_->Open(); }

void TOsnovnFRM::Save1Click() { document_->Save(); }

void TOsnovnFRM::Saveas1Click() { document_->SaveAs(); }

void TOsnovnFRM::ApplyTemplate(const std::vector<std::string>& lines) { document_->ApplyTemplate(lines); }

void TOsnovnFRM::WMDropFiles(const std::vector<std::string>& paths) {
  if (paths.empty() || HTMLPageControl->currentIndex() != 0) return;
  document_->OpenDropped(paths.front());
}

void TOsnovnFRM::UpdateStatusCounts() {
  const TSrcEdit& editor = SrcEdit->Editor();
  StatusPanel->setText(QString::fromStdString(StatusCountsText(editor.Lines(), editor.CaretCharColumn(), editor.CaretY())));
}

// ---- drops from the desktop ------------------------------------------------------

namespace {

std::vector<std::string> LocalFiles(const QMimeData* data) {
  std::vector<std::string> paths;
  if (data == nullptr) return paths;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  return paths;
}

}  // namespace

void TOsnovnFRM::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void TOsnovnFRM::dragMoveEvent(QDragMoveEvent* event) {
  if (!LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void TOsnovnFRM::dropEvent(QDropEvent* event) {
  const std::vector<std::string> paths = LocalFiles(event->mimeData());
  if (paths.empty()) return;
  event->acceptProposedAction();
  RunCommand([this, &paths] { WMDropFiles(paths); });
}

}  // namespace tessaly
