// A spreadsheet cell's number format code, read: the section that shows a value, and its
// pieces.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace formats {

// A piece of a format code: text shown as written, a run of one date or time letter
// ("yyyy", "mm", "[h]", "AM/PM", ".00" for hundredths of a second), a digit placeholder or
// mark of the number, or a percent sign that scales it (a quoted or escaped one does not).
struct FormatToken {
    enum Kind { Literal, DatePart, NumberPart, Percent } kind;
    QString text;
};

// The section of `code` that shows `value`: by its sign, "positive;negative;zero;text", or
// by the conditions of the first two sections ("[<1]"), the next section taking what meets
// neither. With more than one section, the section shows the value without its sign, and
// `value` loses it. Nothing when no section takes the value.
std::optional<QStringView> formatSection(QStringView code, double& value);

// The pieces of a section of a code.
QList<FormatToken> formatTokens(QStringView section);

} // namespace formats
