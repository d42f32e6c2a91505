// An OpenDocument spreadsheet (.ods), as LibreOffice and Google Sheets save it: the first
// table's first two columns are word and meaning, one entry a row; a first row that names
// the columns is their heading.
#pragma once

#include "EntryCollector.h"

#include <QByteArray>
#include <QString>

namespace formats {

class OdsReader {
public:
    explicit OdsReader(const QByteArray& bytes) : m_bytes(bytes) {}

    // Why the spreadsheet cannot be read, or an empty string.
    QString read(EntryCollector& entries);

private:
    const QByteArray& m_bytes;
};

} // namespace formats
