// Reading a word list aside from the loaded one: a dictionary line by line, any other
// program's list through the readers' modules. The dialog takes what is read only once the
// whole file is read, so a failed read leaves the loaded list as it was.
#pragma once

#include "ListSound.h"
#include "afxwin.h"

#include <future>
#include <vector>

constexpr int MAX_WORDS = 5200;        // entries a dictionary may hold
constexpr int LINE_BUFFER_SIZE = 1000; // units of one dictionary line, with its zero

enum class ListRead { Whole, NotOpened, Broken };

// A list as OPEN reads it. `strProblem` says why a file is no word list; `sound` is what the
// list says of its sound, and `pictures` where its entries' pictures are.
struct ListReadAside {
    ListRead read = ListRead::NotOpened;
    std::vector<CString> words;
    std::vector<CString> meanings;
    BOOL bTooLarge = FALSE; // more than MAX_WORDS entries, of which the first are kept
    CString strProblem;
    ListSound sound;
    std::vector<formats::EntryPictures> pictures;
};

ListReadAside ReadList(const CString& path);

// The list named on the command line, read on the system's worker thread while the window
// is made and first drawn.
class CListReadAhead {
public:
    CListReadAhead() = default;
    // The worker may still read the list: it is done before the program goes on to its end.
    ~CListReadAhead();
    CListReadAhead(const CListReadAhead&) = delete;
    CListReadAhead& operator=(const CListReadAhead&) = delete;

    void Start(const CString& path);
    // The list at `path`: the one read ahead, taken once, or read now.
    ListReadAside Read(const CString& path);

private:
    CString m_strPath;
    std::future<ListReadAside> m_list;
};
