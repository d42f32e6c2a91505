// The framework pieces the program relies on: strings, formatting and data exchange.
#include "afxwin.h"

#include <gtest/gtest.h>

namespace
{

TEST(CString, FormatTakesTheProgramsConversions)
{
    CString line;
    line.Format(_T("No.%d, R=%d, W=%d, Score=%5.2f"), 3, 2, 1, double(200.0f / 3.0f));
    EXPECT_EQ(std::u16string(line), u"No.3, R=2, W=1, Score=66.67");
    line.Format(_T("Score=%5.2f"), 0.0);
    EXPECT_EQ(std::u16string(line), u"Score= 0.00");
    CString word(_T("\u043a\u043e\u0442"));
    line.Format(_T("%s=%s"), word, _T("cat"));
    EXPECT_EQ(std::u16string(line), u"\u043a\u043e\u0442=cat");
    line.Format(_T("100%% of %s"), _T("\U0001F600"));
    EXPECT_EQ(std::u16string(line), u"100% of \U0001F600");
}

TEST(CString, TrimRightReverseFindLeftRight)
{
    CString text(_T("  a b\t\r\n \u2003"));
    text.TrimRight();
    EXPECT_EQ(std::u16string(text), u"  a b");
    EXPECT_EQ(CString(_T("a/b/c")).ReverseFind('/'), 3);
    EXPECT_EQ(CString(_T("abc")).ReverseFind('/'), -1);
    EXPECT_EQ(std::u16string(CString(_T("abcdef")).Right(2)), u"ef");
    EXPECT_EQ(std::u16string(CString(_T("abcdef")).Left(2)), u"ab");
    EXPECT_EQ(std::u16string(CString(_T("ab")).Right(-1)), u"");
    EXPECT_TRUE(CString(_T("")).IsEmpty());
    EXPECT_TRUE(CString(nullptr).IsEmpty());
    EXPECT_EQ(std::u16string(CString(_T("ab")) + _T("cd")), u"abcd");
}

TEST(CString, KeepsEveryUnitItIsGiven)
{
    // A leading byte-order mark is text like any other unit; lone surrogates stay too.
    const CString text(_T("\uFEFF;x\xD800"));
    EXPECT_EQ(text.GetLength(), 4);
    EXPECT_EQ(text[0], 0xFEFF);
    EXPECT_EQ(text[3], 0xD800);
}

TEST(Runtime, WsprintfNeverWritesPastTheBuffer)
{
    WCHAR buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    const int written = wsprintf(buffer, _T("%d words in %s"), 5200, _T("a long list"));
    EXPECT_EQ(written, 7);
    EXPECT_EQ(std::u16string(buffer), u"5200 wo");
}

TEST(Runtime, WhiteSpaceIsUnicodeWhiteSpace)
{
    for (WCHAR ch : {u' ', u'\t', u'\r', u'\n', u'\v', u'\f', u'\u00A0', u'\u2003', u'\u3000'})
        EXPECT_TRUE(iswspace(ch)) << int(ch);
    for (WCHAR ch : {u'a', u';', u'\0', u'\u4E00', u'\uFEFF'})
        EXPECT_FALSE(iswspace(ch)) << int(ch);
}

} // namespace
