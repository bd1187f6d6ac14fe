// The main window's templates, entity table and snippet libraries: the
// "Шаблоны" tool page and the "PHP", "Java" and "***" side pages.

#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>

#include "app/MainWindow.h"
#include "app/ScriptCommands.h"
#include "app/ScriptLibrary.h"
#include "app/Templates.h"
#include "platform/ProgramDirectory.h"
#include "qt/QtSrcEditWidget.h"

namespace tessaly {

void TOsnovnFRM::ConnectLibraryCommands() {
  LoadShablonList(ShablonList);
  JavaScriptList = std::make_unique<TScriptLibrary>(ProgramDirectory() + "script/java.velmora");
  PHPScriptList = std::make_unique<TScriptLibrary>(ProgramDirectory() + "script/php.velmora");
  FillDefaultJavaScripts(JavaScriptList->List());
  scriptCommands_ = std::make_unique<TScriptCommands>(dialogs_, *JavaScriptList, *JavaList, *PHPScriptList, *PHPList,
                                                      [this] { return SkriptPageControl->currentIndex(); });

  for (int i = 0; i < TemplateCount; ++i) {
    const std::string name = "TemplateButton" + std::to_string(i + 1);
    connect(findChild<QToolButton*>(QString::fromStdString(name)), &QToolButton::clicked, this,
            [this, i] { RunCommand([this, i] { TemplateButtonClick(i); }); });
  }
  connect(JavaList, &QListWidget::itemDoubleClicked, this, [this] { RunCommand([this] { JavaListDblClick(); }); });
  connect(SymbolList, &QListWidget::itemDoubleClicked, this,
          [this] { RunCommand([this] { SymbolListDblClick(); }); });
  ConnectToolButton("AddScriptJavaBtn", &TOsnovnFRM::AddScriptJavaBtnClick);
  ConnectToolButton("ToolButton33", &TOsnovnFRM::ToolButton33Click);
  ConnectToolButton("ToolButton34", &TOsnovnFRM::ToolButton34Click);
}

void TOsnovnFRM::LoadJavaScriptList() { scriptCommands_->LoadJavaScripts(); }

void TOsnovnFRM::LoadPHPScriptList() { scriptCommands_->LoadPHPScripts(); }

void TOsnovnFRM::FillSymbolList() { tessaly::FillSymbolList(*SymbolList); }

void TOsnovnFRM::TemplateButtonClick(int button) {
  ApplyTemplate(ShablonList.Items(kTemplateButtonEntries[button]).Lines());
}

void TOsnovnFRM::JavaListDblClick() { SrcEdit->Editor().SetSelText(scriptCommands_->JavaListDblClick()); }

void TOsnovnFRM::SymbolListDblClick() { SrcEdit->Editor().SetSelText(SelectedSymbol(*SymbolList)); }

void TOsnovnFRM::AddScriptJavaBtnClick() { scriptCommands_->AddScriptJavaBtnClick(this); }

void TOsnovnFRM::ToolButton33Click() { scriptCommands_->ToolButton33Click(this); }

void TOsnovnFRM::ToolButton34Click() { scriptCommands_->ToolButton34Click(); }

}  // namespace tessaly
