#include "qt/ClockPane.h"

#include <QRegularExpression>

namespace tessaly {

TClockPane::TClockPane(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  // Once a second keeps the minute change visible without drifting behind it.
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, &TClockPane::Refresh);
  timer_.start();
  Refresh();
}

QString TClockPane::ClockText(const QDateTime& moment, const QLocale& locale) {
  // The short time is hours and minutes; some locales put seconds in it.
  QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
  timeFormat.remove(QRegularExpression(QStringLiteral("[:.]ss")));
  return locale.toString(moment.date(), QLocale::LongFormat) + QLatin1Char(' ') +
         locale.toString(moment.time(), timeFormat);
}

void TClockPane::Refresh() {
  const QString text = ClockText(QDateTime::currentDateTime(), locale());
  if (text != this->text()) setText(text);
}

}  // namespace tessaly
