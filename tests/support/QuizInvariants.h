// The rules that the quiz state of the main dialog keeps between any two commands.
#pragma once

#include <gtest/gtest.h>

class CZantoliceDlg;

::testing::AssertionResult quizInvariantsHold(const CZantoliceDlg& dlg);
