// One entry a record, its fields split by a separator: tab-separated text (with the
// headers that Anki writes at the top of its plain-text export) and CSV.
#pragma once

#include "EntryCollector.h"

#include <QList>
#include <QString>

namespace formats {

class DelimitedReader {
public:
    enum class Kind { TabSeparated, CommaSeparated };

    DelimitedReader(QStringView text, Kind kind);

    // Why the records cannot be read, or an empty string.
    QString read(EntryCollector& entries);

private:
    void readHeaders();
    void applyHeader(QStringView key, QStringView value);
    QChar guessSeparator() const;
    // The fields of the next record; false at the end of the text or on an unclosed quote.
    bool nextRecord(QList<QString>& fields);
    QString nextField(bool& endOfRecord);
    int lineNumberAt(qsizetype pos) const;

    QStringView m_text;
    qsizetype m_pos = 0;
    QChar m_separator;
    bool m_separatorGiven = false;
    bool m_html = false;
    // Columns that hold Anki's note data rather than the word or its meaning (0-based).
    QList<int> m_noteColumns;
    qsizetype m_unclosedQuote = -1; // where the field without its closing quote starts
};

} // namespace formats
