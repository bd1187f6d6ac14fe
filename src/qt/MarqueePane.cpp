#include "qt/MarqueePane.h"

#include <QPainter>

namespace tessaly {

TMarqueePane::TMarqueePane(QWidget* parent) : QWidget(parent) {
  timer_.setInterval(StepInterval);
  connect(&timer_, &QTimer::timeout, this, &TMarqueePane::Step);
}

void TMarqueePane::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TMarqueePane::SetScrolling(bool scrolling) {
  if (scrolling) {
    offset_ = width();
    timer_.start();
  } else {
    timer_.stop();
    offset_ = 0;
  }
  update();
}

void TMarqueePane::Step() {
  offset_ -= StepPixels;
  // Once the caption has left on the left it comes in again from the right.
  if (offset_ < -fontMetrics().horizontalAdvance(caption_)) offset_ = width();
  update();
}

QSize TMarqueePane::sizeHint() const { return {fontMetrics().horizontalAdvance(caption_) + 8, fontMetrics().height() + 4}; }

void TMarqueePane::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(rect().adjusted(offset_ + 4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, caption_);
}

}  // namespace tessaly
