#pragma once
// A status-bar pane showing the current date and time: the long date, then
// the short time, in the user's locale. It refreshes itself.

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

namespace tessaly {

class TClockPane : public QLabel {
  Q_OBJECT
public:
  explicit TClockPane(QWidget* parent = nullptr);

  static QString ClockText(const QDateTime& moment, const QLocale& locale);

private:
  void Refresh();

  QTimer timer_;
};

}  // namespace tessaly
