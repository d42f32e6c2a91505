// Where a test steps into the memory's work: called inside a merge's transaction, after the
// other machine's answers are written and before the state they change. A test that ends
// the process there sees what a kill at that instant leaves.
#pragma once

#include <functional>

namespace progress::seam {

inline std::function<void()> beforeMergedState;

} // namespace progress::seam
