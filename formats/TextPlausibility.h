// How plausible a decoding of a legacy text is as words: letters of one script and of one
// or two alphabets, in one case after a word's first letter, and few symbols among them. A
// code page that is not the file's decodes its letters as symbols, as letters of another
// script, case or alphabet, or as rare letters.
#pragma once

#include <QStringView>

namespace formats {

// 0 for text that raises no doubt, less the more it does.
int textPlausibility(QStringView text);

} // namespace formats
