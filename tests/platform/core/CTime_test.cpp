#include "platform/core/CTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// Runs a test in a fixed time zone, so local parts are known.
class CTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* zone = std::getenv("TZ");
        m_hadZone = zone != nullptr;
        if (zone)
            m_zone = zone;
        setenv("TZ", "UTC-2", 1);
        tzset();
    }
    void TearDown() override {
        m_hadZone ? setenv("TZ", m_zone.c_str(), 1) : unsetenv("TZ");
        tzset();
    }

private:
    bool m_hadZone = false;
    std::string m_zone;
};

} // namespace

TEST_F(CTimeTest, FileTimesBecomeTheSameMoment) {
    // 2001-09-09 01:46:40 UTC is 1000000000 seconds after 1970.
    const uint64_t ticks = (1000000000ULL + 11644473600ULL) * 10000000ULL + 1234567;
    const FILETIME fileTime{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    const CTime time(fileTime);
    EXPECT_EQ(time.GetTime(), 1000000000);
    EXPECT_EQ(time.GetHour(), 3); // local time is two hours ahead
    EXPECT_EQ(time.FormatGmt("%Y-%m-%d %H:%M:%S"), "2001-09-09 01:46:40");
}

TEST_F(CTimeTest, LocalPartsRoundTrip) {
    const CTime time(2020, 2, 29, 23, 59, 58);
    EXPECT_EQ(time.GetYear(), 2020);
    EXPECT_EQ(time.GetMonth(), 2);
    EXPECT_EQ(time.GetDay(), 29);
    EXPECT_EQ(time.GetMinute(), 59);
    EXPECT_EQ(time.GetSecond(), 58);
    EXPECT_EQ(time.GetDayOfWeek(), 7); // a Saturday
    EXPECT_EQ(time.Format("%d.%m.%Y %H:%M"), "29.02.2020 23:59");
    EXPECT_EQ(time.FormatGmt("%H"), "21");
}

TEST_F(CTimeTest, SystemFileTimeIsNow) {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const time_t seconds = CTime(now).GetTime();
    EXPECT_LE(std::llabs(seconds - std::time(nullptr)), 2);
    EXPECT_LT(CTime(0), CTime(seconds));
}
