#include "QuizInvariants.h"

#include "zantoliceDlg.h"

#include <set>

::testing::AssertionResult quizInvariantsHold(const CZantoliceDlg& dlg)
{
    auto fail = [] { return ::testing::AssertionFailure(); };
    if (dlg.m_bLoaded && (dlg.m_nLastIndex < MIN_WORDS - 1 || dlg.m_nLastIndex >= MAX_WORDS))
        return fail() << "loaded with last index " << dlg.m_nLastIndex;
    if (dlg.m_bAnswerable) {
        if (!dlg.m_bLoaded)
            return fail() << "a question is open without a list";
        if (dlg.m_nAnswer < 1 || dlg.m_nAnswer > CHOICE_COUNT)
            return fail() << "answer slot " << dlg.m_nAnswer;
        std::set<int> indices;
        for (int k = 0; k < CHOICE_COUNT; ++k) {
            const int index = dlg.m_nChoiceIndex[k];
            if (index < 0 || index > dlg.m_nLastIndex)
                return fail() << "slot " << k + 1 << " holds entry " << index;
            if (!indices.insert(index).second)
                return fail() << "entry " << index << " stands in two slots";
            if (!(dlg.m_strChoiceWord[k] == dlg.m_strWord[index]) ||
                !(dlg.m_strChoiceMeaning[k] == dlg.m_strMeaning[index]))
                return fail() << "slot " << k + 1 << " does not hold entry " << index;
        }
        if (dlg.m_nQuestionIndex != dlg.m_nChoiceIndex[dlg.m_nAnswer - 1])
            return fail() << "question entry " << dlg.m_nQuestionIndex << ", answer slot holds "
                          << dlg.m_nChoiceIndex[dlg.m_nAnswer - 1];
    }
    const int read = dlg.m_nReviewRead;
    const int write = dlg.m_nReviewWrite;
    const int pending = dlg.m_nReviewPending;
    if (read < 0 || read >= REVIEW_RING_SIZE || write < 0 || write >= REVIEW_RING_SIZE ||
        pending < 0 || pending > REVIEW_DUE || write != (read + pending) % REVIEW_RING_SIZE)
        return fail() << "review ring read " << read << ", write " << write << ", pending "
                      << pending;
    if (g_nRight > g_nQuestionNo || g_nWrong > g_nQuestionNo || g_nTries < 0)
        return fail() << "counters No." << g_nQuestionNo << " R=" << g_nRight << " W=" << g_nWrong
                      << " tries " << g_nTries;
    return ::testing::AssertionSuccess();
}
