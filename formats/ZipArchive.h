// A zip package read from memory, as Anki decks and spreadsheets are: its members are
// unpacked into memory on demand, each within the limits a word list could ever need, and
// nothing is written anywhere.
#pragma once

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <string_view>

struct zip;

namespace formats {

class ZipArchive {
public:
    // Far beyond any word list, deck or spreadsheet part.
    static constexpr qint64 kMaxMemberSize = 256 * 1024 * 1024;

    // `bytes` must outlive the archive. Given `only`, the archive holds only the members of
    // those names, and those so named after a folder, which a package with many members
    // opens far faster with.
    explicit ZipArchive(const QByteArray& bytes, std::initializer_list<std::string_view> only = {});
    // The package in the file at `path`: only its directory is read here, and each member
    // when it is asked for.
    explicit ZipArchive(const QString& path);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Why the bytes are not a zip package that can be read, or an empty string.
    const QString& problem() const { return m_problem; }
    bool contains(const char* name) const;
    // Unpacks the member named `name` into `content`, when it unpacks to at most
    // `maxSize` bytes. Returns why it cannot be, or an empty string.
    QString read(const char* name, QByteArray& content, qint64 maxSize = kMaxMemberSize) const;

    // The most that `packed` bytes may unpack to, in a member or in a stream within one.
    static qint64 maxUnpackedSize(qint64 packed);
    // Why unpacking `packed` bytes of the part named `part` to `unpacked` bytes is
    // refused, or an empty string.
    static QString unpackedSizeProblem(const QString& part, qint64 unpacked, qint64 packed,
                                       qint64 maxSize = kMaxMemberSize);

private:
    zip* m_zip = nullptr;
    QString m_problem;
    // The central directory read in place of the package's own, when `only` is given.
    QByteArray m_directory;
};

} // namespace formats
