#include "ProgressMemory.h"

#include "CommandLineOptions.h"
#include "ListLibrary.h"
#include "Progress.h"
#include "ProgressDlg.h"
#include "StandardText.h"

#include <cstdlib>
#include <optional>

namespace {

// Where the memory's switch, this machine's id and the progress folder are kept among the
// user's settings, with what a run without a window could not tell.
constexpr LPCTSTR kProgressSection = _T("Progress");
constexpr LPCTSTR kRememberEntry = _T("Remember");
constexpr LPCTSTR kDeviceEntry = _T("Device");
constexpr LPCTSTR kFolderEntry = _T("Folder");
constexpr LPCTSTR kUntoldEntry = _T("Untold");
// This machine's file in the progress folder is written again after this much answering.
constexpr std::time_t kSnapshotSeconds = 5 * 60;
constexpr LPCSTR kMemoryCaption = TRANSLATE_NOOP("CProgressMemory", "Remember progress");
// At quit, the answers not yet saved wait this long for a store that another program holds
// before the window says why it waits, and then this much longer before they are kept aside.
constexpr int kQuietWaitMs = 1000;
constexpr int kToldWaitMs = 3000;

// This machine's id, made the first time it is needed.
CString DeviceId()
{
    CWinApp* pApp = AfxGetApp();
    CString strDevice = pApp->GetProfileString(kProgressSection, kDeviceEntry, _T(""));
    const ListLibrary* pLibrary = GetListLibrary();
    // Without the module, the store cannot be opened either, and says why.
    if (strDevice.IsEmpty() && pLibrary) {
        strDevice = ToCString(pLibrary->newDeviceId());
        pApp->WriteProfileString(kProgressSection, kDeviceEntry, strDevice);
    }
    return strDevice;
}

// The store, opened by the module that holds it.
std::unique_ptr<progress::Memory> OpenStore(const CString& strDevice, bool bCreate,
                                            std::u16string& strMessage)
{
    const ListLibrary* pLibrary = GetListLibrary();
    if (!pLibrary) {
        CString strReason;
        strReason.Format(CProgressMemory::tr("Progress cannot be kept: %s."),
                         NoListLibraryMessage());
        strMessage = std::u16string(strReason);
        return nullptr;
    }
    return pLibrary->openMemory(std::u16string(strDevice), bCreate, strMessage);
}

// The progress folder named on the command line for this run, or else the one chosen.
CString ConfiguredFolder()
{
    CString strGiven = AfxGetApp()->GetCommandLineValue(kProgressFolderOption);
    if (!strGiven.IsEmpty())
        return strGiven;
    return AfxGetApp()->GetProfileString(kProgressSection, kFolderEntry, _T(""));
}

// Keeps a new device id the memory took.
void KeepDeviceId(const progress::Memory& memory)
{
    const CString strDevice = ToCString(memory.deviceId());
    CWinApp* pApp = AfxGetApp();
    if (pApp->GetProfileString(kProgressSection, kDeviceEntry, _T("")) != strDevice)
        pApp->WriteProfileString(kProgressSection, kDeviceEntry, strDevice);
}

// Keeps a new device id the memory took; returns the names of the files that could not be
// read.
std::vector<CString> Unreadable(const progress::Memory& memory, const progress::MergeResult& merged)
{
    if (merged.deviceChanged)
        KeepDeviceId(memory);
    std::vector<CString> unreadable;
    for (const std::u16string& name : merged.unreadable)
        unreadable.push_back(ToCString(name));
    return unreadable;
}

// The memory knows an entry by its word and meaning; a last word without one has "".
std::vector<progress::Entry> EntriesOf(const CString* pWords, const CString* pMeanings,
                                       size_t nWords, size_t nMeanings)
{
    std::vector<progress::Entry> entries(nWords);
    for (size_t i = 0; i < nWords; ++i)
        entries[i] = {std::u16string(pWords[i]),
                      i < nMeanings ? std::u16string(pMeanings[i]) : std::u16string()};
    return entries;
}

progress::Direction DirectionOf(BOOL bReverse)
{
    return bReverse ? progress::Direction::MeaningToWord : progress::Direction::WordToMeaning;
}

std::time_t Now()
{
    return CTime::GetCurrentTime().GetTime();
}

} // namespace

CProgressMemory::CProgressMemory(CWnd& owner) : m_owner(owner) {}

// The last answers are saved before the file for the other machines is written, so that it
// holds them.
CProgressMemory::~CProgressMemory()
{
    SaveBeforeQuit();
    WriteSnapshot(FALSE, FALSE);
}

void CProgressMemory::SaveBeforeQuit()
{
    if (m_bSavedBeforeQuit)
        return;
    m_bSavedBeforeQuit = TRUE;
    if (m_pMemory && !m_pMemory->commitQueued(kQuietWaitMs)) {
        m_owner.SetStatusText(tr("Saving progress: another program is using the store"));
        m_owner.UpdateWindow();
        m_pMemory->commitQueued(kToldWaitMs);
    }
}

BOOL CProgressMemory::IsSwitchedOn()
{
    return AfxGetApp()->GetProfileInt(kProgressSection, kRememberEntry, 0) != 0;
}

BOOL CProgressMemory::Start()
{
    m_bOn = IsSwitchedOn();
    CWinApp* pApp = AfxGetApp();
    const CString strUntold = pApp->GetProfileString(kProgressSection, kUntoldEntry, _T(""));
    if (!strUntold.IsEmpty()) {
        pApp->WriteProfileString(kProgressSection, kUntoldEntry, _T(""));
        m_owner.MessageBox(strUntold, tr(kMemoryCaption), MB_ICONSTOP);
    }
    return m_bOn;
}

void CProgressMemory::Switch(BOOL bOn)
{
    m_bOn = bOn;
    AfxGetApp()->WriteProfileInt(kProgressSection, kRememberEntry, bOn);
    if (!bOn) {
        // What was kept stays on disk for when it is turned on again.
        WriteSnapshot();
        m_pMemory.reset();
        return;
    }
    m_bOpenFailed = FALSE;
    Open();
}

void CProgressMemory::SetList(const CString* pWords, const CString* pMeanings, int nWords,
                              int nMeanings)
{
    m_pWords = pWords;
    m_pMeanings = pMeanings;
    m_nWords = static_cast<size_t>(nWords);
    m_nMeanings = static_cast<size_t>(nMeanings);
    // A store not yet open waits for the first question, so that a list named at start-up
    // is on screen as soon as without the memory.
    if (!m_pMemory)
        return;
    WriteSnapshot();
    Merge();
    m_pMemory->setList(Entries());
}

// The store opens once and is kept while the memory is on, and learns the loaded list; a
// store that cannot be opened says so once and leaves the drill without memory.
BOOL CProgressMemory::Open()
{
    if (m_pMemory)
        return TRUE;
    if (m_bOpenFailed)
        return FALSE;
    std::u16string strMessage;
    m_pMemory = OpenStore(DeviceId(), true, strMessage);
    if (!m_pMemory)
        strMessage += std::u16string(tr(" The drill goes on without it."));
    if (!strMessage.empty())
        m_owner.MessageBox(ToCString(strMessage), tr(kMemoryCaption), MB_ICONSTOP);
    m_bOpenFailed = !m_pMemory;
    if (!m_pMemory)
        return FALSE;
    m_tLastSnapshot = Now();
    Merge();
    m_pMemory->setList(Entries());
    return TRUE;
}

std::vector<progress::Entry> CProgressMemory::Entries() const
{
    return EntriesOf(m_pWords, m_pMeanings, m_nWords, m_nMeanings);
}

CString CProgressMemory::Folder() const
{
    return m_strChosenFolder.IsEmpty() ? ConfiguredFolder() : m_strChosenFolder;
}

// A file that cannot be read is noted for the progress view, never told in a box: it may
// be half-synced at every open. A large file is merged while the learner goes on.
void CProgressMemory::Merge()
{
    const CString strFolder = Folder();
    if (!m_pMemory || strFolder.IsEmpty())
        return;
    m_unreadableFiles = Unreadable(*m_pMemory, m_pMemory->merge(std::u16string(strFolder), true));
    WriteSnapshot(TRUE);
}

void CProgressMemory::WriteSnapshot(BOOL bWhenLacking, BOOL bTell, progress::Memory* pMemory)
{
    const CString strFolder = Folder();
    progress::Memory* const pWriter = pMemory ? pMemory : m_pMemory.get();
    if (!pWriter || strFolder.IsEmpty())
        return;
    m_tLastSnapshot = Now();
    std::u16string strReason;
    const std::u16string folder(strFolder);
    const bool bWritten = bWhenLacking ? pWriter->keepSnapshot(folder, strReason)
                                       : pWriter->writeSnapshot(folder, strReason);
    KeepDeviceId(*pWriter);
    if (bWritten || m_bSnapshotTold || !bTell)
        return;
    // Told once a run: the answers stay in the store, and the next write may succeed.
    m_bSnapshotTold = TRUE;
    CString strMessage;
    strMessage.Format(tr("This machine's progress cannot be written to the progress folder "
                         "\"%s\" (%s). It is kept here, and written there again later."),
                      strFolder, ToCString(strReason));
    m_owner.MessageBox(strMessage, tr(kMemoryCaption), MB_ICONSTOP);
}

// The due entries first, then new ones; when none is left, the learner hears so once and the
// drill goes on at random.
int CProgressMemory::DrawEntry(BOOL bReverse)
{
    m_owner.SetStatusText(_T(""));
    if (!m_bOn || !Open())
        return -1;
    // A large file merged meanwhile: its answers count from this question on.
    if (const std::optional<progress::MergeResult> merged = m_pMemory->finishedMerge()) {
        const std::vector<CString> unreadable = Unreadable(*m_pMemory, *merged);
        m_unreadableFiles.insert(m_unreadableFiles.end(), unreadable.begin(), unreadable.end());
        WriteSnapshot(TRUE);
    }
    const progress::NextQuestion next = m_pMemory->next(DirectionOf(bReverse), Now());
    // Past the day's due and new entries the drill is free practice, which a line at the foot
    // of the window tells until something is due again.
    if (next.entry < 0)
        m_owner.SetStatusText(tr("Free practice: nothing more is due today."));
    if (next.ranOut) {
        CString strMessage = tr("Nothing more is due today.");
        CString strNext;
        if (next.dueTomorrow > 0)
            strNext.Format(tr(" %d words are due tomorrow.", nullptr, next.dueTomorrow),
                           next.dueTomorrow);
        if (next.newTomorrow)
            strNext += tr(" New words come tomorrow.");
        else if (next.dueTomorrow == 0 && next.nextDueDay > 0)
            strNext.Format(tr(" The next are due on %s."),
                           ToCString(progress::dayName(next.nextDueDay)));
        m_owner.MessageBox(strMessage + strNext, tr("Well done!"), MB_OK);
    }
    return next.entry;
}

// A store busy with another program keeps the answer queued without a word; a lasting
// fault is told once, and writing resumes by itself when it clears.
void CProgressMemory::RecordAnswer(int nEntry, BOOL bReverse, BOOL bRight)
{
    if (!m_pMemory)
        return;
    std::u16string strMessage;
    const std::time_t tNow = Now();
    if (m_pMemory->record(nEntry, DirectionOf(bReverse), bRight, tNow, strMessage)) {
        if (tNow - m_tLastSnapshot >= kSnapshotSeconds)
            WriteSnapshot();
        return;
    }
    if (!strMessage.empty())
        m_owner.MessageBox(ToCString(strMessage) +
                               tr(" The answers are kept, and saved as soon as it can be done."),
                           tr(kMemoryCaption), MB_ICONSTOP);
}

void CProgressMemory::ForgetList()
{
    // With the memory off, a store kept from before is opened for this alone; none is made.
    std::unique_ptr<progress::Memory> pStore;
    progress::Memory* pMemory = m_pMemory.get();
    if (!pMemory) {
        std::u16string strMessage;
        pStore = OpenStore(AfxGetApp()->GetProfileString(kProgressSection, kDeviceEntry, _T("")),
                           false, strMessage);
        if (!strMessage.empty())
            m_owner.MessageBox(ToCString(strMessage), tr(kMemoryCaption), MB_ICONSTOP);
        pMemory = pStore.get();
        if (pMemory)
            pMemory->setList(Entries());
    }
    if (!pMemory)
        return;
    if (!pMemory->forgetList(Now())) {
        m_owner.MessageBox(tr("The progress of this list could not be forgotten."),
                           tr("Forget progress"), MB_ICONSTOP);
        return;
    }
    // The other machines learn of it without waiting for another answer here.
    WriteSnapshot(FALSE, TRUE, pMemory);
}

// The view shows the loaded list in the current direction, with the other machines' answers
// merged in first.
void CProgressMemory::ShowView(BOOL bReverse, BOOL bLoaded, const CString& strLanguages,
                               const CString& strMedia)
{
    const std::time_t tNow = Now();
    std::optional<progress::Overview> overview;
    if (m_bOn) {
        if (!bLoaded) {
            m_owner.MessageBox(tr("Open a dictionary first."), tr("Progress"), MB_OK);
            return;
        }
        if (!Open())
            return;
        Merge();
        overview = m_pMemory->overview(DirectionOf(bReverse), tNow);
    }
    CProgressDlg dlgProgress(overview, progress::dayOf(tNow), m_unreadableFiles, strLanguages,
                             strMedia, &m_owner);
    dlgProgress.DoModal();
}

void CProgressMemory::ChooseFolder()
{
    CFolderPickerDialog dlgFolder(Folder(), 0, &m_owner);
    if (dlgFolder.DoModal() != IDOK)
        return;
    m_strChosenFolder = dlgFolder.GetFolderPath();
    AfxGetApp()->WriteProfileString(kProgressSection, kFolderEntry, m_strChosenFolder);
    Merge();
}

int CProgressMemory::PrintProgress(const std::vector<CString>& words,
                                   const std::vector<CString>& meanings)
{
    std::u16string strMessage;
    const std::unique_ptr<progress::Memory> pMemory = OpenStore(DeviceId(), true, strMessage);
    if (!strMessage.empty()) {
        WriteConsoleLine(ToCString(strMessage), stderr);
        // A store moved aside is told again by the window.
        if (pMemory)
            AfxGetApp()->WriteProfileString(kProgressSection, kUntoldEntry, ToCString(strMessage));
    }
    if (!pMemory)
        return EXIT_FAILURE;
    const CString strFolder = ConfiguredFolder();
    const std::vector<CString> unreadable =
        strFolder.IsEmpty() ? std::vector<CString>()
                            : Unreadable(*pMemory, pMemory->merge(std::u16string(strFolder)));
    pMemory->setList(EntriesOf(words.data(), meanings.data(), words.size(), meanings.size()));
    // A new run drills word to meaning.
    const std::time_t tNow = Now();
    for (const CString& strLine :
         DescribeProgress(pMemory->overview(progress::Direction::WordToMeaning, tNow),
                          progress::dayOf(tNow), unreadable))
        WriteConsoleLine(strLine);
    return EXIT_SUCCESS;
}
