// Date literals: a date alone is the user's local calendar day, a date with a
// time of day is one instant in UTC.
#include "indexing/statement/DateLiteral.h"
#include "indexing/statement/SyntaxError.h"

#include <QDateTime>
#include <ctime>
#include <gtest/gtest.h>

using namespace tessellon::statement;

namespace {

std::int64_t utcMs(int y, int mo, int d, int h, int mi, int s, int ms = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC).toMSecsSinceEpoch();
}

// Switches the process's local time zone for one test.
class LocalZone {
public:
    explicit LocalZone(const char* zone) : previous_(qgetenv("TZ")) {
        qputenv("TZ", zone);
        tzset();
    }
    ~LocalZone() {
        qputenv("TZ", previous_);
        tzset();
    }

private:
    QByteArray previous_;
};

TEST(DateLiteral, DateAloneIsTheWholeLocalDay) {
    LocalZone zone("America/New_York");
    const DateLiteral day = parseDateLiteral("2014-08-15");
    EXPECT_EQ(day.firstMs, utcMs(2014, 8, 15, 4, 0, 0));
    EXPECT_EQ(day.lastMs, utcMs(2014, 8, 16, 3, 59, 59, 999));
    EXPECT_EQ(parseDateLiteral("2014/8/15").firstMs, day.firstMs);
}

TEST(DateLiteral, TimeOfDayIsAnInstantInUtc) {
    LocalZone zone("America/New_York");
    const DateLiteral instant = parseDateLiteral(" 2014-08-15 23:30:05.25 ");
    EXPECT_EQ(instant.firstMs, utcMs(2014, 8, 15, 23, 30, 5, 250));
    EXPECT_EQ(instant.lastMs, instant.firstMs);
}

TEST(DateLiteral, RejectsWhatIsNoDate) {
    for (const char* text : {"2014-02-30", "yesterday", "2014-08-15 25:00:00", "14-08-15", ""})
        EXPECT_THROW(parseDateLiteral(text), LiteralError) << text;
}

} // namespace
