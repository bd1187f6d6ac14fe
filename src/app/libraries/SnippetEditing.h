#pragma once
// The commands of the side pages "PHP", "Java" and "***": filling the lists,
// inserting a snippet or an entity, and adding, editing and deleting snippets.
// The window hands in its lists and libraries; inserting is left to it.

#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QWidget;

namespace tessaly {

class Dialogs;
class TAddForm;
class TScriptLibrary;

// The side pages in their tab order.
enum TSkriptPage { spPHP = 0, spJava = 1, spSymbols = 2 };
// The types of the add dialog's radio group, in item order.
enum TScriptType { stJava = 0, stPHP = 1, stTemplate = 2 };

// One row per entry description, in library order.
void FillScriptList(QListWidget& list, const TScriptLibrary& library);
// One row per table row: the description, or the heading as it stands; headings
// on white, entities on pale blue.
void FillSymbolList(QListWidget& list);
// The entity of the selected row (empty for a heading).
std::string SelectedSymbol(const QListWidget& list);

class TSnippetEditing {
public:
  TSnippetEditing(Dialogs& dialogs, TScriptLibrary& javaScripts, QListWidget& javaList,
                  TScriptLibrary& phpScripts, QListWidget& phpList, std::function<int()> activePage);

  // The selected Java snippet's text, every line followed by CR LF.
  std::string JavaListDblClick() const;

  void AddScriptJavaBtnClick(QWidget* parent);
  void ToolButton33Click(QWidget* parent);
  void ToolButton34Click();

  // "Add" of the dialog: replaces the selected entry in edit mode, else
  // appends; saves, reads back and refills the list. A failed save leaves
  // the library and its list as they were and raises the error.
  void StoreScript(TScriptType type, bool editMode, const std::string& name, std::vector<std::string> lines);

  // Start-up steps 4 and 5: a library that cannot be read shows its error
  // and stays empty; the window goes on.
  void LoadJavaScripts();
  void LoadPHPScripts();

private:
  void Load(TScriptLibrary& library, QListWidget& list);
  void RunForm(TAddForm& form);

  Dialogs& dialogs_;
  TScriptLibrary& javaScripts_;
  QListWidget& javaList_;
  TScriptLibrary& phpScripts_;
  QListWidget& phpList_;
  std::function<int()> activePage_;
};

}  // namespace tessaly
