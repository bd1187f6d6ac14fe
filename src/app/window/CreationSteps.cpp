// The main window's creation step: one table of steps in their order. Each
// area of the window adds its own row (language start-up, the browser
// editing object, the snippet libraries, the symbol list).

#include "app/window/CreationSteps.h"

#include <QTabWidget>

#include "app/window/MainWindow.h"
#include "platform/Exception.h"
#include "qt/BrowserView.h"
#include "qt/QtSrcEditWidget.h"

namespace tessaly {

size_t RunCreationSteps(const std::vector<std::function<void()>>& steps,
                        const std::function<void(const std::string& error)>& report) {
  size_t done = 0;
  try {
    for (const auto& step : steps) {
      step();
      ++done;
    }
  } catch (const EAbort&) {
  } catch (const std::exception& error) {
    report(error.what());
  }
  return done;
}

const std::vector<void (TOsnovnFRM::*)()>& TOsnovnFRM::CreationSteps() {
  static const std::vector<void (TOsnovnFRM::*)()> steps = {
      &TOsnovnFRM::StartLanguage,         // 1
      &TOsnovnFRM::CreateBrowserEditing,  // 2
      &TOsnovnFRM::ResetModified,         // 3
      &TOsnovnFRM::LoadJavaScriptList,    // 4
      &TOsnovnFRM::LoadPHPScriptList,     // 5
      &TOsnovnFRM::RegisterFileDrops,     // 6
      &TOsnovnFRM::ShowFirstPages,        // 7
      &TOsnovnFRM::FillSymbolList,        // 8
      &TOsnovnFRM::ShowEmptyBrowserPage,  // 9
      &TOsnovnFRM::New1Click,             // 10: the first document
  };
  return steps;
}

void TOsnovnFRM::FormCreate() {
  std::vector<std::function<void()>> steps;
  for (auto step : CreationSteps()) steps.emplace_back([this, step] { (this->*step)(); });
  RunCreationSteps(steps, [this](const std::string& error) { ShowError(dialogs_, error); });
}

void TOsnovnFRM::ResetModified() { SrcEdit->Editor().SetModified(false); }

void TOsnovnFRM::RegisterFileDrops() { setAcceptDrops(true); }

void TOsnovnFRM::ShowFirstPages() {
  HTMLPageControl->setCurrentIndex(0);
  EditPageControl->setCurrentIndex(0);
}

void TOsnovnFRM::ShowEmptyBrowserPage() { WebBrowser->Navigate(EmptyPageAddress); }

}  // namespace tessaly
