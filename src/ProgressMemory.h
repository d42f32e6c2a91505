// CProgressMemory: the main dialog's side of Remember progress. It keeps the switch, this
// machine's id and the progress folder among the user's settings, opens the memory when it
// is first needed, decides when the other machines' answers are merged and this machine's
// file is written, tells the learner what fails, and prints the progress for --progress.
#pragma once

#include "afxwin.h"

#include <ctime>
#include <memory>
#include <vector>

namespace progress {
class Memory;
struct Entry;
} // namespace progress

class CProgressMemory {
    DECLARE_TRANSLATION(CProgressMemory)

public:
    explicit CProgressMemory(CWnd& owner);
    // Quitting writes this machine's file for the other machines, after SaveBeforeQuit().
    ~CProgressMemory();
    CProgressMemory(const CProgressMemory&) = delete;
    CProgressMemory& operator=(const CProgressMemory&) = delete;

    // The switch as the settings keep it.
    static BOOL IsSwitchedOn();
    // At the window's start: reads the switch, which it returns, and tells what a run
    // without a window left to tell (a store moved aside).
    BOOL Start();
    // Turns the memory on or off; on, it opens at once.
    void Switch(BOOL bOn);

    // A list was loaded: its words and meanings, of which there may be one fewer. The
    // caller keeps them until the next list.
    void SetList(const CString* pWords, const CString* pMeanings, int nWords, int nMeanings);
    // The entry the memory asks next, or -1 for a question drawn as without it. When the
    // day runs out, the learner hears so once.
    int DrawEntry(BOOL bReverse);
    // The first answer to the question on `nEntry`.
    void RecordAnswer(int nEntry, BOOL bReverse, BOOL bRight);
    // Forgets the loaded list, also with the memory off when a store was kept from before.
    void ForgetList();
    // The progress view on the loaded list in the current direction, whose languages
    // `strLanguages` names when they are known, and `strMedia` its pictures and recordings.
    void ShowView(BOOL bReverse, BOOL bLoaded, const CString& strLanguages,
                  const CString& strMedia);
    void ChooseFolder();
    // At quit, saves the answers not saved yet, waiting a few seconds for a store that another
    // program holds and saying so in the window; what still cannot be saved is kept beside
    // the store for the next start.
    void SaveBeforeQuit();

    // Prints the numbers of the progress view for a list read without a window, with the
    // memory on; returns the exit status.
    static int PrintProgress(const std::vector<CString>& words,
                             const std::vector<CString>& meanings);

private:
    BOOL Open();
    CString Folder() const;
    void Merge();
    // Writes this machine's file into the progress folder, or with `bWhenLacking` only when the
    // file there lacks what this machine gave. A file that cannot be written is told once a
    // run, unless `bTell` is FALSE. The memory is the one open unless `pMemory` is given.
    void WriteSnapshot(BOOL bWhenLacking = FALSE, BOOL bTell = TRUE,
                       progress::Memory* pMemory = nullptr);
    // The loaded list's entries, for the memory to learn.
    std::vector<progress::Entry> Entries() const;

    CWnd& m_owner;
    BOOL m_bOn = FALSE;
    BOOL m_bOpenFailed = FALSE; // the store could not be opened: off until switched on again
    BOOL m_bSnapshotTold = FALSE;
    BOOL m_bSavedBeforeQuit = FALSE;
    std::unique_ptr<progress::Memory> m_pMemory;
    // The loaded list, which the dialog keeps: it is read only when the memory learns it.
    const CString* m_pWords = nullptr;
    const CString* m_pMeanings = nullptr;
    size_t m_nWords = 0;
    size_t m_nMeanings = 0;
    CString m_strChosenFolder;              // chosen in this run, over the command line's
    std::vector<CString> m_unreadableFiles; // of the progress folder, at the last merge
    std::time_t m_tLastSnapshot = 0;
};
