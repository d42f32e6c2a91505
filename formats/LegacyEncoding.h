// Text that is not UTF-8: what spreadsheets and editors on Windows save, in the code page
// of the system's language. uchardet tells the encoding and ICU's converters decode it.
#pragma once

#include <QByteArray>
#include <QString>

namespace formats {

// The text of `bytes` in the encoding that uchardet tells or, when it cannot tell, in the
// code page of the locale's language and then in Windows-1252. Fills `problem` when no
// encoding reads every byte as a character of text.
QString decodeLegacyText(const QByteArray& bytes, QString& problem);

} // namespace formats
