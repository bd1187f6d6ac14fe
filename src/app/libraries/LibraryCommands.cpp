// The main window's templates, entity table and snippet libraries: the
// "Шаблоны" tool page and the "PHP", "Java" and "***" side pages.

#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>

#include "app/documents/DocumentSession.h"
#include "app/window/MainWindow.h"
#include "app/libraries/SnippetEditing.h"
#include "app/libraries/ScriptLibrary.h"
#include "app/libraries/Templates.h"
#include "platform/ProgramDirectory.h"
#include "qt/QtSrcEditWidget.h"

namespace tessaly {

void TOsnovnFRM::ConnectLibraryCommands() {
  LoadShablonList(ShablonList);
  JavaScriptList = std::make_unique<TScriptLibrary>(ProgramDirectory() + "script/java.velmora");
  PHPScriptList = std::make_unique<TScriptLibrary>(ProgramDirectory() + "script/php.velmora");
  FillDefaultJavaScripts(JavaScriptList->List());
  snippetEditing_ = std::make_unique<TSnippetEditing>(dialogs_, *JavaScriptList, *JavaList, *PHPScriptList, *PHPList,
                                                      [this] { return SkriptPageControl->currentIndex(); });

  for (int i = 0; i < TemplateCount; ++i) {
    const std::string name = "TemplateButton" + std::to_string(i + 1);
    connect(findChild<QToolButton*>(QString::fromStdString(name)), &QToolButton::clicked, this,
            [this, i] { RunCommand([this, i] { TemplateButtonClick(i); }); });
  }
  connect(JavaList, &QListWidget::itemDoubleClicked, this, [this] { RunCommand([this] { JavaListDblClick(); }); });
  connect(SymbolList, &QListWidget::itemDoubleClicked, this,
          [this] { RunCommand([this] { SymbolListDblClick(); }); });
}

void TOsnovnFRM::LoadJavaScriptList() { snippetEditing_->LoadJavaScripts(); }

void TOsnovnFRM::LoadPHPScriptList() { snippetEditing_->LoadPHPScripts(); }

void TOsnovnFRM::FillSymbolList() { tessaly::FillSymbolList(*SymbolList); }

void TOsnovnFRM::TemplateButtonClick(int button) {
  ApplyTemplate(ShablonList.Items(kTemplateButtonEntries[button]).Lines());
}

// Snippets and entities are stored in windows-1251; the document may not be.
void TOsnovnFRM::JavaListDblClick() {
  SrcEdit->Editor().SetSelText(document_->EncodedFromCp1251(snippetEditing_->JavaListDblClick()));
}

void TOsnovnFRM::SymbolListDblClick() {
  SrcEdit->Editor().SetSelText(document_->EncodedFromCp1251(SelectedSymbol(*SymbolList)));
}

void TOsnovnFRM::AddScriptJavaBtnClick() { snippetEditing_->AddScriptJavaBtnClick(this); }

void TOsnovnFRM::ToolButton33Click() { snippetEditing_->ToolButton33Click(this); }

void TOsnovnFRM::ToolButton34Click() { snippetEditing_->ToolButton34Click(); }

}  // namespace tessaly
