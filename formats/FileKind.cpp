#include "FileKind.h"

#include "DelimitedReader.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace formats {

namespace {

enum class Extension {
    Other,
    Dictionary,
    Text,
    TabSeparated,
    CommaSeparated,
    Kvtml,
    Apkg,
    Xlsx,
    Ods,
    WordProcessor
};

Extension extensionOf(const QString& path)
{
    static const struct {
        QStringView suffix;
        Extension extension = Extension::Other;
    } suffixes[] = {{u"dic", Extension::Dictionary},     {u"txt", Extension::Text},
                    {u"tsv", Extension::TabSeparated},   {u"csv", Extension::CommaSeparated},
                    {u"kvtml", Extension::Kvtml},        {u"apkg", Extension::Apkg},
                    {u"xlsx", Extension::Xlsx},          {u"ods", Extension::Ods},
                    {u"docx", Extension::WordProcessor}, {u"doc", Extension::WordProcessor},
                    {u"odt", Extension::WordProcessor}};
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const auto& known : suffixes) {
        if (suffix == known.suffix)
            return known.extension;
    }
    return Extension::Other;
}

// The first bytes of the binary formats that a learner may pick by mistake. None is the
// start of text: each holds a control byte or a byte that is no text's first.
FileKind signatureKind(std::string_view bytes)
{
    static const struct {
        std::string_view signature;
        FileKind kind = FileKind::Text;
    } signatures[] = {
        {std::string_view("PK\x03\x04", 4), FileKind::ZipArchive},
        {std::string_view("PK\x05\x06", 4), FileKind::ZipArchive},
        {std::string_view("PK\x07\x08", 4), FileKind::ZipArchive},
        {"%PDF-", FileKind::PdfDocument},
        {"\x89PNG\r\n\x1a\n", FileKind::PngImage},
        {"\xFF\xD8\xFF", FileKind::JpegImage},
        {"GIF87a", FileKind::GifImage},
        {"GIF89a", FileKind::GifImage},
        {"\x7F"
         "ELF",
         FileKind::Program},
        {std::string_view("SQLite format 3\0", 16), FileKind::SqliteDatabase},
        {"\x1F\x8B", FileKind::GzipFile},
        {std::string_view("\xFD"
                          "7zXZ\0",
                          6),
         FileKind::XzFile},
        {"\x28\xB5\x2F\xFD", FileKind::ZstdFile},
        {"7z\xBC\xAF\x27\x1C", FileKind::SevenZipArchive},
        {"Rar!\x1A\x07", FileKind::RarArchive},
        {"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", FileKind::OfficeDocument},
    };
    for (const auto& known : signatures) {
        if (bytes.starts_with(known.signature))
            return known.kind;
    }
    // "RIFF", the size, then the kind of RIFF file.
    if (bytes.starts_with("RIFF") && bytes.size() >= 12 && bytes.substr(8, 4) == "WEBP")
        return FileKind::WebPImage;
    // "BZh", the block size digit, then the magic of the first block (the digits of pi,
    // which read "1AY&SY") or of the end.
    if (bytes.size() >= 10 && bytes.starts_with("BZh") && bytes[3] >= '1' && bytes[3] <= '9' &&
        (bytes.substr(4, 6) == "1AY&SY" || bytes.substr(4, 6) == "\x17\x72\x45\x38\x50\x90"))
        return FileKind::Bzip2File;
    return FileKind::Text;
}

// A zip is told by its name, or by the members that its first block names: an OpenDocument
// package starts with its "mimetype" member, and the others name their main parts early.
FileKind zipKind(std::string_view bytes, Extension extension)
{
    switch (extension) {
    case Extension::Apkg:
        return FileKind::AnkiDeck;
    case Extension::Xlsx:
        return FileKind::Xlsx;
    case Extension::Ods:
        return FileKind::Ods;
    case Extension::WordProcessor:
        return FileKind::WordProcessorDocument;
    default:
        break;
    }
    constexpr std::string_view odfMimeType = "mimetypeapplication/vnd.oasis.opendocument.";
    if (bytes.size() > 30 && bytes.substr(30).starts_with(odfMimeType)) {
        const std::string_view type = bytes.substr(30 + odfMimeType.size());
        if (type.starts_with("spreadsheet"))
            return FileKind::Ods;
        if (type.starts_with("text"))
            return FileKind::WordProcessorDocument;
    }
    if (bytes.find("collection.anki2") != std::string_view::npos)
        return FileKind::AnkiDeck;
    if (bytes.find("xl/workbook.xml") != std::string_view::npos)
        return FileKind::Xlsx;
    if (bytes.find("word/document.xml") != std::string_view::npos)
        return FileKind::WordProcessorDocument;
    return FileKind::ZipArchive;
}

// Whether the bytes hold an LF unit: 0A 00 at an even offset.
bool hasUtf16LineFeed(std::string_view bytes)
{
    for (size_t at = bytes.find('\x0A'); at != std::string_view::npos;
         at = bytes.find('\x0A', at + 1)) {
        if (at % 2 == 0 && at + 1 < bytes.size() && bytes[at + 1] == 0)
            return true;
    }
    return false;
}

// Whether the start of the file can be UTF-16LE text: it starts with the UTF-16LE mark, or
// no mark at all and it has a UTF-16LE line feed or, short of one, the zero high bytes of
// UTF-16LE and no 8-bit line end.
bool looksLikeUtf16LE(std::string_view bytes)
{
    if (bytes.starts_with("\xFF\xFE"))
        return true;
    if (bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFE\xFF"))
        return false;
    if (hasUtf16LineFeed(bytes.substr(0, bytes.size() & ~size_t{1})))
        return true;
    // No UTF-16LE line feed: one line of UTF-16LE, 8-bit text or a binary file. CR LF bytes
    // end the lines of 8-bit text, and 8-bit text has no zero bytes but by mistake, while
    // the letters and spaces of Latin text in UTF-16LE have plenty, at odd offsets only. A
    // line of other scripts can hold 0x0A bytes, but any space or Latin letter in it
    // brings zero bytes.
    if (bytes.find("\r\n") != std::string_view::npos)
        return false;
    size_t zeroBytes = 0;
    for (size_t at = bytes.find('\0'); at != std::string_view::npos;
         at = bytes.find('\0', at + 1)) {
        if (at % 2 == 0)
            return false;
        ++zeroBytes;
    }
    return zeroBytes > 0 && zeroBytes * 8 >= (bytes.size() & ~size_t{1}) / 2;
}

// XML starts with "<" after an optional byte-order mark and white space, in UTF-8 or
// UTF-16 of either order.
bool looksLikeXml(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        bytes.remove_prefix(2);
    for (char c : bytes) {
        if (c == '<')
            return true;
        // The zero bytes of UTF-16 and the white space before the first tag.
        if (c != '\0' && c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    }
    return false;
}

// The first line that is neither blank nor a ";" remark.
QStringView firstContentLine(QStringView text)
{
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        const QStringView line = text.sliced(pos, end - pos).trimmed();
        if (!line.isEmpty() && line.front() != u';')
            return line;
        pos = end + 1;
    }
    return {};
}

// The start of the text as far as the block holds it; a character cut at its end is lost.
QString decodedStart(std::string_view bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// UTF-16LE text is a dictionary whatever its name, but for the "Unicode Text" that
// spreadsheets save: a mark, then tab-separated records, named as text.
FileKind utf16LEKind(std::string_view bytes, Extension extension)
{
    const bool textName = extension == Extension::Text || extension == Extension::TabSeparated ||
                          extension == Extension::CommaSeparated;
    if (textName && bytes.starts_with("\xFF\xFE")) {
        const QString start = decodedStart(bytes, QStringConverter::Utf16LE);
        const QStringView line = firstContentLine(start);
        if (line.contains(u'\t'))
            return FileKind::TabSeparated;
        if (extension == Extension::CommaSeparated && (line.contains(u',') || line.contains(u';')))
            return FileKind::CommaSeparated;
    }
    // An XML document saved as UTF-16LE is a word list of another kind.
    const std::string_view text = bytes.starts_with("\xFF\xFE") ? bytes.substr(2) : bytes;
    if (extension != Extension::Dictionary &&
        text.starts_with(std::string_view("<\0?\0x\0m\0l\0", 10)))
        return FileKind::Kvtml;
    return FileKind::Dictionary;
}

FileKind textKind(std::string_view bytes, Extension extension)
{
    switch (extension) {
    case Extension::CommaSeparated:
        return FileKind::CommaSeparated;
    case Extension::TabSeparated:
        return FileKind::TabSeparated;
    default:
        break;
    }
    if (extension == Extension::Kvtml || looksLikeXml(bytes))
        return FileKind::Kvtml;
    const QString start = decodedStart(
        bytes, bytes.starts_with("\xFE\xFF") ? QStringConverter::Utf16BE : QStringConverter::Utf8);
    const QStringView text = QStringView(start).sliced(start.startsWith(QChar::ByteOrderMark));
    if (DelimitedReader::startsWithAnkiHeader(text) || firstContentLine(text).contains(u'\t'))
        return FileKind::TabSeparated;
    return FileKind::Text;
}

} // namespace

FileKind fileKind(std::string_view firstBlock, const std::u16string& path)
{
    const QString name = QString::fromUtf16(path.data(), static_cast<qsizetype>(path.size()));
    // Devices and pipes have no end, or an end that is not a file's.
    if (!QFileInfo(name).isFile())
        return FileKind::NotAFile;
    const Extension extension = extensionOf(name);
    if (firstBlock.empty()) {
        // An empty dictionary is a list of no entries; other lists say what they hold.
        return extension == Extension::Dictionary || extension == Extension::Other
                   ? FileKind::Dictionary
                   : FileKind::Empty;
    }
    const FileKind signature = signatureKind(firstBlock);
    if (signature == FileKind::ZipArchive)
        return zipKind(firstBlock, extension);
    if (signature == FileKind::OfficeDocument && extension == Extension::WordProcessor)
        return FileKind::WordProcessorDocument;
    // Excel keeps a workbook saved with a password in such a container; its reader says so.
    if (signature == FileKind::OfficeDocument && extension == Extension::Xlsx)
        return FileKind::Xlsx;
    if (signature != FileKind::Text)
        return signature;
    // Named as a package but no zip: its reader tells the learner so, as a KVTML name on
    // text that is no XML is told.
    if (extension == Extension::Apkg || extension == Extension::Xlsx || extension == Extension::Ods)
        return zipKind(firstBlock, extension);
    if (looksLikeUtf16LE(firstBlock))
        return utf16LEKind(firstBlock, extension);
    return textKind(firstBlock, extension);
}

} // namespace formats
