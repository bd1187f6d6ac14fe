#include "app/window/StatusBar.h"

#include "app/window/Panels.h"

#include <QHBoxLayout>
#include <QLabel>

#include "qt/ClockPane.h"
#include "qt/MarqueePane.h"

namespace tessaly {

namespace {

constexpr int StatusBarHeight = 19;
constexpr int MarqueeWidth = 314;
constexpr int ClockWidth = 179;

}  // namespace

QWidget* BuildStatusBar(QWidget* parent) {
  const TPanel panel = NewPanel("StatusBar", QBoxLayout::LeftToRight, parent, 2);
  QWidget* bar = panel.Widget;
  QBoxLayout* layout = panel.Layout;
  bar->setFixedHeight(StatusBarHeight);

  auto* marquee = new TMarqueePane(bar);
  marquee->setObjectName(QStringLiteral("StatusM"));
  marquee->setFixedWidth(MarqueeWidth);
  QPalette maroon = marquee->palette();
  maroon.setColor(QPalette::Window, QColor(0x80, 0, 0));
  maroon.setColor(QPalette::WindowText, Qt::white);
  marquee->setPalette(maroon);
  marquee->SetCaption(QStringLiteral("Welcome to Tessaly v 3.0"));
  marquee->SetScrolling(true);
  layout->addWidget(marquee);

  auto* counts = new QLabel(bar);
  counts->setObjectName(QStringLiteral("StatusPanel"));
  counts->setFrameShape(QFrame::Panel);
  counts->setFrameShadow(QFrame::Sunken);
  layout->addWidget(counts, 1);

  // How the document is stored: its encoding and byte-order mark.
  auto* encoding = new QLabel(bar);
  encoding->setObjectName(QStringLiteral("EncodingStatus"));
  encoding->setFrameShape(QFrame::Panel);
  encoding->setFrameShadow(QFrame::Sunken);
  layout->addWidget(encoding);

  auto* clock = new TClockPane(bar);
  clock->setObjectName(QStringLiteral("ClockStatus"));
  // Long dates of some locales need more than the designed width.
  clock->setMinimumWidth(ClockWidth);
  clock->setFrameShape(QFrame::Panel);
  clock->setFrameShadow(QFrame::Sunken);
  layout->addWidget(clock);
  return bar;
}

}  // namespace tessaly
