#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "winbase.h"

namespace {

constexpr long SECONDS_PER_HOUR = 3600;
constexpr long SECONDS_PER_DAY = 86400;

// GetLocalTime with no driver installed, which reads the system clock as the screen's
// driver does, in a time zone set through TZ; the zone the process had comes back
// afterwards.
class LocalTimeInZone : public ::testing::Test {
protected:
    LocalTimeInZone()
    {
        if (const char* tz = std::getenv("TZ"))
            m_previousZone = tz;
    }

    ~LocalTimeInZone() override
    {
        if (m_previousZone)
            setenv("TZ", m_previousZone->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

    // A zone ahead of UTC by the given seconds, as a POSIX TZ string: "LOC-5:30" is
    // UTC+5:30.
    static void SetZoneAheadOfUtc(long seconds)
    {
        long magnitude = seconds < 0 ? -seconds : seconds;
        std::string zone = std::string("LOC") + (seconds < 0 ? "+" : "-") + std::to_string(magnitude / SECONDS_PER_HOUR) +
                           ":" + std::to_string(magnitude % SECONDS_PER_HOUR / 60);
        setenv("TZ", zone.c_str(), 1);
        tzset();
    }

    // The local time of day read within one second of the clock, and that second.
    static void ReadWithinOneSecond(SYSTEMTIME& local, time_t& second)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            time_t before = time(nullptr);
            GetLocalTime(&local);
            if (time(nullptr) == before) {
                second = before;
                return;
            }
        }
        FAIL() << "the clock's second changed on every one of five readings";
    }

    // Checks the hour, minute and second against the seconds since the epoch moved by
    // the zone's offset, worked out here without the C library's time-zone code.
    static void ExpectLocalTimeOfDay(long aheadOfUtc)
    {
        SetZoneAheadOfUtc(aheadOfUtc);
        SYSTEMTIME local{};
        time_t second = 0;
        ASSERT_NO_FATAL_FAILURE(ReadWithinOneSecond(local, second));
        long ofDay = ((static_cast<long>(second % SECONDS_PER_DAY) + aheadOfUtc) % SECONDS_PER_DAY + SECONDS_PER_DAY) %
                     SECONDS_PER_DAY;
        EXPECT_EQ(local.wHour, ofDay / SECONDS_PER_HOUR) << "zone ahead of UTC by " << aheadOfUtc << " s";
        EXPECT_EQ(local.wMinute, ofDay % SECONDS_PER_HOUR / 60) << "zone ahead of UTC by " << aheadOfUtc << " s";
        EXPECT_EQ(local.wSecond, ofDay % 60) << "zone ahead of UTC by " << aheadOfUtc << " s";
    }

    // The whole hours a zone is ahead of UTC (-11 to +12) so that it is now the given
    // hour of the afternoon or evening there.
    static long HoursAheadForLocalHour(int hour)
    {
        long utcHour = static_cast<long>(time(nullptr) % SECONDS_PER_DAY) / SECONDS_PER_HOUR;
        long ahead = ((hour - utcHour) % 24 + 24) % 24;
        return ahead > 12 ? ahead - 24 : ahead;
    }

private:
    std::optional<std::string> m_previousZone;
};

// Two different afternoon hours: at most one of them can be the hour in UTC as well, so
// a clock that ignored the zone would fail at least one.
TEST_F(LocalTimeInZone, GivesTheHourOfTheZoneOnA24HourClock)
{
    for (int hour : {15, 22}) {
        long ahead = HoursAheadForLocalHour(hour) * SECONDS_PER_HOUR;
        ExpectLocalTimeOfDay(ahead);
        SYSTEMTIME local{};
        GetLocalTime(&local);
        // Unless the hour changed just now, the afternoon shows as itself, not as 3 or 10.
        EXPECT_TRUE(local.wHour == hour || local.wHour == (hour + 1) % 24) << local.wHour;
    }
}

TEST_F(LocalTimeInZone, FollowsZonesOffByHalfAnHourAndBehindUtc)
{
    ExpectLocalTimeOfDay(5 * SECONDS_PER_HOUR + 30 * 60);    // India
    ExpectLocalTimeOfDay(-(3 * SECONDS_PER_HOUR + 30 * 60));  // Newfoundland
    ExpectLocalTimeOfDay(8 * SECONDS_PER_HOUR);              // China
}

}  // namespace
