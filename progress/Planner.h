// The planner: which of the list's entries to ask next, and where the learner stands, from
// the entries' states alone. No storage, no clock: the day is given.
#pragma once

#include "Progress.h"

#include <vector>

namespace progress {

class Planner {
public:
    // The next question on `today` among `states`, the list's entries in its order. A day
    // that runs out is told once: `toldDay` keeps the day it was last told.
    static NextQuestion next(const std::vector<EntryState>& states, int today, int& toldDay);
    // The boxes and the due days of the overview; the past days' answers are the log's.
    static Overview overview(const std::vector<EntryState>& states, int today);
};

} // namespace progress
