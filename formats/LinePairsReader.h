// Text in the dictionary's own layout: a word line, then its meaning line; blank lines and
// lines that begin with ";" stand anywhere and are skipped.
#pragma once

#include "EntryCollector.h"

namespace formats {

class LinePairsReader {
public:
    explicit LinePairsReader(QStringView text) : m_text(text) {}

    void read(EntryCollector& entries);

private:
    // The next line with its trailing white space trimmed; false at the end of the text.
    bool nextLine(QStringView& line);

    QStringView m_text;
    qsizetype m_pos = 0;
};

} // namespace formats
