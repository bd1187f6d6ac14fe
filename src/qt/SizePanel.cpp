#include "qt/SizePanel.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace tessaly {

TSizePanel::TSizePanel(QWidget* content, QWidget* parent)
    : QWidget(parent), content_(content), hotSpot_(new QToolButton(this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(content_, 1);
  layout->addWidget(hotSpot_);
  hotSpot_->setObjectName(QStringLiteral("HotSpot"));
  hotSpot_->setAutoRaise(true);
  hotSpot_->setFocusPolicy(Qt::NoFocus);
  hotSpot_->setFixedWidth(HotSpotWidth);
  hotSpot_->setIconSize({HotSpotWidth - 2, HotSpotWidth - 2});
  hotSpot_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  connect(hotSpot_, &QToolButton::clicked, this, [this] { SetOpened(!Opened()); });
  SetOpened(false);
}

bool TSizePanel::Opened() const { return !content_->isHidden(); }

void TSizePanel::SetOpened(bool opened) {
  content_->setVisible(opened);
  // The arrow points where a click moves the edge.
  hotSpot_->setArrowType(opened ? Qt::LeftArrow : Qt::RightArrow);
}

}  // namespace tessaly
