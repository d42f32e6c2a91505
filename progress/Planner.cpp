#include "Planner.h"

#include <algorithm>

namespace progress {

NextQuestion Planner::next(const std::vector<EntryState>& states, int today, int& toldDay)
{
    int dueEntry = -1;
    int dueOfChosen = 0;
    int firstNew = -1;
    int newToday = 0;
    for (int i = 0; i < static_cast<int>(states.size()); ++i) {
        if (states[i].box == kNewBox) {
            if (firstNew < 0)
                firstNew = i;
            continue;
        }
        const EntryState state = asOf(states[i], today);
        newToday += state.firstDay == today;
        // The longest overdue first, then the lower box, then list order.
        const int due = dueDay(state);
        if (due <= today && (dueEntry < 0 || due < dueOfChosen ||
                             (due == dueOfChosen && state.box < states[dueEntry].box))) {
            dueEntry = i;
            dueOfChosen = due;
        }
    }
    NextQuestion question;
    if (dueEntry >= 0) {
        question.entry = dueEntry;
        return question;
    }
    if (firstNew >= 0 && newToday < kNewPerDay) {
        question.entry = firstNew;
        return question;
    }
    if (toldDay == today)
        return question;
    toldDay = today;
    question.ranOut = true;
    question.newTomorrow = firstNew >= 0;
    for (const EntryState& given : states) {
        if (given.box == kNewBox)
            continue;
        const int due = dueDay(asOf(given, today));
        question.dueTomorrow += due == today + 1;
        if (question.nextDueDay == 0 || due < question.nextDueDay)
            question.nextDueDay = due;
    }
    return question;
}

Overview Planner::overview(const std::vector<EntryState>& states, int today)
{
    Overview overview;
    overview.entries = static_cast<int>(states.size());
    for (const EntryState& state : states) {
        overview.perBox[std::clamp(state.box, kNewBox, kTopBox)]++;
        if (state.box == kNewBox)
            continue;
        const int ahead = std::max(dueDay(asOf(state, today)) - today, 0);
        if (ahead < kDaysAhead)
            overview.duePerDay[ahead]++;
    }
    return overview;
}

} // namespace progress
