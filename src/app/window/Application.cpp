#include "app/window/Application.h"

#include <QApplication>

#include "app/window/AboutForm.h"
#include "app/window/Icons.h"
#include "app/window/Look.h"
#include "app/window/MainWindow.h"
#include "app/window/ProgramInfo.h"
#include "app/update/UpdateWindow.h"
#include "qt/BrowserView.h"

namespace tessaly {

void PrepareApplication() { TBrowserView::PrepareProcess(); }

void SetUpApplication(QApplication& application) {
  QApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
  QApplication::setWindowIcon(ToolIcon("tessaly"));
  ApplyLook(application);
}

TApplicationForms::TApplicationForms(Dialogs& dialogs, TShell& shell, const std::string& version)
    : osnovnFRM_(std::make_unique<TOsnovnFRM>(dialogs, shell)),
      aboutForm_(std::make_unique<TAboutForm>(shell, dialogs, version, osnovnFRM_.get())),
      updateWindow_(std::make_unique<Tform_MainWindow>(dialogs, shell, version, osnovnFRM_.get())) {
  osnovnFRM_->SetAboutForm(aboutForm_.get());
  osnovnFRM_->SetUpdateWindow(updateWindow_.get());
}

TApplicationForms::~TApplicationForms() = default;

}  // namespace tessaly
