#include "Progress.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <algorithm>

namespace progress {

namespace {
// A sitting past midnight still belongs to the evening before.
constexpr int kDayTurnHour = 4;
// The times whose local day lies within the years 1 to 9999 in every time zone.
constexpr std::int64_t kFirstDayTime = -62135510400; // 0001-01-02 00:00 UTC
constexpr std::int64_t kLastDayTime = 253402128000;  // 9999-12-30 00:00 UTC
} // namespace

// The local wall-clock date decides, not a count of hours: a daylight-saving night or a
// journey across time zones neither adds nor skips a day.
int dayOf(std::int64_t time)
{
    const QDateTime local =
        QDateTime::fromSecsSinceEpoch(std::clamp(time, kFirstDayTime, kLastDayTime));
    const QDate date = local.date();
    const qint64 julian = date.toJulianDay() - (local.time().hour() < kDayTurnHour ? 1 : 0);
    return static_cast<int>(julian);
}

std::u16string dayName(int day)
{
    // Each language writes a day its own way: the order, and its own signs.
    const QString format = QCoreApplication::translate(
        "progress", "dddd, d MMMM",
        "A day as Qt's QDate::toString formats it: Friday, 11 December");
    return QLocale().toString(QDate::fromJulianDay(day), format).toStdU16String();
}

std::u16string shortDayName(int day)
{
    return QLocale().toString(QDate::fromJulianDay(day), QStringLiteral("ddd")).toStdU16String();
}

std::u16string dayOfMonth(int day)
{
    return QLocale().toString(QDate::fromJulianDay(day).day()).toStdU16String();
}

int dueDay(const EntryState& state)
{
    return state.lastDay + kIntervals[std::clamp(state.box, kNewBox, kTopBox)];
}

bool counts(const EntryState& state, int day)
{
    return state.box == kNewBox || day >= dueDay(state);
}

Outcome answer(const EntryState& state, bool right, int day)
{
    Outcome outcome{state, counts(state, day)};
    EntryState& next = outcome.state;
    if (outcome.counted) {
        if (state.box == kNewBox)
            next.firstDay = day;
        next.box = !right ? 1 : state.box == kNewBox ? 2 : std::min(state.box + 1, kTopBox);
        next.lastDay = day;
    } else if (!right) {
        // Asked outside its turn and forgotten. A clock set back never moves the day
        // of the last answer back, so the entry is not due twice.
        next.box = 1;
        next.lastDay = std::max(state.lastDay, day);
    }
    return outcome;
}

} // namespace progress
