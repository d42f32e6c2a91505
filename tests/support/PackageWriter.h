// Zip packages built in memory with the libraries the readers use: Anki decks in each
// layout that Anki's versions export, and spreadsheets as Excel and LibreOffice save them.
#pragma once

#include <QByteArray>
#include <string>
#include <utility>
#include <vector>

struct ZipMember {
    std::string name;
    QByteArray bytes;
    bool deflated = true;
};

QByteArray zipPackage(const std::vector<ZipMember>& members);

// Sets a field of every member's local header, at `offset` and `width` bytes long, and the
// same field of its central directory entry, which sits two bytes further on.
void patchZipHeaders(QByteArray& zip, int offset, int width, quint32 value);

struct AnkiNote {
    // The fields as Anki keeps them, joined by 0x1F.
    std::string fields;
    bool cloze = false;
};

// The two notes' fields, word and meaning.
AnkiNote ankiNote(const std::string& word, const std::string& meaning);
// Eight Italian notes, the first ("casa") with the sound named `sound` after its word.
std::vector<AnkiNote> italianNotesWithSound(const std::string& sound);

enum class AnkiSchema {
    // Anki 2.0 and 2.1 before 2.1.50: note types as JSON in col.models.
    Legacy11,
    // Since 2.1.50: the notetypes table, whose name column uses Anki's collation, and
    // stale rows in fields for a note type that is gone.
    Current18,
};

// The collection's database file. A cloze note type and an ordinary one are defined.
QByteArray ankiCollection(AnkiSchema schema, const std::vector<AnkiNote>& notes);

// A database file made by the statements given.
QByteArray sqliteDatabase(const std::vector<std::string>& statements);

QByteArray zstdCompressed(const QByteArray& bytes);

enum class AnkiLayout {
    // Anki 2.0's export: collection.anki2 alone.
    Anki2Alone,
    // "Support older Anki versions": meta version 2, collection.anki21, and a placeholder
    // collection.anki2 that asks to update Anki.
    Anki21WithMeta,
    // The current export: meta version 3, collection.anki21b (zstd, saved in WAL mode),
    // and the placeholder.
    Anki21bWithMeta,
};

// A deck's media, by name; a note names one as [sound:NAME].
using AnkiMedia = std::vector<std::pair<std::string, QByteArray>>;

// The media list and the members go as each layout keeps them: JSON {"0": "name"} and the
// files as they are, or since meta version 3 a zstd-packed protobuf list and packed files.
QByteArray ankiDeck(AnkiLayout layout, const std::vector<AnkiNote>& notes,
                    const AnkiMedia& media = {});

// The XML of a spreadsheet's rows, for the layouts below, and of a workbook's styles.
QByteArray xlsxWorkbook(const std::string& sheetRows, const std::string& sharedStrings,
                        const std::string& styles = "");
QByteArray odsSpreadsheet(const std::string& tableRows);

// Word and meaning rows as each program writes them.
using SheetRows = std::vector<std::pair<std::string, std::string>>;
QByteArray xlsxWorkbook(const SheetRows& rows);
QByteArray odsSpreadsheet(const SheetRows& rows);
