// Numbers as a spreadsheet shows them: through the cell's number format (dates and times,
// percentages, fixed decimals, thousands grouping and scaling, scientific and engineering
// notation, conditions, literal text), or as "General" with at most 15 significant digits,
// which fractions show as.
#pragma once

#include <QString>

namespace formats {

// The format code of one of Excel's built-in number formats, or "" for General and the
// ids it does not define. The locale's short date (14, and 22's date) is shown as ISO
// 8601, which no reader misreads.
QStringView builtInFormatCode(int id);

// `value` as the format code shows it; a date or time is a serial day number, counted in
// the workbook's 1900 or 1904 date system.
QString formattedNumber(double value, QStringView formatCode, bool date1904 = false);

// `value` as the General format shows it: at most 15 significant digits, so 0.1 + 0.2 is
// 0.3.
QString generalNumber(double value);

} // namespace formats
