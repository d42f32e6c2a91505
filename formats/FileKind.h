// What a file is, told from its first block and its name: a dictionary, another program's
// word list, or something that is no word list at all.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace formats {

enum class FileKind {
    // UTF-16LE text, read line by line as the handheld read it.
    Dictionary,
    // Word and meaning lines in UTF-8, or UTF-16 with a byte-order mark.
    Text,
    TabSeparated,
    CommaSeparated,
    Kvtml,
    AnkiDeck,
    Xlsx,
    Ods,
    // An empty file whose name promises a word list of another program.
    Empty,
    // A device or a pipe: its content never ends or is not a file's.
    NotAFile,
    WordProcessorDocument,
    OfficeDocument,
    ZipArchive,
    PdfDocument,
    PngImage,
    JpegImage,
    GifImage,
    WebPImage,
    Program,
    SqliteDatabase,
    GzipFile,
    Bzip2File,
    XzFile,
    ZstdFile,
    SevenZipArchive,
    RarArchive,
};

// The bytes that decide: a file's first read, at most this many.
inline constexpr std::size_t kFirstBlockSize = 64 * 1024;

// What the file at `path` is, from the bytes it starts with (its first block, or all of a
// shorter file), its name, and whether the path leads to a regular file.
FileKind fileKind(std::string_view firstBlock, const std::u16string& path);

// Whether a list of this kind comes as a zip package: a deck or a spreadsheet.
constexpr bool isPackage(FileKind kind)
{
    return kind == FileKind::AnkiDeck || kind == FileKind::Xlsx || kind == FileKind::Ods;
}

} // namespace formats
