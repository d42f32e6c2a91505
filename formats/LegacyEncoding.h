// Text that is not UTF-8: what spreadsheets and editors on Windows save, in the code page
// of the system's language. uchardet tells the encoding and ICU's converters decode it.
#pragma once

#include <QByteArray>
#include <QString>

namespace formats {

// The text of `bytes` in the most plausible of the code pages that may have written it: the
// locale's, Windows-1252, those of Europe's scripts, and the encoding that uchardet tells.
// Fills `problem` when none reads every byte as a character of text, or none is plausible.
QString decodeLegacyText(const QByteArray& bytes, QString& problem);

} // namespace formats
