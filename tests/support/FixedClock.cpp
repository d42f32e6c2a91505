#include "FixedClock.h"

FixedClock::FixedClock() : m_previous(CTime::SetClock(CTime(2024, 5, 17, 9, 41, 0))) {}

FixedClock::~FixedClock()
{
    CTime::SetClock(m_previous);
}

void FixedClock::set(int second, int minute)
{
    CTime::SetClock(CTime(2024, 5, 17, 9, minute, second));
}
