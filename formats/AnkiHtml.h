// The plain text of a field that Anki exported with its HTML.
#pragma once

#include <QString>

namespace formats {

// Tags are dropped, a line break or a block (<br>, <div>, <p>, <li>) becomes a space, and
// character references are decoded. Unknown named references stay as they are written.
// Each run of white space becomes one space, as HTML shows it.
QString plainTextFromHtml(QStringView html);

} // namespace formats
