// An Excel workbook (.xlsx), as Excel and LibreOffice save it: the first worksheet's first
// two columns are word and meaning, one entry a row; a first row that names the columns
// is their heading.
#pragma once

#include "EntryCollector.h"

#include <QByteArray>
#include <QString>

namespace formats {

class XlsxReader {
public:
    explicit XlsxReader(const QByteArray& bytes) : m_bytes(bytes) {}

    // Why the workbook cannot be read, or an empty string.
    QString read(EntryCollector& entries);

private:
    const QByteArray& m_bytes;
};

} // namespace formats
