// KVTML 2.0, the XML that KWordQuiz and Parley save: in each entry, translation 0 is the
// word and translation 1 its meaning; in a list of one language, translation 0's comment
// is the meaning.
#pragma once

#include "EntryCollector.h"

#include <QByteArray>
#include <QString>
#include <utility>

namespace formats {

class KvtmlReader {
public:
    // The document is parsed in its own bytes, which the reading changes.
    explicit KvtmlReader(QByteArray xml) : m_xml(std::move(xml)) {}

    // Why the document cannot be read, or an empty string.
    QString read(EntryCollector& entries);

private:
    QByteArray m_xml;
};

} // namespace formats
