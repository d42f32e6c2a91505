// The dictionary reader: the units each line delivers and the positions it reports.
#include "DicFile.h"
#include "DictionaryWriter.h"
#include "ReadFault.h"

#include <gtest/gtest.h>

namespace {

struct ReaderRow {
    const char* name;
    std::u16string content;
    // Per ReadLine call: the units stored before the caller's zeros, then m_nPos and IsEOF.
    std::vector<std::u16string> lines;
    std::vector<LONGLONG> positions;
    std::vector<BOOL> atEnd;
};

std::ostream& operator<<(std::ostream& os, const ReaderRow& row)
{
    return os << row.name;
}

class ReaderRows : public ::testing::TestWithParam<ReaderRow> {
protected:
    DictionaryWriter files;
};

TEST_P(ReaderRows, DeliversUnitsAndPositions)
{
    const ReaderRow& row = GetParam();
    DicFile reader;
    reader.SetFileName(frameworkPath(files.writeBytes("row.dic", utf16le(row.content))));
    ASSERT_TRUE(reader.OpenRead());
    for (size_t i = 0; i < row.lines.size(); ++i) {
        WCHAR buffer[16];
        std::fill(std::begin(buffer), std::end(buffer), WCHAR{0});
        reader.ReadLine(buffer, 16);
        EXPECT_EQ(std::u16string(buffer), row.lines[i]) << "line " << i;
        EXPECT_EQ(reader.m_nPos, row.positions[i]) << "line " << i;
        EXPECT_EQ(reader.IsEOF(), row.atEnd[i]) << "line " << i;
    }
    EXPECT_TRUE(reader.Close());
}

INSTANTIATE_TEST_SUITE_P(
    DicFile, ReaderRows,
    ::testing::Values(
        ReaderRow{"EmptyFile", u"", {u""}, {0}, {TRUE}},
        ReaderRow{"LastLineWithoutEnd", u"ab\r\nxy", {u"ab\n\n", u"xy"}, {8, 12}, {FALSE, TRUE}},
        ReaderRow{"LastLineEnded", u"ab\r\nxy\r\n", {u"ab\n\n", u"xy\n\n"}, {8, 16}, {FALSE, TRUE}},
        ReaderRow{
            "BareLineFeedKeepsLastCharacter", u"abx\nz", {u"abx\n", u"z"}, {8, 10}, {FALSE, TRUE}},
        ReaderRow{"LineFeedOnly", u"\n", {u"\n"}, {2}, {TRUE}},
        ReaderRow{"CarriageReturnLineFeedOnly", u"\r\n", {u"\n\n"}, {4}, {TRUE}},
        ReaderRow{"LoneCarriageReturnIsText", u"a\rb\r\n", {u"a\rb\n\n"}, {10}, {TRUE}},
        ReaderRow{"ByteOrderMarkIsFirstUnit", u"\uFEFF;x\r\n", {u"\uFEFF;x\n\n"}, {10}, {TRUE}},
        ReaderRow{"NonLatinUnits",
                  u"\u4E00\u0436\r\n\u05D0",
                  {u"\u4E00\u0436\n\n", u"\u05D0"},
                  {8, 10},
                  {FALSE, TRUE}},
        // 0x0A00 is not a line feed, and 0x000A split across two units is none either.
        ReaderRow{
            "LineFeedByteInOtherUnits", u"\u0A00\u0A0A\r\n", {u"\u0A00\u0A0A\n\n"}, {8}, {TRUE}},
        // 20 units before the line end: 15 are stored, the rest of the line is skipped.
        ReaderRow{"LongLineIsCut",
                  u"abcdefghijklmnopqrst\r\nnext\r\n",
                  {u"abcdefghijklmno", u"next\n\n"},
                  {44, 56},
                  {FALSE, TRUE}}),
    [](const ::testing::TestParamInfo<ReaderRow>& info) { return std::string(info.param.name); });

TEST(DicFile, OddLengthEndsWithOneMoreUnit)
{
    DictionaryWriter files;
    const std::string path = files.writeBytes("odd.dic", utf16le(u"ab") + "c");
    DicFile reader;
    reader.SetFileName(frameworkPath(path));
    ASSERT_TRUE(reader.OpenRead());
    WCHAR buffer[8] = {};
    reader.ReadLine(buffer, 8);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(reader.m_nPos, 5);
    EXPECT_TRUE(reader.IsEOF());
}

TEST(DicFile, LinesAcrossReadBlocksArriveWhole)
{
    // Lines of 999 units straddle the reader's internal blocks at every offset.
    std::u16string content;
    std::vector<std::u16string> lines;
    for (int i = 0; i < 300; ++i) {
        std::u16string line(997, static_cast<char16_t>(u'A' + i % 26));
        lines.push_back(line);
        content += line + u"\r\n";
    }
    DictionaryWriter files;
    const std::string path = files.writeBytes("long.dic", utf16le(content));
    DicFile reader;
    reader.SetFileName(frameworkPath(path));
    ASSERT_TRUE(reader.OpenRead());
    EXPECT_EQ(reader.GetLength(), content.size() * 2);
    std::vector<WCHAR> buffer(1000);
    for (size_t i = 0; i < lines.size(); ++i) {
        std::fill(buffer.begin(), buffer.end(), WCHAR{0});
        reader.ReadLine(buffer.data(), 1000);
        ASSERT_EQ(std::u16string(buffer.data()), lines[i] + u"\n\n") << "line " << i;
    }
    EXPECT_TRUE(reader.IsEOF());
}

TEST(DicFile, MissingFileDoesNotOpen)
{
    DicFile reader;
    reader.SetFileName(_T("/nonexistent/folder/words.dic"));
    EXPECT_FALSE(reader.OpenRead());
    EXPECT_EQ(reader.m_fileException.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(std::u16string(reader.m_fileException.m_strFileName),
              u"/nonexistent/folder/words.dic");
}

TEST(DicFile, ReadErrorNamesTheFile)
{
    DictionaryWriter files;
    const std::string path = files.writeBytes("failing.dic", utf16le(std::u16string(5000, u'a')));
    DicFile reader;
    reader.SetFileName(frameworkPath(path));
    ASSERT_TRUE(reader.OpenRead());
    armReadFault("failing.dic", 100);
    CFileException* error = nullptr;
    try {
        WCHAR buffer[100] = {};
        while (!reader.IsEOF())
            reader.ReadLine(buffer, 100);
    } catch (CFileException* e) {
        error = e;
    }
    disarmReadFault();
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->m_cause, CFileException::hardIO);
    EXPECT_EQ(std::u16string(error->m_strFileName), std::u16string(frameworkPath(path)));
    error->Delete();
}

} // namespace
