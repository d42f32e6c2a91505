#include "CTime.h"

#include <QDateTime>

namespace {
std::optional<CTime> fixedClock;
}

CTime::CTime(int year, int month, int day, int hour, int minute, int second)
    : m_time(QDateTime(QDate(year, month, day), QTime(hour, minute, second)).toSecsSinceEpoch())
{
}

CTime CTime::GetCurrentTime()
{
    return fixedClock ? *fixedClock : CTime(QDateTime::currentSecsSinceEpoch());
}

int CTime::GetSecond() const
{
    return QDateTime::fromSecsSinceEpoch(m_time).time().second();
}

std::optional<CTime> CTime::SetClock(std::optional<CTime> fixed)
{
    std::optional<CTime> previous = fixedClock;
    fixedClock = fixed;
    return previous;
}
