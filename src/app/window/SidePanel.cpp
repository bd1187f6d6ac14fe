#include "app/window/SidePanel.h"

#include <QListWidget>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/window/Panels.h"
#include "app/window/ToolPages.h"
#include "qt/SizePanel.h"

namespace tessaly {

namespace {

constexpr int OpenedWidth = 190;

struct TSidePageSpec {
  const char* PageName;
  const char* Caption;
  const char* ListName;
};

constexpr TSidePageSpec kSidePages[] = {
    {"TabPHP", "PHP", "PHPList"},
    {"TabJava", "Java", "JavaList"},
    {"TabSymbols", "***", "SymbolList"},
};

const std::vector<TToolButtonSpec>& SnippetBarTable() {
  static const std::vector<TToolButtonSpec> table = {
      {"AddScriptJavaBtn", "", "Добавление собственных скриптов", "script-add"},
      {"ToolButton33", "", "Изменить скрипт", "script-edit"},
      {"ToolButton34", "", "Удаление выбранного скрипта", "script-delete"},
  };
  return table;
}

}  // namespace

TSizePanel* BuildSidePanel(QWidget* parent) {
  auto* content = new QWidget;
  content->setObjectName(QStringLiteral("SkriptContent"));
  content->setFixedWidth(OpenedWidth);
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);

  auto* pages = new QTabWidget(content);
  pages->setObjectName(QStringLiteral("SkriptPageControl"));
  for (const TSidePageSpec& spec : kSidePages) {
    auto* list = new QListWidget(pages);
    list->setObjectName(QString::fromUtf8(spec.ListName));
    const TPanel page = NewPanel(spec.PageName, QBoxLayout::TopToBottom, pages);
    page.Layout->addWidget(list);
    pages->addTab(page.Widget, QString::fromUtf8(spec.Caption));
  }
  layout->addWidget(pages, 1);

  QToolBar* bar = BuildToolBar(SnippetBarTable(), content);
  bar->setObjectName(QStringLiteral("SkriptToolBar"));
  bar->setIconSize({16, 16});
  layout->addWidget(bar);

  auto* panel = new TSizePanel(content, parent);
  panel->setObjectName(QStringLiteral("PanelSkript"));
  return panel;
}

}  // namespace tessaly
