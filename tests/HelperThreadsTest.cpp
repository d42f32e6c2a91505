// A thread that throws while a deck's notes are cleaned: the throw reaches the reading thread,
// which tells the learner the list could not be read, and the program goes on.
#include "HelperThreads.h"
#include "WordListReading.h"

#include <gtest/gtest.h>
#include <new>
#include <stdexcept>
#include <thread>

namespace {

TEST(HelperThreads, AThrowOnAnyThreadBecomesTheListsReadFailure)
{
    struct Row {
        const char* name;
        bool throwOnHelper;
        bool outOfMemory;
        const char16_t* problem;
    };
    const Row rows[] = {
        {"helper out of memory", true, true, u"there is not enough memory to read it."},
        {"helper fails", true, false, u"reading it failed (cleaning failed)."},
        {"reading thread fails", false, false, u"reading it failed (cleaning failed)."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        static const Row* s_row = nullptr;
        s_row = &row;
        const formats::ReadEntries cleanOnHelpers = [](formats::FileKind, QByteArray&,
                                                       formats::EntryCollector&) -> QString {
            formats::HelperThreads helpers(4);
            const std::thread::id reader = std::this_thread::get_id();
            helpers.share([reader] {
                if ((std::this_thread::get_id() != reader) != s_row->throwOnHelper)
                    return;
                if (s_row->outOfMemory)
                    throw std::bad_alloc();
                throw std::runtime_error("cleaning failed");
            });
            return {};
        };
        const formats::WordList list = formats::readWordListWith(
            formats::FileKind::AnkiDeck, "deck", [](char*, size_t) { return size_t{0}; }, 10, 1024,
            cleanOnHelpers);
        EXPECT_EQ(list.problem, row.problem);
        EXPECT_TRUE(list.entries.empty());
    }
}

} // namespace
