#include <gtest/gtest.h>

#include "qt/ClockPane.h"

namespace tessaly {

TEST(ClockPane, ShowsTheLongDateAndHoursAndMinutes) {
  const QDateTime moment(QDate(2026, 12, 8), QTime(19, 27, 17));
  for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Russian), QLocale(QLocale::English)}) {
    SCOPED_TRACE(locale.name().toStdString());
    const QString text = TClockPane::ClockText(moment, locale);
    EXPECT_TRUE(text.startsWith(locale.toString(moment.date(), QLocale::LongFormat))) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1String("19:27")) || text.contains(QLatin1String("7:27"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QLatin1String("27:17"))) << text.toStdString();
  }
}

}  // namespace tessaly
