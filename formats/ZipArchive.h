// A zip package read from memory, as Anki decks and spreadsheets are: its members are
// unpacked into memory on demand, each within the limits a word list could ever need, and
// nothing is written anywhere.
#pragma once

#include <QByteArray>
#include <QString>

struct zip;

namespace formats {

class ZipArchive {
public:
    // `bytes` must outlive the archive.
    explicit ZipArchive(const QByteArray& bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Why the bytes are not a zip package that can be read, or an empty string.
    const QString& problem() const { return m_problem; }
    bool contains(const char* name) const;
    // Unpacks the member named `name` into `content`. Returns why it cannot be, or an
    // empty string.
    QString read(const char* name, QByteArray& content) const;

private:
    zip* m_zip = nullptr;
    QString m_problem;
};

} // namespace formats
