#include "app/PreviewPages.h"

#include <QCheckBox>
#include <QLabel>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/StatusBar.h"
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
  auto* page = new QWidget(parent);
  page->setObjectName(QStringLiteral("TabView"));
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* splitter = new QSplitter(Qt::Vertical, page);
  splitter->setObjectName(QStringLiteral("ViewSplitter"));
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(BuildArea("ViewerArea", splitter));

  auto* bottom = new QWidget(splitter);
  bottom->setObjectName(QStringLiteral("BottomPanel"));
  auto* bottomLayout = new QVBoxLayout(bottom);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  bottomLayout->setSpacing(0);
  bottomLayout->addWidget(BuildArea("SrcEditArea", bottom), 1);
  bottomLayout->addWidget(BuildStatusBar(bottom));
  splitter->addWidget(bottom);
  // The viewer takes what the window gains; the editor panel keeps its height.
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 0);
  splitter->setSizes({1000, EditorPanelHeight});
  layout->addWidget(splitter);
  return page;
}

QWidget* BuildBrowserPage(QWidget* parent) {
  auto* page = new QWidget(parent);
  page->setObjectName(QStringLiteral("TabBrowser"));
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  auto* browser = new TBrowserView(page);
  browser->setObjectName(QStringLiteral("WebBrowser"));
  layout->addWidget(browser, 1);

  auto* bottom = new QWidget(page);
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
  layout->addWidget(bottom);
  return page;
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
