#include "app/window/ToolPages.h"

#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLayout>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include "app/window/Icons.h"
#include "app/window/Panels.h"
#include "qt/QtFonts.h"
#include "qt/SizePanel.h"

namespace tessaly {

namespace {

constexpr int TopPanelHeight = 51;
constexpr int ToolIconSize = 20;

// A picture button whose hint is empty still tells the user what it is: its
// caption pops up instead. The hint itself stays as it is.
class CaptionTipFilter : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* button = qobject_cast<QToolButton*>(watched);
    if (event->type() != QEvent::ToolTip || button == nullptr || !button->toolTip().isEmpty() ||
        button->text().isEmpty())
      return false;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), button->text(), button);
    return true;
  }
};

QToolButton* BuildToolButton(const TToolButtonSpec& spec, QToolBar* bar, QObject* tipFilter) {
  auto* button = new QToolButton(bar);
  button->setObjectName(QString::fromUtf8(spec.Name));
  button->setText(QString::fromUtf8(spec.Caption));
  button->setToolTip(QString::fromUtf8(spec.Hint));
  button->setEnabled(spec.Enabled);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  if (spec.Icon != nullptr) {
    button->setIcon(ToolIcon(spec.Icon));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  } else {
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  }
  button->installEventFilter(tipFilter);
  return button;
}

}  // namespace

QToolBar* BuildToolBar(const std::vector<TToolButtonSpec>& buttons, QWidget* parent) {
  auto* bar = new QToolBar(parent);
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize({ToolIconSize, ToolIconSize});
  auto* tipFilter = new CaptionTipFilter(bar);
  for (const TToolButtonSpec& spec : buttons) {
    if (spec.Name == nullptr)
      bar->addSeparator();
    else
      bar->addWidget(BuildToolButton(spec, bar, tipFilter));
  }
  return bar;
}

QTabWidget* BuildEditPageControl(QWidget* parent) {
  auto* pages = new QTabWidget(parent);
  pages->setObjectName(QStringLiteral("EditPageControl"));
  pages->setDocumentMode(true);
  pages->tabBar()->setFont(PointFont("Arial", 8));
  pages->tabBar()->setDrawBase(false);
  for (const TToolPageSpec& spec : ToolPageTable()) {
    const TPanel page = NewPanel(spec.Name, QBoxLayout::LeftToRight, pages);
    QToolBar* bar = BuildToolBar(spec.Buttons, page.Widget);
    bar->setObjectName(page.Widget->objectName() + QStringLiteral("Bar"));
    page.Layout->addWidget(bar);
    pages->addTab(page.Widget, QString::fromUtf8(spec.Caption));
  }
  return pages;
}

QWidget* BuildTopPanel(QWidget* parent) {
  const TPanel top = NewPanel("TopPanel", QBoxLayout::LeftToRight, parent, 2);
  QWidget* panel = top.Widget;
  panel->setFixedHeight(TopPanelHeight);

  QToolBar* keyBar = BuildToolBar(LineNumberBarTable(), panel);
  keyBar->setObjectName(QStringLiteral("KeyBar"));
  keyBar->setOrientation(Qt::Vertical);
  // Both buttons fit one above the other in the panel's height.
  keyBar->setIconSize({14, 14});
  keyBar->layout()->setContentsMargins(0, 0, 0, 0);
  keyBar->layout()->setSpacing(0);
  auto* keyPanel = new TSizePanel(keyBar, panel);
  keyPanel->setObjectName(QStringLiteral("KeyPanel"));
  top.Layout->addWidget(keyPanel);
  top.Layout->addWidget(BuildEditPageControl(panel), 1);
  return panel;
}

}  // namespace tessaly
