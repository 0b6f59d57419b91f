#pragma once
// A calendar date as its Julian day number; 0 means no date. "Today" comes
// from a clock that tests replace.
#include <cstdint>
#include <functional>
#include <string_view>

class JulianDate {
public:
    JulianDate() = default;
    explicit JulianDate(std::int32_t day) : m_nDay(day) {}
    // Day, month and year separated by anything but letters and digits
    // ("30.4.2001"); a year of 99 or less is in the 1900s. Invalid or
    // unreadable text, or a year beyond 9999, gives day 0.
    explicit JulianDate(std::string_view text);
    JulianDate(int month, int day, int year);
    virtual ~JulianDate() = default;

    static JulianDate today();
    // Replaces the clock of today; an empty function restores the system's local date.
    static void SetClock(std::function<JulianDate()> clock);

    std::int32_t GetDay() const { return m_nDay; }
    bool IsValid() const { return m_nDay != 0; }
    static bool IsValidDate(int month, int day, int year);

    friend bool operator==(const JulianDate&, const JulianDate&) = default;

private:
    std::int32_t m_nDay = 0;
};
