#pragma once
// The about box `TAboutForm`: "About" (version, picture) and "Help" pages,
// the link to the program's site and "Закрыть".

#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;

namespace tessaly {

class Dialogs;
class TShell;

class TAboutForm : public QDialog {
  Q_OBJECT
public:
  // `version` is the program's version text, empty when it has none.
  TAboutForm(TShell& shell, Dialogs& dialogs, const std::string& version, QWidget* parent = nullptr);

  QString VersionText() const;
  QStringList HelpLines() const;

private:
  QWidget* BuildAboutPage(const std::string& version);
  QWidget* BuildHelpPage();

  TShell& shell_;
  Dialogs& dialogs_;
  QLabel* versionLabel_ = nullptr;
  QPlainTextEdit* helpMemo_ = nullptr;
};

}  // namespace tessaly
