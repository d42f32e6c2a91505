// KVTML 2.0, the XML that KWordQuiz and Parley save: in each entry, translation 0 is the
// word and translation 1 its meaning; in a list of one language, translation 0's comment
// is the meaning.
#pragma once

#include "EntryCollector.h"

#include <QByteArray>
#include <QString>

namespace formats {

class KvtmlReader {
public:
    explicit KvtmlReader(const QByteArray& xml) : m_xml(xml) {}

    // Why the document cannot be read, or an empty string.
    QString read(EntryCollector& entries);

private:
    const QByteArray& m_xml;
};

} // namespace formats
