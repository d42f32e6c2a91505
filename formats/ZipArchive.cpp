#include "ZipArchive.h"

#include <QByteArrayView>
#include <QFile>
#include <algorithm>
#include <cstdint>
#include <memory>
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
    return QStringLiteral("its part \"%1\" is damaged and cannot be unpacked (%2).")
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

} // namespace

ZipArchive::ZipArchive(const QByteArray& bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(
        bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &error);
    if (source)
        m_zip = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!m_zip) {
        zip_source_free(source);
        if (zip_error_code_zip(&error) == ZIP_ER_NOZIP && !bytes.startsWith("PK\x03\x04"))
            m_problem = QStringLiteral("it is not a zip package, as decks and spreadsheets are.");
        else
            m_problem = QStringLiteral("it is cut short or damaged: its zip directory cannot "
                                       "be read.");
    }
    zip_error_fini(&error);
}

ZipArchive::ZipArchive(const QString& path)
{
    int error = 0;
    m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!m_zip)
        m_problem = error == ZIP_ER_NOZIP ? QStringLiteral("it is not a zip package.")
                                          : QStringLiteral("it cannot be opened as a zip package.");
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
                   ? QStringLiteral("its part \"%1\" names a place outside the package.").arg(part)
                   : QStringLiteral("its part \"%1\" is missing.").arg(part);
    }
    zip_stat_t stat;
    if (zip_stat_index(m_zip, static_cast<zip_uint64_t>(index), 0, &stat) != 0)
        return damaged(name, zip_strerror(m_zip));
    if (stat.encryption_method != ZIP_EM_NONE)
        return QStringLiteral("its part \"%1\" is encrypted. Save it without a password and "
                              "open it again.")
            .arg(part);
    if (!zip_compression_method_supported(stat.comp_method, 0))
        return QStringLiteral("its part \"%1\" is packed in a way this program cannot unpack.")
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
        return total == wanted ? QStringLiteral("its part \"%1\" is larger than the package "
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
        return QStringLiteral("its part \"%1\" would unpack to over %2 MB, far too large for a "
                              "word list.")
            .arg(part)
            .arg(maxSize / (1024 * 1024));
    if (unpacked > maxUnpackedSize(packed))
        return QStringLiteral("its part \"%1\" would unpack to over %2 times its packed size, "
                              "as only a zip bomb does.")
            .arg(part)
            .arg(kMaxRatio);
    return {};
}

} // namespace formats
