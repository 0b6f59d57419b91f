#include "app/messages/DocumentItem.h"
#include "app/messages/JulianDate.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(JulianDateTest, DayNumbersOfDateTexts) {
    struct Case {
        const char* text;
        std::int32_t day;
    } cases[] = {
        {"1.1.2000", 2451545},
        {"29.02.2000", JulianDate(2, 29, 2000).GetDay()},
        {"29.02.1900", 0},
        {"30.02.2001", 0},
        {"31.4.2001", 0},
        {"0.1.2000", 0},
        {"1.13.2000", 0},
        {"1.1.99", JulianDate(1, 1, 1999).GetDay()},
        {"1/1/1999", JulianDate(1, 1, 1999).GetDay()},
        {"1.1.10000", 0},
        {"1.1.99999999999999999999", 0},
        {"1.1", 0},
        {"1.1.2000.5", 0},
        {"1 Jan 2000", 0},
        {"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JulianDate(std::string_view(c.text)).GetDay(), c.day) << c.text;
    EXPECT_NE(JulianDate(2, 29, 2000).GetDay(), 0);
    EXPECT_EQ(JulianDate(3, 1, 2000).GetDay() - JulianDate(2, 28, 2000).GetDay(), 2);
}

class FixedClock : public ::testing::Test {
protected:
    void SetUp() override {
        JulianDate::SetClock([] { return JulianDate(6, 15, 2010); });
    }
    void TearDown() override { JulianDate::SetClock(nullptr); }
    static DocumentItem item(std::vector<std::pair<int, int>> programs, JulianDate expiration = {}) {
        DocumentItem d;
        d.m_programs = std::move(programs);
        d.m_expiration = expiration;
        return d;
    }
};

TEST_F(FixedClock, AppliesToProgramAndVersion) {
    struct Case {
        std::vector<std::pair<int, int>> programs;
        bool applies;
    } cases[] = {
        {{{2, -300}}, true}, {{{2, -200}}, false}, {{{2, 100}}, false}, {{{2, 200}}, true},
        {{{2, 0}}, true},    {{{0, 0}}, true},     {{{3, 0}}, false},   {{}, false},
        {{{3, 0}, {2, 200}}, true}, {{{2, INT_MIN}}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(item(c.programs).AppliesTo(2, 200), c.applies) << c.programs.size();
}

TEST_F(FixedClock, ExpiredYesterdayIsOutTodayIsIn) {
    EXPECT_FALSE(item({{0, 0}}, JulianDate(6, 14, 2010)).AppliesTo(2, 200));
    EXPECT_TRUE(item({{0, 0}}, JulianDate(6, 15, 2010)).AppliesTo(2, 200));
    EXPECT_TRUE(item({{0, 0}}, JulianDate()).AppliesTo(2, 200));
    EXPECT_EQ(JulianDate::today(), JulianDate(6, 15, 2010));
}

} // namespace
