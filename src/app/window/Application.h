#pragma once
// The program's windows in their start-up order: the main window first (it
// is the application's main window: closing it ends the program), then the
// hidden about box and the hidden update window.

#include <memory>
#include <string>

class QApplication;

namespace tessaly {

class Dialogs;
class TShell;
class TAboutForm;
class TOsnovnFRM;
class Tform_MainWindow;

// What must hold before the application object exists (the browser engine's
// process settings); then, once it exists, its title and look.
void PrepareApplication();
void SetUpApplication(QApplication& application);

class TApplicationForms {
public:
  // `version` is what the about box shows; empty when the program has none.
  TApplicationForms(Dialogs& dialogs, TShell& shell, const std::string& version);
  ~TApplicationForms();

  TOsnovnFRM& OsnovnFRM() const { return *osnovnFRM_; }
  TAboutForm& AboutForm() const { return *aboutForm_; }
  Tform_MainWindow& form_MainWindow() const { return *updateWindow_; }

private:
  // Destroyed in reverse: the dialogs go before the window they belong to.
  std::unique_ptr<TOsnovnFRM> osnovnFRM_;
  std::unique_ptr<TAboutForm> aboutForm_;
  std::unique_ptr<Tform_MainWindow> updateWindow_;
};

}  // namespace tessaly
