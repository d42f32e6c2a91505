// Files that are no good dictionary, opened through OPEN: what the user is told and what
// stays loaded. Each file that once broke loading has its test here.
#include "LoadingFixture.h"
#include "ReadFault.h"

#include <QFile>
#include <QString>
#include <optional>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class BadInput : public Loading {
protected:
    // Loads a good list and opens a question on it, as the bad file finds them.
    void loadGoodListWithQuestion()
    {
        open(files.writeEntries("good.dic", 40));
        fakeOpenQuestion();
        seam.messages.clear();
    }

    void openAfterGoodList(const std::string& path)
    {
        loadGoodListWithQuestion();
        open(path);
    }

    void expectGoodListUntouched()
    {
        EXPECT_TRUE(dlg->m_bLoaded);
        EXPECT_EQ(dlg->m_nLastIndex, 39);
        EXPECT_EQ(word(39), u"word39");
        EXPECT_EQ(meaning(39), u"meaning 39");
        EXPECT_EQ(windowText(*dlg), u"good.dic ");
    }

    // A completed load of a list too small to drill on: its one box and the reset drill.
    void expectTooSmallList(int entries, const std::u16string& caption)
    {
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].text, tooSmallMessage(entries));
        EXPECT_EQ(seam.messages[0].caption, u"Errors in Dictionary.");
        EXPECT_EQ(seam.messages[0].type, MB_ICONSTOP);
        EXPECT_FALSE(dlg->m_bLoaded);
        EXPECT_FALSE(dlg->m_bAnswerable);
        EXPECT_EQ(dlg->m_nLastIndex, entries - 1);
        EXPECT_EQ(windowText(*dlg), caption);
        EXPECT_EQ(windowText(*dlg, IDC_QUESTION), kStartPrompt);
        EXPECT_EQ(windowText(*dlg, IDC_START), u"START");
    }
};

// Makes file access use the rights of user and group "nobody" for its lifetime, on this
// thread: the superuser may read any file, so only this way is a file unreadable to it too.
class FileAccessAsNobody {
public:
    FileAccessAsNobody()
        : m_previousUser(static_cast<uid_t>(::setfsuid(kNobody))),
          m_previousGroup(static_cast<gid_t>(::setfsgid(kNobody)))
    {
        // Each call answers the setting it replaces, so asking again tells whether it took.
        m_changed = static_cast<uid_t>(::setfsuid(kNobody)) == kNobody &&
                    static_cast<gid_t>(::setfsgid(kNobody)) == kNobody;
    }
    ~FileAccessAsNobody()
    {
        ::setfsgid(m_previousGroup);
        ::setfsuid(m_previousUser);
    }
    FileAccessAsNobody(const FileAccessAsNobody&) = delete;
    FileAccessAsNobody& operator=(const FileAccessAsNobody&) = delete;

    bool changed() const { return m_changed; }

private:
    static constexpr unsigned kNobody = 65534;
    uid_t m_previousUser;
    gid_t m_previousGroup;
    bool m_changed = false;
};

TEST_F(BadInput, MissingFileLeavesEverythingAsItWas)
{
    openAfterGoodList(files.path("missing.dic"));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].type, MB_ICONSTOP);
    EXPECT_NE(seam.messages[0].text.find(u"missing.dic"), std::u16string::npos);
    EXPECT_NE(seam.messages[0].text.find(u"Cannot open"), std::u16string::npos);
    expectGoodListUntouched();
    EXPECT_TRUE(dlg->m_bAnswerable);
    EXPECT_EQ(dlg->m_nReviewPending, 3);
    EXPECT_EQ(g_nQuestionNo, 4);
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), u"word3");
}

TEST_F(BadInput, FolderIsRefusedLikeAMissingFile)
{
    openAfterGoodList(files.path(""));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].type, MB_ICONSTOP);
    EXPECT_NE(seam.messages[0].text.find(u"Cannot open"), std::u16string::npos);
    expectGoodListUntouched();
    EXPECT_TRUE(dlg->m_bAnswerable);
}

TEST_F(BadInput, UnreadableFileIsRefused)
{
    const std::string path = files.writeEntries("locked.dic", 10);
    QFile::setPermissions(QString::fromStdString(path), QFileDevice::WriteOwner);
    // Only the file may stand in the way, not its folder.
    const QString folder = QString::fromStdString(files.path(""));
    QFile::setPermissions(folder, QFile::permissions(folder) | QFileDevice::ExeGroup |
                                      QFileDevice::ExeOther);
    loadGoodListWithQuestion();
    {
        std::optional<FileAccessAsNobody> nobody;
        if (::geteuid() == 0) {
            nobody.emplace();
            if (!nobody->changed())
                GTEST_SKIP() << "the superuser cannot take another user's file rights here";
        }
        open(path);
    }
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].type, MB_ICONSTOP);
    EXPECT_EQ(seam.messages[0].caption, u"Open failed!");
    EXPECT_NE(seam.messages[0].text.find(u"Cannot open"), std::u16string::npos);
    expectGoodListUntouched();
    EXPECT_TRUE(dlg->m_bAnswerable);
}

TEST_F(BadInput, ReadErrorKeepsTheLoadedListAndClosesTheQuestion)
{
    std::string csv;
    for (int i = 0; i < 9000; ++i)
        csv += "word" + std::to_string(i) + ",meaning " + std::to_string(i) + "\n";
    // A dictionary, and a list of another format, which its reader reads on after the
    // block that told its kind.
    for (const std::string& path :
         {files.writeEntries("failing.dic", 9000), files.writeBytes("failing.csv", csv)}) {
        SCOPED_TRACE(path);
        armReadFault(path.substr(path.rfind('/') + 1), 100000);
        openAfterGoodList(path);
        disarmReadFault();
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].type, MB_ICONSTOP);
        EXPECT_NE(seam.messages[0].text.find(u"Cannot read"), std::u16string::npos);
        expectGoodListUntouched();
        EXPECT_FALSE(dlg->m_bAnswerable);
        EXPECT_EQ(windowText(*dlg, IDC_QUESTION), kStartPrompt);
        EXPECT_EQ(windowText(*dlg, IDC_START), u"START");
    }
}

TEST_F(BadInput, UnitsHoldingALineFeedByteAreStillText)
{
    // U+4E0A and U+0A15 hold a 0x0A byte; neither file is 8-bit text.
    open(files.write("one-line.dic", {u"\u4E0A\u4E0A \u0A15"}, u"\r\n", false));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, u"Sorry. This dictionary is to small(1) to use.");
    EXPECT_EQ(word(0), u"\u4E0A\u4E0A \u0A15");
}

TEST_F(BadInput, OverlongLinesAreCutAndLaterLinesPairAsBefore)
{
    const std::u16string huge(5000, u'x');
    const std::u16string exact(997, u'y');
    open(files.write("long.dic", {u"first", huge, exact, u"third meaning"}));
    EXPECT_EQ(dlg->m_nLastIndex, 1);
    EXPECT_EQ(meaning(0), huge.substr(0, 999));
    EXPECT_EQ(word(1), exact) << "a line of 997 characters and CR LF is read whole";
    EXPECT_EQ(meaning(1), u"third meaning");
}

TEST_F(BadInput, UnixLineEndsLoadWhole)
{
    open(files.write("unix.dic", {u"cat", u"a small animal", u"dog", u"a loyal animal"}, u"\n"));
    EXPECT_EQ(word(0), u"cat");
    EXPECT_EQ(meaning(0), u"a small animal");
    EXPECT_EQ(word(1), u"dog");
    EXPECT_EQ(meaning(1), u"a loyal animal");
}

TEST_F(BadInput, ByteOrderMarkIsDropped)
{
    open(files.write("bom.dic", {u"\uFEFF; comment", u"cat", u"a small animal"}));
    EXPECT_EQ(dlg->m_nLastIndex, 0);
    EXPECT_EQ(word(0), u"cat");
    EXPECT_EQ(meaning(0), u"a small animal");
}

TEST_F(BadInput, OddLengthFileLoads)
{
    open(files.writeBytes("odd.dic", utf16le(u"cat\r\nanimal\r\n") + "Z"));
    EXPECT_EQ(word(0), u"cat");
    EXPECT_EQ(meaning(0), u"animal");
    EXPECT_EQ(word(1), u"Z");
    EXPECT_EQ(dlg->m_nLastIndex, 1);
}

TEST_F(BadInput, ZeroLengthFileIsAnEmptyList)
{
    openAfterGoodList(files.writeBytes("empty.dic", ""));
    expectTooSmallList(0, u"empty.dic ");
}

TEST_F(BadInput, HundredThousandBlankLinesAreAnEmptyList)
{
    openAfterGoodList(files.write("blank.dic", std::vector<std::u16string>(100000)));
    expectTooSmallList(0, u"blank.dic ");
}

TEST_F(BadInput, HundredThousandBlankLinesBetweenAWordAndItsMeaning)
{
    std::vector<std::u16string> lines{u"first"};
    lines.resize(100001);
    lines.emplace_back(u"its meaning");
    for (int i = 1; i < MIN_WORDS; ++i) {
        lines.emplace_back(u"word");
        lines.emplace_back(u"meaning");
    }
    open(files.write("spread.dic", lines));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, containsMessage(MIN_WORDS));
    EXPECT_EQ(word(0), u"first");
    EXPECT_EQ(meaning(0), u"its meaning");
    EXPECT_TRUE(dlg->m_bLoaded);
}

TEST_F(BadInput, LineOfAMillionUnitsWithoutLineEndIsCut)
{
    const std::u16string line(1000000, u'x');
    openAfterGoodList(files.write("million.dic", {line}, u"\r\n", false));
    expectTooSmallList(1, u"million.dic ");
    EXPECT_EQ(word(0), line.substr(0, LINE_BUFFER_SIZE - 1));
}

std::string repeated(const std::string& text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

std::string kvtml(const std::string& entries)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\"><entries>" + entries;
}

std::string entityBomb()
{
    std::string entities = "<!ENTITY e0 \"laugh\">";
    for (int i = 1; i < 10; ++i)
        entities += "<!ENTITY e" + std::to_string(i) + " \"" +
                    repeated("&e" + std::to_string(i - 1) + ";", 10) + "\">";
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml [" + entities +
           "]>\n<kvtml version=\"2.0\"><entries><entry><translation id=\"0\"><text>&e9;"
           "</text></translation><translation id=\"1\"><text>x</text></translation></entry>"
           "</entries></kvtml>";
}

TEST_F(BadInput, FilesThatAreNoWordListAreRefusedWithTheListKept)
{
    struct Row {
        const char* name;
        std::string bytes;
        const char16_t* reason;
        // Where the file's name leads instead of to the bytes.
        const char* linkTarget = nullptr;
    };
    const std::string pipe = files.path("fifo");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // A zip's first member header: "version needed" 10 is a UTF-16LE line feed.
    const std::string zipStart("PK\x03\x04\x0A\x00\x00\x00\x08\x00", 10);
    const std::string ole2Start("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0\x0A\0", 12);
    const char16_t* wordProcessor =
        u"it is a word-processor document: save it as plain text (UTF-8).";
    const Row rows[] = {
        // The start of a PNG image: its signature holds CR LF as single bytes.
        {"image.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06", 26),
         u"it is a PNG image, not a word list."},
        // The start of an ELF executable: no byte 0A anywhere.
        {"program",
         std::string("\x7f"
                     "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x3e\0",
                     20),
         u"it is a program, not a word list."},
        {"nul.dic", std::string(8192, '\0'), u"it holds zero bytes, so it is not a text file."},
        {"words.dic", zipStart + "words.txt", u"it is a zip archive, not a word list."},
        {"letter.docx", zipStart, wordProcessor},
        {"letter", zipStart + std::string(20, '\0') + "word/document.xml", wordProcessor},
        {"letter.doc", ole2Start, wordProcessor},
        {"table.xls", ole2Start, u"it is an Office 97-2003 document, not a word list."},
        {"manual.pdf", "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n", u"it is a PDF document, not a word list."},
        {"zero", "", u"it is not a file but a device.", "/dev/zero"},
        // A pipe that no program writes to: opening it must not wait for one.
        {"pipe", "", u"it is not a file but a device.", pipe.c_str()},
        // One line of Latin-1 and one of UTF-8: neither has a line feed to tell it by.
        {"latin1.dic", "caf\xe9",
         u"it is not UTF-8 text. Save it as UTF-8 (Unicode) text and "
         u"open it again."},
        {"one-line.dic", "cat", u"it holds no words. Each entry needs a word and its meaning."},
        {"invalid.txt", "cat\nchat\n\xc3\x28\nx\n",
         u"it is not UTF-8 text. Save it as UTF-8 "
         u"(Unicode) text and open it again."},
        {"nul-inside.txt", std::string("cat\nch\0at\n", 11),
         u"it holds zero bytes, so it is not a text file."},
        {"lines.txt", std::string(10'000'000, '\n'),
         u"it holds no words. Each entry needs a word and its meaning."},
        {"empty.csv", "", u"the file is empty."},
        {"one-column.csv", "cat\ndog\nbird\n",
         u"it has only one column. A word list needs the word in the first column and its "
         u"meaning in the second."},
        // Bytes that every code page reads as symbols within words.
        {"undecodable.csv", "cat,chat\nw\xA4x\xA6y,z\xA4\xA6z\n",
         u"it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it "
         u"as UTF-8 (Unicode) text and open it again."},
        {"unclosed.csv", "cat,chat\ndog,\"chien\nbird,oiseau\n",
         u"a field that starts with a quotation mark on line 2 never ends; its closing \" is "
         u"missing."},
        {"cut-short.kvtml", kvtml("<entry><translation id=\"0\"><text>cat</text>"),
         u"it ends too early; the file is cut short or incomplete."},
        {"no-entries.kvtml", kvtml("</entries></kvtml>"),
         u"it holds no words. Each entry needs a word and its meaning."},
        {"text.kvtml", "cat\nchat\n", u"it is not a KVTML file: KVTML word lists are XML."},
        {"page.xml", "<html><body>cat</body></html>",
         u"it is an XML file, but not a KVTML word list."},
        {"old.kvtml", "<?xml version=\"1.0\"?>\n<kvtml><e><o>cat</o><t>chat</t></e></kvtml>",
         u"it is saved in KVTML version 1; only KVTML 2.0 can be opened."},
        {"deep.kvtml", kvtml(repeated("<entry>", 1'000'000)),
         u"its elements are nested far too deeply for a word list."},
        {"flat.kvtml", kvtml(repeated("<i a=''/>", 1'100'000)),
         u"it holds far more markup than any word list."},
        // Each entity ten of the one before: a billion characters if all were expanded.
        {"laughs.kvtml", entityBomb(),
         u"it declares XML entities of its own, which no word list needs."},
    };
    for (const Row& row : rows) {
        std::string path = files.path(row.name);
        if (row.linkTarget)
            ASSERT_TRUE(QFile::link(row.linkTarget, QString::fromStdString(path))) << row.name;
        else
            path = files.writeBytes(row.name, row.bytes);
        openAfterGoodList(path);
        ASSERT_EQ(seam.messages.size(), 1u) << row.name;
        EXPECT_EQ(seam.messages[0].text,
                  u"Cannot open \"" + QString(row.name).toStdU16String() + u"\": " + row.reason)
            << row.name;
        EXPECT_EQ(seam.messages[0].caption, u"Open failed!") << row.name;
        EXPECT_EQ(seam.messages[0].type, MB_ICONSTOP) << row.name;
        expectGoodListUntouched();
        EXPECT_TRUE(dlg->m_bAnswerable) << row.name;
        EXPECT_EQ(windowText(*dlg, IDC_QUESTION), u"word3") << row.name;
    }
}

} // namespace
