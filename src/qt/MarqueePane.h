#pragma once
// A status-bar pane whose caption runs from right to left, one step per
// timer tick, until scrolling is switched off; then it stands still at the
// left edge.

#include <QTimer>
#include <QWidget>

namespace tessaly {

class TMarqueePane : public QWidget {
  Q_OBJECT
public:
  static constexpr int StepInterval = 150;  // ms
  static constexpr int StepPixels = 3;

  explicit TMarqueePane(QWidget* parent = nullptr);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  bool Scrolling() const { return timer_.isActive(); }
  void SetScrolling(bool scrolling);
  int Offset() const { return offset_; }

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  void Step();

  QString caption_;
  QTimer timer_;
  int offset_ = 0;  // left edge of the caption, in pixels
};

}  // namespace tessaly
