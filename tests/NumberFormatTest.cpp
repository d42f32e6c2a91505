// Spreadsheet values as a spreadsheet shows them through their cell's number format. The
// expected texts are what LibreOffice Calc shows for each, but for the 1900 system's first
// sixty days, which are shown as the program that made that system shows them (Calc shows
// them a day early, as if the system had no 29 February 1900).
#include "NumberFormat.h"

#include <gtest/gtest.h>

namespace {

struct Shown {
    double value;
    const char16_t* formatCode;
    bool date1904;
    const char16_t* text;
};

const Shown kShown[] = {
    // Durations count from the value, never from the date system's first day.
    {0.0625, u"[h]:mm", false, u"1:30"},
    {0.0625, u"[h]:mm", true, u"1:30"},
    {0.5, u"[s]", false, u"43200"},
    {1.5, u"[h]:mm:ss", false, u"36:00:00"},
    {0.0625, u"[mm]:ss", false, u"90:00"},
    {0.5000115, u"hh:mm:ss.000", false, u"12:00:00.994"},
    // Ties round away from zero, of the value's 15 significant digits.
    {2.5, u"0", false, u"3"},
    {-2.5, u"0", false, u"-3"},
    {-0.4, u"0", false, u"0"},
    {0.125, u"0.00", false, u"0.13"},
    {2.675, u"0.00", false, u"2.68"},
    {1234.5, u"#,##0", false, u"1,235"},
    // Past the 15th significant digit, zeros.
    {123456789012345678.0, u"#,##0", false, u"123,456,789,012,346,000"},
    // A quoted or escaped percent sign is text; a point with no decimal shown goes.
    {100, u"0.0\\%", false, u"100.0%"},
    {5, u"#.##", false, u"5"},
    // Scaling commas, engineering notation, and conditions, of which a value that meets none
    // shows as General.
    {1234567, u"#,##0,\"K\"", false, u"1,235K"},
    {12345, u"##0.0E+0", false, u"12.3E+3"},
    {1, u"[<1]\"low\";\"high\"", false, u"high"},
    {50, u"[>100]\"big\";[<10]\"small\";\"mid\"", false, u"mid"},
    {2, u"[<1]0.0", false, u"2"},
    // Fractions: the nearest within the denominator's digits, or of the code's denominator.
    {-2.5, u"# ?/?;(# ?/?)", false, u"(2 1/2)"},
    {0.7071067811865476, u"?/???", false, u"408/577"},
    {2.3, u"# ?/8", false, u"2 2/8"},
    // The 1900 system's day 0 and its 29 February, which never were.
    {0, u"yyyy-mm-dd", false, u"1900-01-00"},
    {59, u"yyyy-mm-dd", false, u"1900-02-28"},
    {60, u"yyyy-mm-dd", false, u"1900-02-29"},
    {61, u"yyyy-mm-dd", false, u"1900-03-01"},
    {45292, u"yyyy-mm-dd", false, u"2024-01-01"},
    {45292, u"yyyy-mm-dd", true, u"2028-01-02"},
    {0.5625, u"h:mm AM/PM", false, u"1:30 PM"},
    {12345.678, u"0.00E+00", false, u"1.23E+04"},
    {0.12345, u"0.0%", false, u"12.3%"},
    {-1234, u"#,##0;(#,##0)", false, u"(1,234)"},
    {0.30000000000000004, u"", false, u"0.3"},
};

TEST(NumberFormat, ValuesShowAsTheSheetShowsThemOrAsGeneral)
{
    for (const Shown& row : kShown) {
        EXPECT_EQ(formats::formattedNumber(row.value, row.formatCode, row.date1904),
                  QString::fromUtf16(row.text))
            << row.value << " as " << QString::fromUtf16(row.formatCode).toStdString()
            << (row.date1904 ? " (1904)" : "");
    }
}

} // namespace
