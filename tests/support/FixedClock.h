// Fixes the clock that CTime reads, for its lifetime.
#pragma once

#include "afxwin.h"

#include <optional>

class FixedClock {
public:
    FixedClock();
    ~FixedClock();
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    // The clock reads 09:<minute>:<second> local time.
    void set(int second, int minute = 41);

private:
    std::optional<CTime> m_previous;
};
