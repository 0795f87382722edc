#include "platform/runtime/date_time.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <gtest/gtest.h>

namespace {

TEST(DateTimeTest, PartsAreTheLocalClockNow) {
  const QDateTime before = QDateTime::currentDateTime().addMSecs(-1000);
  const platform::LocalDateTime now = platform::CurrentLocalDateTime();
  const QDateTime after = QDateTime::currentDateTime();

  const QDateTime read(QDate(now.year, now.month, now.day),
                       QTime(now.hour, now.minute, now.second));
  ASSERT_TRUE(read.isValid());
  EXPECT_GE(read, before);
  EXPECT_LE(read, after);
}

}  // namespace
