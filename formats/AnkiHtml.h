// The plain text of a field that Anki exported with its HTML.
#pragma once

#include "WordList.h"

#include <QString>
#include <string>
#include <string_view>

namespace formats {

// Tags are dropped, a line break or a block (<br>, <div>, <p>, <li>) becomes a space, and
// character references are decoded. Unknown named references stay as they are written.
// Each run of white space becomes one space, as HTML shows it, and there is none at the
// start. Stops once the text is longer than `maxLength`: a word is cut long before.
QString plainTextFromHtml(QStringView html, qsizetype maxLength = kMaxFieldLength);
// The plain text of a field as an entry keeps it (entryText), made without a copy between.
std::u16string entryTextFromHtml(QStringView html);
// The same from UTF-8, where a byte that is part of no character reads as U+FFFD.
std::u16string entryTextFromHtml(std::string_view utf8);

} // namespace formats
