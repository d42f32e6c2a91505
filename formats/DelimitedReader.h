// One entry a record, its fields split by a separator: tab-separated text (with the
// headers that Anki writes at the top of its plain-text export) and CSV (with the title
// and author lines that KWordQuiz writes at the top of its own). A first record that
// names the columns is their heading.
#pragma once

#include "EntryCollector.h"

#include <QList>
#include <QString>
#include <list>

namespace formats {

class DelimitedReader {
public:
    enum class Kind { TabSeparated, CommaSeparated };

    DelimitedReader(QStringView text, Kind kind);

    // Why the records cannot be read, or an empty string.
    QString read(EntryCollector& entries);

    // Whether the text's first line is one of the headers that Anki writes at the top of
    // its plain-text export.
    static bool startsWithAnkiHeader(QStringView text);

private:
    void readHeaders();
    void applyHeader(QStringView key, QStringView value);
    void readTitleAndAuthor();
    void skipLine(QStringView line);
    QChar guessSeparator() const;
    void applyColumnNames(EntryCollector& entries) const;
    // The fields of the next record; false at the end of the text or on an unclosed quote.
    bool nextRecord(QList<QStringView>& fields);
    QStringView nextField(bool& endOfRecord);
    int lineNumberAt(qsizetype pos) const;

    QStringView m_text;
    qsizetype m_pos = 0;
    QChar m_separator;
    bool m_html = false;
    // Columns that hold Anki's note data rather than the word or its meaning (0-based).
    QList<int> m_noteColumns;
    // Anki's names of the columns, split by the separator.
    QStringView m_columnNames;
    bool m_hasColumnNames = false;
    QStringView m_title;
    QStringView m_author;
    qsizetype m_unclosedQuote = -1;
    // The fields of the current record that are not a stretch of the text as it stands
    // (a quoted field with doubled quotes); the record's views point into them.
    std::list<QString> m_decodedFields; // where the field without its closing quote starts
};

} // namespace formats
