// CTime: a point in time, read in local time.
#pragma once

#include <ctime>
#include <optional>

class CTime {
public:
    explicit CTime(std::time_t time = 0) : m_time(time) {}
    // A local time.
    CTime(int year, int month, int day, int hour, int minute, int second);

    static CTime GetCurrentTime();

    std::time_t GetTime() const { return m_time; }
    int GetSecond() const;

    // Not in the framework: lets tests fix the clock. While a time is set, GetCurrentTime
    // returns it; std::nullopt goes back to the system clock. Returns the setting replaced.
    static std::optional<CTime> SetClock(std::optional<CTime> fixed);

private:
    std::time_t m_time; // seconds since 1970-01-01 00:00 UTC
};
