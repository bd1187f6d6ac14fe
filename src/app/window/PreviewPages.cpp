#include "app/window/PreviewPages.h"

#include <QCheckBox>
#include <QLabel>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/window/Panels.h"
#include "app/window/StatusBar.h"
#include "qt/BrowserView.h"
#include "qt/QtFonts.h"

namespace tessaly {

namespace {

constexpr int EditorPanelHeight = 287;
constexpr int BrowserPanelHeight = 41;

QFrame* BuildArea(const char* name, QWidget* parent) {
  auto* area = new QFrame(parent);
  area->setObjectName(QString::fromUtf8(name));
  area->setFrameShape(QFrame::StyledPanel);
  area->setFrameShadow(QFrame::Sunken);
  area->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(1, 1, 1, 1);
  return area;
}

QWidget* BuildViewPage(QWidget* parent) {
  const TPanel page = NewPanel("TabView", QBoxLayout::TopToBottom, parent);
  auto* splitter = new QSplitter(Qt::Vertical, page.Widget);
  splitter->setObjectName(QStringLiteral("ViewSplitter"));
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(BuildArea("ViewerArea", splitter));

  const TPanel bottom = NewPanel("BottomPanel", QBoxLayout::TopToBottom, splitter);
  bottom.Layout->addWidget(BuildArea("SrcEditArea", bottom.Widget), 1);
  bottom.Layout->addWidget(BuildStatusBar(bottom.Widget));
  splitter->addWidget(bottom.Widget);
  // The viewer takes what the window gains; the editor panel keeps its height.
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 0);
  splitter->setSizes({1000, EditorPanelHeight});
  page.Layout->addWidget(splitter);
  return page.Widget;
}

QWidget* BuildBrowserPage(QWidget* parent) {
  const TPanel page = NewPanel("TabBrowser", QBoxLayout::TopToBottom, parent);
  auto* browser = new TBrowserView(page.Widget);
  browser->setObjectName(QStringLiteral("WebBrowser"));
  // The page is edited, not run: a script's output would come back as source.
  browser->SetPageScripts(false);
  page.Layout->addWidget(browser, 1);

  auto* bottom = new QWidget(page.Widget);
  bottom->setObjectName(QStringLiteral("BrowserPanel"));
  bottom->setFixedHeight(BrowserPanelHeight);
  auto* bottomLayout = new QHBoxLayout(bottom);
  auto* caption = new QLabel(QStringLiteral("Кроме просмотра здесь можно редактировать!"), bottom);
  caption->setObjectName(QStringLiteral("BrowserEditLabel"));
  bottomLayout->addWidget(caption, 1);
  // The check box is part of the page as the user knows it; it switches nothing.
  auto* browseMode = new QCheckBox(QStringLiteral("browse mode"), bottom);
  browseMode->setObjectName(QStringLiteral("BrowseModeCheck"));
  bottomLayout->addWidget(browseMode);
  page.Layout->addWidget(bottom);
  return page.Widget;
}

}  // namespace

QTabWidget* BuildHtmlPageControl(QWidget* parent) {
  auto* pages = new QTabWidget(parent);
  pages->setObjectName(QStringLiteral("HTMLPageControl"));
  pages->setTabPosition(QTabWidget::East);
  pages->tabBar()->setFont(PointFont("Verdana", 8));
  pages->addTab(BuildViewPage(pages), QStringLiteral("Просмотр"));
  pages->addTab(BuildBrowserPage(pages), QStringLiteral("IExplore + EDIT"));
  return pages;
}

}  // namespace tessaly
