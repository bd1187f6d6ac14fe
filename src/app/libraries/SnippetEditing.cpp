#include "app/libraries/SnippetEditing.h"

#include <QBrush>
#include <QColor>
#include <QListWidget>

#include "app/libraries/AddForm.h"
#include "app/libraries/ScriptLibrary.h"
#include "app/libraries/SymbolTable.h"
#include "platform/Dialogs.h"
#include "qt/Cp1251Text.h"

namespace tessaly {

namespace {

constexpr const char* NotYetText = "Пока не задействовано!";

}  // namespace

void FillScriptList(QListWidget& list, const TScriptLibrary& library) {
  list.clear();
  for (const std::string& name : library.Descriptions()) {
    auto* row = new QListWidgetItem(QStringFromCp1251(name), &list);
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    row->setCheckState(Qt::Unchecked);
  }
}

void FillSymbolList(QListWidget& list) {
  list.clear();
  for (const std::string& row : SymbolStrHolder()) {
    auto* item = new QListWidgetItem(QStringFromCp1251(SymbolListText(row)), &list);
    const TColor color = SymbolRowColor(row);
    item->setBackground(QBrush(QColor(GetRValue(color), GetGValue(color), GetBValue(color))));
  }
}

std::string SelectedSymbol(const QListWidget& list) {
  const std::vector<std::string>& rows = SymbolStrHolder();
  CheckListIndex(list.currentRow(), static_cast<int>(rows.size()));
  return SymbolEntity(rows[static_cast<size_t>(list.currentRow())]);
}

TSnippetEditing::TSnippetEditing(Dialogs& dialogs, TScriptLibrary& javaScripts, QListWidget& javaList,
                                 TScriptLibrary& phpScripts, QListWidget& phpList, std::function<int()> activePage)
    : dialogs_(dialogs),
      javaScripts_(javaScripts),
      javaList_(javaList),
      phpScripts_(phpScripts),
      phpList_(phpList),
      activePage_(std::move(activePage)) {}

std::string TSnippetEditing::JavaListDblClick() const { return javaScripts_.SnippetText(javaList_.currentRow()); }

void TSnippetEditing::Load(TScriptLibrary& library, QListWidget& list) {
  try {
    library.Load();
  } catch (const std::exception& error) {
    ShowError(dialogs_, error.what());
  }
  FillScriptList(list, library);
}

void TSnippetEditing::LoadJavaScripts() { Load(javaScripts_, javaList_); }
void TSnippetEditing::LoadPHPScripts() { Load(phpScripts_, phpList_); }

void TSnippetEditing::StoreScript(TScriptType type, bool editMode, const std::string& name,
                                  std::vector<std::string> lines) {
  if (type == stTemplate) return ShowMessage(dialogs_, NotYetText);
  TScriptLibrary& library = type == stPHP ? phpScripts_ : javaScripts_;
  QListWidget& list = type == stPHP ? phpList_ : javaList_;
  const int selected = list.currentRow();
  try {
    if (editMode) library.Replace(selected, name, std::move(lines));
    else library.Add(name, std::move(lines));
  } catch (...) {
    // The library went back to its last saved state; the list shows that.
    FillScriptList(list, library);
    if (selected < list.count()) list.setCurrentRow(selected);
    throw;
  }
  FillScriptList(list, library);
  // Editing keeps the user on the row just changed.
  if (editMode) list.setCurrentRow(selected);
}

// The dialog stays open after "Add", so its errors are shown here and the
// user can try again.
void TSnippetEditing::RunForm(TAddForm& form) {
  form.OnAdd = [this](TAddForm& dialog) {
    try {
      StoreScript(static_cast<TScriptType>(dialog.Type()), dialog.EditMode(), dialog.Name(), dialog.ScriptLines());
    } catch (const std::exception& error) {
      ShowError(dialogs_, error.what());
    }
  };
  form.exec();
}

void TSnippetEditing::AddScriptJavaBtnClick(QWidget* parent) {
  TAddForm form(parent);
  const int page = activePage_();
  if (page == spPHP) form.SetType(stPHP);
  else if (page == spJava) form.SetType(stJava);
  RunForm(form);
}

void TSnippetEditing::ToolButton33Click(QWidget* parent) {
  const int page = activePage_();
  // Check the selection before the dialog opens: with no row there is
  // nothing to edit.
  TScriptLibrary* library = page == spPHP ? &phpScripts_ : page == spJava ? &javaScripts_ : nullptr;
  const QListWidget* list = page == spPHP ? &phpList_ : &javaList_;
  if (library != nullptr) CheckListIndex(list->currentRow(), library->Count());
  TAddForm form(parent);
  if (library != nullptr) {
    const strlib::TStrLibItem& item = library->List().Items(list->currentRow());
    form.SetType(page == spPHP ? stPHP : stJava);
    form.SetName(item.Description());
    form.SetScriptLines(item.Lines());
  }
  form.SetEditMode(true);
  RunForm(form);
}

void TSnippetEditing::ToolButton34Click() {
  if (dialogs_.MessageDlg("Вы точно хотите удалить скрипт?", "удаление скрипта", TMsgDlgType::mtConfirmation,
                          mbYes | mbNo, mbNo) != mrYes)
    return;
  const int page = activePage_();
  if (page == spSymbols) {
    ShowMessage(dialogs_, NotYetText);
  } else {
    TScriptLibrary& library = page == spPHP ? phpScripts_ : javaScripts_;
    QListWidget& list = page == spPHP ? phpList_ : javaList_;
    try {
      library.Delete(list.currentRow());
    } catch (...) {
      FillScriptList(list, library);
      throw;
    }
    FillScriptList(list, library);
  }
  ShowMessage(dialogs_, "Операция завершена!!!");
}

}  // namespace tessaly
