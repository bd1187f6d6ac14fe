#pragma once
// A side panel that folds away to a narrow hot spot on its right edge:
// clicking the hot spot opens or closes the panel's content.

#include <QWidget>

class QToolButton;

namespace tessaly {

class TSizePanel : public QWidget {
  Q_OBJECT
public:
  static constexpr int HotSpotWidth = 8;

  // The panel starts closed.
  explicit TSizePanel(QWidget* content, QWidget* parent = nullptr);

  bool Opened() const;
  void SetOpened(bool opened);
  QToolButton* HotSpot() const { return hotSpot_; }

private:
  QWidget* content_;
  QToolButton* hotSpot_;
};

}  // namespace tessaly
