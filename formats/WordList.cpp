#include "WordList.h"

#include "DelimitedReader.h"
#include "KvtmlReader.h"
#include "LegacyEncoding.h"
#include "LinePairsReader.h"
#include "WordListReading.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>
#include <exception>
#include <new>
#include <utility>

namespace formats {

namespace {

// Reads take at least this much: the rest of a list of some thousand entries at once.
constexpr qsizetype kMinimumRead = 2 * 1024 * 1024;

// The text of a file that is not XML: a dictionary's UTF-16LE, UTF-8 with or without a
// byte-order mark, or UTF-16 with one; a spreadsheet's export also in the code page that
// Windows saves it in. Fills `problem` when the bytes are not such text.
QString decodeText(const QByteArray& bytes, FileKind kind, QString& problem)
{
    QStringConverter::Encoding encoding = QStringConverter::Utf8;
    if (kind == FileKind::Dictionary || bytes.startsWith("\xFF\xFE"))
        encoding = QStringConverter::Utf16LE;
    else if (bytes.startsWith("\xFE\xFF"))
        encoding = QStringConverter::Utf16BE;
    // Zero bytes are what tells a binary file (an image, a program) from text.
    if (encoding == QStringConverter::Utf8 && bytes.contains('\0')) {
        problem = QCoreApplication::translate("formats",
                                              "it holds zero bytes, so it is not a text file.");
        return {};
    }
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    const bool delimited = kind == FileKind::TabSeparated || kind == FileKind::CommaSeparated;
    if (decoder.hasError() && encoding == QStringConverter::Utf8 && delimited &&
        !bytes.startsWith("\xEF\xBB\xBF"))
        return decodeLegacyText(bytes, problem);
    if (decoder.hasError()) {
        problem = encoding == QStringConverter::Utf8
                      ? QCoreApplication::translate(
                            "formats", "it is not UTF-8 text. Save it as UTF-8 (Unicode) text "
                                       "and open it again.")
                      : QCoreApplication::translate("formats", "it is not valid UTF-16 text.");
        return {};
    }
    if (text.contains(QChar(0))) {
        problem = QCoreApplication::translate("formats",
                                              "it holds zero bytes, so it is not a text file.");
        return {};
    }
    return text;
}

// Why a file of this kind is no word list, or an empty string for the kinds that are read.
QString refusalOf(FileKind kind)
{
    switch (kind) {
    case FileKind::Empty:
        return QCoreApplication::translate("formats", "the file is empty.");
    case FileKind::NotAFile:
        return QCoreApplication::translate("formats", "it is not a file but a device.");
    case FileKind::WordProcessorDocument:
        return QCoreApplication::translate(
            "formats", "it is a word-processor document: save it as plain text (UTF-8).");
    case FileKind::OfficeDocument:
        return QCoreApplication::translate("formats",
                                           "it is an Office 97-2003 document, not a word list.");
    case FileKind::ZipArchive:
        return QCoreApplication::translate("formats", "it is a zip archive, not a word list.");
    case FileKind::PdfDocument:
        return QCoreApplication::translate("formats", "it is a PDF document, not a word list.");
    case FileKind::PngImage:
        return QCoreApplication::translate("formats", "it is a PNG image, not a word list.");
    case FileKind::JpegImage:
        return QCoreApplication::translate("formats", "it is a JPEG image, not a word list.");
    case FileKind::GifImage:
        return QCoreApplication::translate("formats", "it is a GIF image, not a word list.");
    case FileKind::WebPImage:
        return QCoreApplication::translate("formats", "it is a WebP image, not a word list.");
    case FileKind::Program:
        return QCoreApplication::translate("formats", "it is a program, not a word list.");
    case FileKind::SqliteDatabase:
        return QCoreApplication::translate("formats", "it is an SQLite database, not a word list.");
    case FileKind::GzipFile:
        return QCoreApplication::translate("formats",
                                           "it is a gzip-compressed file, not a word list.");
    case FileKind::Bzip2File:
        return QCoreApplication::translate("formats",
                                           "it is a bzip2-compressed file, not a word list.");
    case FileKind::XzFile:
        return QCoreApplication::translate("formats",
                                           "it is an xz-compressed file, not a word list.");
    case FileKind::ZstdFile:
        return QCoreApplication::translate("formats",
                                           "it is a zstd-compressed file, not a word list.");
    case FileKind::SevenZipArchive:
        return QCoreApplication::translate("formats", "it is a 7z archive, not a word list.");
    case FileKind::RarArchive:
        return QCoreApplication::translate("formats", "it is a RAR archive, not a word list.");
    default:
        return {};
    }
}

// The whole file: the first block, then what `readMore` gives, up to one byte past the
// limit. A device's size says nothing, so the bytes read are what count.
QString readWhole(std::string_view firstBlock, const ReadMore& readMore, qint64 limit,
                  QByteArray& bytes)
{
    bytes = QByteArray(firstBlock.data(), static_cast<qsizetype>(firstBlock.size()));
    for (;;) {
        if (bytes.size() > limit)
            return QCoreApplication::translate("formats",
                                               "it is over %1 MB, far too large for a word list.")
                .arg(limit / (1024 * 1024));
        const qsizetype before = bytes.size();
        // Each read as large as all before it, and the rest of a common list in one.
        const qsizetype wanted = std::min(std::max(before, kMinimumRead), limit + 1 - before);
        bytes.resize(before + wanted);
        const std::size_t got = readMore(bytes.data() + before, static_cast<std::size_t>(wanted));
        bytes.resize(before + static_cast<qsizetype>(got));
        if (got == 0)
            return {};
    }
}

QString readText(FileKind kind, QByteArray& bytes, EntryCollector& entries)
{
    using Kind = DelimitedReader::Kind;
    QString problem;
    switch (kind) {
    case FileKind::Kvtml:
        return KvtmlReader(std::move(bytes)).read(entries);
    case FileKind::TabSeparated:
    case FileKind::CommaSeparated: {
        const QString text = decodeText(bytes, kind, problem);
        if (!problem.isEmpty())
            return problem;
        return DelimitedReader(text, kind == FileKind::TabSeparated ? Kind::TabSeparated
                                                                    : Kind::CommaSeparated)
            .read(entries);
    }
    default: {
        const QString text = decodeText(bytes, kind, problem);
        if (problem.isEmpty())
            LinePairsReader(text).read(entries);
        return problem;
    }
    }
}

// What `read` gives, or why it failed where a reader or a thread of its threw: the learner
// is told, and the window goes on.
QString readCatching(ReadEntries read, FileKind kind, QByteArray& bytes, EntryCollector& entries)
{
    try {
        return read(kind, bytes, entries);
    } catch (const std::bad_alloc&) {
        return QCoreApplication::translate("formats", "there is not enough memory to read it.");
    } catch (const std::exception& error) {
        return QCoreApplication::translate("formats", "reading it failed (%1).").arg(QString::fromLocal8Bit(error.what()));
    }
}

} // namespace

WordList readWordListWith(FileKind kind, std::string_view firstBlock, const ReadMore& readMore,
                          std::size_t maxEntries, qint64 maxFileSize, ReadEntries read)
{
    WordList list;
    EntryCollector entries(list, maxEntries);
    QString problem = refusalOf(kind);
    if (problem.isEmpty()) {
        QByteArray bytes;
        problem = readWhole(firstBlock, readMore, maxFileSize, bytes);
        if (problem.isEmpty())
            problem = readCatching(read, kind, bytes, entries);
    }
    if (!list.recordings.empty())
        list.recordings.resize(list.entries.size());
    if (problem.isEmpty() && list.entries.empty())
        problem = QCoreApplication::translate(
            "formats", "it holds no words. Each entry needs a word and its meaning.");
    if (!problem.isEmpty()) {
        list = WordList();
        list.problem = problem.toStdU16String();
    }
    return list;
}

WordList readWordList(FileKind kind, std::string_view firstBlock, const ReadMore& readMore,
                      std::size_t maxEntries)
{
    return readWordListWith(kind, firstBlock, readMore, maxEntries, kMaxFileSize, readText);
}

} // namespace formats
