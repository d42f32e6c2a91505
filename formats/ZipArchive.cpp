#include "ZipArchive.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>
#include <zip.h>

namespace formats {

namespace {

// Text and databases pack to a tenth of their size or so; only a crafted member (a zip
// bomb) packs a hundred times smaller. Small members may pack that well honestly.
constexpr qint64 kMaxRatio = 100;
constexpr qint64 kRatioCheckedFrom = 1024 * 1024;

struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

QString damaged(const char* name, const char* why)
{
    return QCoreApplication::translate("formats",
                                       "its part \"%1\" is damaged and cannot be unpacked (%2).")
        .arg(QString::fromUtf8(name), QString::fromUtf8(why));
}

// A member that, nothing being extracted, could only mislead when it is read as `name`:
// "../name", "a/../../name".
bool leadsOutside(QByteArrayView member, QByteArrayView name)
{
    return member.size() > name.size() && member.endsWith(name) &&
           (member[member.size() - name.size() - 1] == '/' ||
            member[member.size() - name.size() - 1] == '\\') &&
           (member.contains("../") || member.contains("..\\"));
}

// A little-endian field of a zip header.
quint32 field(QByteArrayView header, qsizetype offset, int width)
{
    quint32 value = 0;
    for (int i = width; i-- > 0;)
        value = value << 8 | static_cast<uchar>(header[offset + i]);
    return value;
}

// The package's central directory with only the members named `names`, or named so after a
// folder, and an end record that points to it, to be read in place of the package's own at
// `start`: libzip converts the time of every member when it opens a package, and a deck keeps
// each of its media in a member. Empty when the directory is not plain (a ZIP64 one, a
// damaged one), which libzip then reads whole.
QByteArray directoryOf(QByteArrayView bytes, std::initializer_list<std::string_view> names,
                       qsizetype& start)
{
    constexpr qsizetype kEndSize = 22;
    constexpr qsizetype kEntrySize = 46;
    // The end record closes the package, after a comment of at most 64 KiB.
    const qsizetype tail = std::min(bytes.size(), kEndSize + 0xFFFF);
    qsizetype end = bytes.last(tail).lastIndexOf("PK\x05\x06");
    end += end < 0 ? 0 : bytes.size() - tail;
    if (end < 0 || end + kEndSize > bytes.size() ||
        end + kEndSize + field(bytes, end + 20, 2) != bytes.size() || field(bytes, end + 4, 4) ||
        field(bytes, end + 8, 2) != field(bytes, end + 10, 2) ||
        field(bytes, end + 10, 2) == 0xFFFF)
        return {};
    const qsizetype count = field(bytes, end + 10, 2);
    start = field(bytes, end + 16, 4);
    const qsizetype directoryEnd = start + field(bytes, end + 12, 4);
    if (start == 0 || directoryEnd > end)
        return {};
    QByteArray kept;
    int keptCount = 0;
    qsizetype entry = start;
    for (qsizetype i = 0; i < count; ++i) {
        if (entry + kEntrySize > directoryEnd || !bytes.sliced(entry).startsWith("PK\x01\x02"))
            return {};
        const qsizetype nameSize = field(bytes, entry + 28, 2);
        const qsizetype size =
            kEntrySize + nameSize + field(bytes, entry + 30, 2) + field(bytes, entry + 32, 2);
        if (entry + size > directoryEnd || field(bytes, entry + 42, 4) >= quint32(start))
            return {};
        const std::string_view name(bytes.data() + entry + kEntrySize, size_t(nameSize));
        if (std::ranges::any_of(names, [name](std::string_view wanted) {
                return name.ends_with(wanted) && (name.size() == wanted.size() ||
                                                  name[name.size() - wanted.size() - 1] == '/' ||
                                                  name[name.size() - wanted.size() - 1] == '\\');
            })) {
            kept += bytes.sliced(entry, size);
            ++keptCount;
        }
        entry += size;
    }
    if (entry != directoryEnd)
        return {};
    QByteArray record = bytes.sliced(end, kEndSize).toByteArray();
    const quint32 values[][3] = {{8, 2, quint32(keptCount)},
                                 {10, 2, quint32(keptCount)},
                                 {12, 4, quint32(kept.size())},
                                 {20, 2, 0}};
    for (const auto& [offset, width, value] : values) {
        for (quint32 i = 0; i < width; ++i)
            record[offset + i] = static_cast<char>(value >> (8 * i));
    }
    return kept + record;
}

} // namespace

ZipArchive::ZipArchive(const QByteArray& bytes, std::initializer_list<std::string_view> only)
{
    zip_error_t error;
    zip_error_init(&error);
    qsizetype directoryStart = 0;
    if (only.size() > 0)
        m_directory = directoryOf(bytes, only, directoryStart);
    // libzip only reads the fragments.
    const zip_buffer_fragment_t fragments[] = {
        {reinterpret_cast<zip_uint8_t*>(const_cast<char*>(bytes.constData())),
         static_cast<zip_uint64_t>(directoryStart)},
        {reinterpret_cast<zip_uint8_t*>(m_directory.data()),
         static_cast<zip_uint64_t>(m_directory.size())}};
    zip_source_t* source =
        m_directory.isEmpty()
            ? zip_source_buffer_create(bytes.constData(), static_cast<zip_uint64_t>(bytes.size()),
                                       0, &error)
            : zip_source_buffer_fragment_create(fragments, 2, 0, &error);
    if (source)
        m_zip = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!m_zip) {
        zip_source_free(source);
        if (zip_error_code_zip(&error) == ZIP_ER_NOZIP && !bytes.startsWith("PK\x03\x04"))
            m_problem = QCoreApplication::translate(
                "formats", "it is not a zip package, as decks and spreadsheets are.");
        else
            m_problem = QCoreApplication::translate(
                "formats", "it is cut short or damaged: its zip directory cannot "
                           "be read.");
    }
    zip_error_fini(&error);
}

ZipArchive::ZipArchive(const QString& path)
{
    int error = 0;
    m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!m_zip)
        m_problem =
            error == ZIP_ER_NOZIP
                ? QCoreApplication::translate("formats", "it is not a zip package.")
                : QCoreApplication::translate("formats", "it cannot be opened as a zip package.");
}

ZipArchive::~ZipArchive()
{
    if (m_zip)
        zip_discard(m_zip);
}

bool ZipArchive::contains(const char* name) const
{
    if (!m_zip)
        return false;
    if (zip_name_locate(m_zip, name, ZIP_FL_ENC_RAW) >= 0)
        return true;
    const zip_int64_t count = zip_get_num_entries(m_zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* member = zip_get_name(m_zip, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
        if (member && leadsOutside(member, name))
            return true;
    }
    return false;
}

QString ZipArchive::read(const char* name, QByteArray& content, qint64 maxSize) const
{
    content.clear();
    const QString part = QString::fromUtf8(name);
    const zip_int64_t index = m_zip ? zip_name_locate(m_zip, name, ZIP_FL_ENC_RAW) : -1;
    if (index < 0) {
        return contains(name)
                   ? QCoreApplication::translate(
                         "formats", "its part \"%1\" names a place outside the package.")
                         .arg(part)
                   : QCoreApplication::translate("formats", "its part \"%1\" is missing.")
                         .arg(part);
    }
    zip_stat_t stat;
    if (zip_stat_index(m_zip, static_cast<zip_uint64_t>(index), 0, &stat) != 0)
        return damaged(name, zip_strerror(m_zip));
    if (stat.encryption_method != ZIP_EM_NONE)
        return QCoreApplication::translate(
                   "formats", "its part \"%1\" is encrypted. Save it without a password and "
                              "open it again.")
            .arg(part);
    if (!zip_compression_method_supported(stat.comp_method, 0))
        return QCoreApplication::translate(
                   "formats", "its part \"%1\" is packed in a way this program cannot unpack.")
            .arg(part);
    // Sizes that do not fit a qint64 are far beyond the largest allowed.
    QString sizeProblem = unpackedSizeProblem(
        part, static_cast<qint64>(std::min<zip_uint64_t>(stat.size, INT64_MAX)),
        static_cast<qint64>(std::min<zip_uint64_t>(stat.comp_size, INT64_MAX)), maxSize);
    if (!sizeProblem.isEmpty())
        return sizeProblem;

    const std::unique_ptr<zip_file_t, FileCloser> file(
        zip_fopen_index(m_zip, static_cast<zip_uint64_t>(index), 0));
    if (!file)
        return damaged(name, zip_strerror(m_zip));
    // One byte more than declared tells a member that is larger than its directory says.
    const qsizetype wanted = static_cast<qsizetype>(stat.size) + 1;
    content.resize(wanted);
    qsizetype total = 0;
    while (total < wanted) {
        const zip_int64_t n = zip_fread(file.get(), content.data() + total,
                                        static_cast<zip_uint64_t>(wanted - total));
        if (n < 0) {
            content.clear();
            return damaged(name, zip_file_strerror(file.get()));
        }
        if (n == 0)
            break;
        total += static_cast<qsizetype>(n);
    }
    if (total != wanted - 1) {
        content.clear();
        return total == wanted
                   ? QCoreApplication::translate("formats",
                                                 "its part \"%1\" is larger than the package "
                                                 "says; the file is damaged.")
                         .arg(part)
                   : damaged(name, "it ends early");
    }
    content.resize(total);
    return {};
}

qint64 ZipArchive::maxUnpackedSize(qint64 packed)
{
    return std::min(kMaxMemberSize,
                    std::max(kRatioCheckedFrom - 1, std::min(packed, kMaxMemberSize) * kMaxRatio));
}

QString ZipArchive::unpackedSizeProblem(const QString& part, qint64 unpacked, qint64 packed,
                                        qint64 maxSize)
{
    if (unpacked > maxSize)
        return QCoreApplication::translate(
                   "formats", "its part \"%1\" would unpack to over %2 MB, far too large for a "
                              "word list.")
            .arg(part)
            .arg(maxSize / (1024 * 1024));
    if (unpacked > maxUnpackedSize(packed))
        return QCoreApplication::translate(
                   "formats", "its part \"%1\" would unpack to over %2 times its packed size, "
                              "as only a zip bomb does.")
            .arg(part)
            .arg(kMaxRatio);
    return {};
}

} // namespace formats
