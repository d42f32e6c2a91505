#include "WordList.h"

namespace formats {

namespace {

// Bare, such a field would read back as something else: a quotation mark at its start opens
// a quoted field, "#" makes the first line a header and ";" a remark, a tab ends the field
// and a line break the entry.
bool needsQuotes(const std::u16string& field)
{
    return !field.empty() &&
           (field.front() == u'"' || field.front() == u'#' || field.front() == u';' ||
            field.find_first_of(u"\t\r\n") != std::u16string::npos);
}

void appendField(std::u16string& text, const std::u16string& field)
{
    if (!needsQuotes(field)) {
        text += field;
        return;
    }
    text += u'"';
    for (char16_t unit : field) {
        if (unit == u'"')
            text += u'"';
        text += unit;
    }
    text += u'"';
}

} // namespace

std::u16string toTabSeparatedText(const std::vector<WordEntry>& entries)
{
    std::u16string text;
    for (const WordEntry& entry : entries) {
        appendField(text, entry.word);
        text += u'\t';
        appendField(text, entry.meaning);
        text += u'\n';
    }
    return text;
}

} // namespace formats
