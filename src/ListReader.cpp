#include "ListReader.h"

#include "DicFile.h"
#include "ListLibrary.h"
#include "WordList.h"

#include <algorithm>
#include <future>
#include <memory>
#include <new>
#include <utility>

namespace {

constexpr WCHAR kByteOrderMark = 0xFEFF;

// Reads one line and trims its trailing white space. The buffer is all zeros before the
// read and is left so after it: only the units the read stored are cleared again, which
// is the same as filling the whole buffer before every read, at a fraction of the cost.
// A byte-order mark at the very start of the file is dropped, so a file saved with one
// pairs like the same file without.
CString ReadTrimmedLine(DicFile& dicFile, WCHAR (&buffer)[LINE_BUFFER_SIZE])
{
    const bool atStart = dicFile.m_nPos == 0;
    const int stored = dicFile.ReadLine(buffer, LINE_BUFFER_SIZE);
    CString line(atStart && buffer[0] == kByteOrderMark ? buffer + 1 : buffer);
    std::fill_n(buffer, stored, WCHAR{0});
    line.TrimRight();
    return line;
}

bool IsContentLine(const CString& line)
{
    return !line.IsEmpty() && line[0] != ';';
}

// Reads the entries of an open dictionary; TRUE when it held more than MAX_WORDS.
BOOL ReadEntries(DicFile& dicFile, std::vector<CString>& words, std::vector<CString>& meanings)
{
    WCHAR szWordLine[LINE_BUFFER_SIZE] = {};
    WCHAR szMeaningLine[LINE_BUFFER_SIZE] = {};
    do {
        CString word = ReadTrimmedLine(dicFile, szWordLine);
        if (!IsContentLine(word))
            continue;
        if (static_cast<int>(words.size()) == MAX_WORDS)
            return TRUE;
        words.push_back(std::move(word));
        // Blank and comment lines may stand between a word and its meaning.
        for (;;) {
            CString meaning = ReadTrimmedLine(dicFile, szMeaningLine);
            if (IsContentLine(meaning)) {
                meanings.push_back(std::move(meaning));
                break;
            }
            if (dicFile.IsEOF())
                break;
        }
    } while (!dicFile.IsEOF());
    return FALSE;
}

// Reads on in an open file that is not a dictionary: a word list of another program's
// format. The reason it cannot, or "".
CString ReadWordList(DicFile& dicFile, formats::FileKind kind, std::vector<CString>& words,
                     std::vector<CString>& meanings, BOOL& bTooLarge, ListSound& sound,
                     std::vector<formats::EntryPictures>& pictures)
{
    // The readers go on from the first block, in the file that is already open.
    const formats::ReadMore readMore = [&dicFile](char* buffer, size_t size) -> size_t {
        return dicFile.m_file.Read(buffer, static_cast<UINT>(size));
    };
    const ListReaders* pReaders = GetListReaders(kind);
    if (!pReaders)
        return NoListLibraryMessage();
    formats::WordList list =
        pReaders->readWordList(kind, dicFile.PeekFirstBlock(), readMore, MAX_WORDS);
    if (!list.problem.empty())
        return CString(list.problem.c_str());
    bTooLarge = list.entries.size() > static_cast<size_t>(MAX_WORDS);
    if (bTooLarge)
        list.entries.resize(MAX_WORDS);
    words.reserve(list.entries.size());
    meanings.reserve(list.entries.size());
    for (formats::WordEntry& entry : list.entries) {
        words.emplace_back(std::move(entry.word));
        meanings.emplace_back(std::move(entry.meaning));
    }
    list.recordings.resize(std::min(list.recordings.size(), list.entries.size()));
    sound.wordLanguage = std::move(list.wordLanguage);
    sound.meaningLanguage = std::move(list.meaningLanguage);
    sound.recordings = std::move(list.recordings);
    list.pictures.resize(std::min(list.pictures.size(), list.entries.size()));
    pictures = std::move(list.pictures);
    return CString();
}

// Runs the task of reading a list aside on the worker thread, which then owns it.
DWORD ReadAhead(LPVOID pTask)
{
    const std::unique_ptr<std::packaged_task<ListReadAside()>> pReadAhead(
        static_cast<std::packaged_task<ListReadAside()>*>(pTask));
    (*pReadAhead)();
    return 0;
}

} // namespace

ListReadAside ReadList(const CString& path)
{
    ListReadAside list;
    DicFile dicFile;
    dicFile.SetFileName(path);
    if (!dicFile.OpenRead())
        return list;
    list.read = ListRead::Whole;
    try {
        // A dictionary is read here; every other file goes to the readers of other
        // programs' formats, which also refuse what is no word list.
        const formats::FileKind kind =
            formats::fileKind(dicFile.PeekFirstBlock(), std::u16string(path));
        list.sound.kind = kind;
        if (kind == formats::FileKind::Dictionary)
            list.bTooLarge = ReadEntries(dicFile, list.words, list.meanings);
        else
            list.strProblem = ReadWordList(dicFile, kind, list.words, list.meanings, list.bTooLarge,
                                           list.sound, list.pictures);
    } catch (CFileException* e) {
        e->Delete();
        list.read = ListRead::Broken;
    } catch (const std::bad_alloc&) {
        list = {};
        list.read = ListRead::Whole;
        list.strProblem = AfxTranslate("ListReader", "there is not enough memory to read it.");
    }
    dicFile.Close();
    return list;
}

CListReadAhead::~CListReadAhead()
{
    if (m_list.valid())
        m_list.wait();
}

void CListReadAhead::Start(const CString& path)
{
    auto pReadAhead =
        std::make_unique<std::packaged_task<ListReadAside()>>([path] { return ReadList(path); });
    m_strPath = path;
    m_list = pReadAhead->get_future();
    // The worker owns the task once it is queued.
    if (QueueUserWorkItem(ReadAhead, pReadAhead.get(), WT_EXECUTEDEFAULT))
        static_cast<void>(pReadAhead.release());
    else
        m_list = {};
}

ListReadAside CListReadAhead::Read(const CString& path)
{
    if (m_list.valid() && path == m_strPath)
        return m_list.get();
    return ReadList(path);
}
