#include "app/messages/JulianDate.h"

#include <cctype>
#include <ctime>
#include <mutex>

namespace {

std::mutex g_clockMutex;
std::function<JulianDate()> g_clock;

bool isLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

bool JulianDate::IsValidDate(int month, int day, int year) {
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    const int length = lengths[month - 1] + (month == 2 && isLeap(year) ? 1 : 0);
    return day <= length;
}

JulianDate::JulianDate(int month, int day, int year) {
    if (!IsValidDate(month, day, year)) return;
    // Collected Algorithms of the ACM no. 199: the year starts in March.
    std::int64_t m = month, y = year;
    if (m > 2) {
        m -= 3;
    } else {
        m += 9;
        y -= 1;
    }
    const std::int64_t c = y / 100;
    const std::int64_t ya = y - 100 * c;
    m_nDay = static_cast<std::int32_t>((146097 * c) / 4 + (1461 * ya) / 4 + (153 * m + 2) / 5 + day + 1721119);
}

JulianDate::JulianDate(std::string_view text) {
    int numbers[3] = {0, 0, 0};
    int count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isalpha(c)) return;
        if (!std::isdigit(c)) {
            ++i;
            continue;
        }
        if (count == 3) return;
        long value = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            // Anything beyond four digits is no day, month or year.
            if (value > 99999) return;
            value = value * 10 + (text[i] - '0');
            ++i;
        }
        numbers[count++] = static_cast<int>(value);
    }
    if (count != 3) return;
    int year = numbers[2];
    if (year <= 99) year += 1900;
    *this = JulianDate(numbers[1], numbers[0], year);
}

JulianDate JulianDate::today() {
    {
        std::lock_guard lock(g_clockMutex);
        if (g_clock) return g_clock();
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return JulianDate(local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
}

void JulianDate::SetClock(std::function<JulianDate()> clock) {
    std::lock_guard lock(g_clockMutex);
    g_clock = std::move(clock);
}
