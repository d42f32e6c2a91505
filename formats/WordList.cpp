#include "WordList.h"

#include "DelimitedReader.h"
#include "KvtmlReader.h"
#include "LinePairsReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace formats {

namespace {

// Far beyond any word list: 5200 entries of the longest words and meanings take a third
// of it. A larger file is refused before it is read into memory.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

enum class Extension { Other, Text, TabSeparated, CommaSeparated, Kvtml };

Extension extensionOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"txt")
        return Extension::Text;
    if (suffix == u"tsv")
        return Extension::TabSeparated;
    if (suffix == u"csv")
        return Extension::CommaSeparated;
    if (suffix == u"kvtml")
        return Extension::Kvtml;
    return Extension::Other;
}

QString toQString(const std::u16string& s)
{
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

// XML starts with "<" after an optional byte-order mark and white space, in UTF-8 or
// UTF-16 of either order; QXmlStreamReader then finds the encoding itself.
bool looksLikeXml(const QByteArray& bytes)
{
    QByteArrayView start(bytes);
    if (start.startsWith("\xEF\xBB\xBF"))
        start = start.sliced(3);
    else if (start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF"))
        start = start.sliced(2);
    for (char c : start) {
        if (c == '<')
            return true;
        // The zero bytes of UTF-16 and the white space before the first tag.
        if (c != '\0' && c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    }
    return false;
}

// The text of a file that is not XML: UTF-8 with or without a byte-order mark, or UTF-16
// with one. Fills `problem` when the bytes are not such text.
QString decodeText(const QByteArray& bytes, QString& problem)
{
    QStringConverter::Encoding encoding = QStringConverter::Utf8;
    if (bytes.startsWith("\xFE\xFF"))
        encoding = QStringConverter::Utf16BE;
    else if (bytes.startsWith("\xFF\xFE"))
        encoding = QStringConverter::Utf16LE;
    // Zero bytes are what tells a binary file (an image, a program) from text.
    if (encoding == QStringConverter::Utf8 && bytes.contains('\0')) {
        problem = QStringLiteral("it holds zero bytes, so it is not a text file.");
        return {};
    }
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError()) {
        problem = encoding == QStringConverter::Utf8
                      ? QStringLiteral("it is not UTF-8 text. Save it as UTF-8 (Unicode) text "
                                       "and open it again.")
                      : QStringLiteral("it is not valid UTF-16 text.");
        return {};
    }
    if (text.contains(QChar(0))) {
        problem = QStringLiteral("it holds zero bytes, so it is not a text file.");
        return {};
    }
    return text;
}

// Anki's plain-text export starts with header lines such as "#separator:tab".
bool hasAnkiHeader(QStringView text)
{
    static constexpr QStringView headers[] = {u"#separator:",  u"#html:", u"#columns:",
                                              u"#notetype",    u"#deck",  u"#tags",
                                              u"#guid column:"};
    return std::ranges::any_of(headers,
                               [text](QStringView header) { return text.startsWith(header); });
}

// Whether the first line that is neither blank nor a ";" remark holds a tab.
bool firstContentLineHasTab(QStringView text)
{
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        const QStringView line = text.sliced(pos, end - pos).trimmed();
        if (!line.isEmpty() && line.front() != u';')
            return line.contains(u'\t');
        pos = end + 1;
    }
    return false;
}

QString readText(QStringView text, Extension extension, EntryCollector& entries)
{
    using Kind = DelimitedReader::Kind;
    if (extension == Extension::CommaSeparated)
        return DelimitedReader(text, Kind::CommaSeparated).read(entries);
    if (extension == Extension::TabSeparated || hasAnkiHeader(text) || firstContentLineHasTab(text))
        return DelimitedReader(text, Kind::TabSeparated).read(entries);
    LinePairsReader(text).read(entries);
    return {};
}

QString readList(const QString& path, EntryCollector& entries)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("it cannot be opened (%1).").arg(file.errorString());
    if (file.size() > kMaxFileSize)
        return QStringLiteral("it is over %1 MB, far too large for a word list.")
            .arg(kMaxFileSize / (1024 * 1024));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("it cannot be read (%1).").arg(file.errorString());
    if (bytes.isEmpty())
        return QStringLiteral("the file is empty.");

    const Extension extension = extensionOf(path);
    if (looksLikeXml(bytes))
        return KvtmlReader(bytes).read(entries);
    if (extension == Extension::Kvtml)
        return QStringLiteral("it is not a KVTML file: KVTML word lists are XML.");
    QString problem;
    const QString text = decodeText(bytes, problem);
    if (!problem.isEmpty())
        return problem;
    return readText(text, extension, entries);
}

} // namespace

WordList readWordList(const std::u16string& path, std::size_t maxEntries)
{
    WordList list;
    EntryCollector entries(list.entries, maxEntries);
    QString problem = readList(toQString(path), entries);
    if (problem.isEmpty() && list.entries.empty())
        problem = QStringLiteral("it holds no words. Each entry needs a word and its meaning.");
    if (!problem.isEmpty()) {
        list.entries.clear();
        list.problem = problem.toStdU16String();
    }
    return list;
}

bool hasWordListExtension(const std::u16string& path)
{
    return extensionOf(toQString(path)) != Extension::Other;
}

} // namespace formats
