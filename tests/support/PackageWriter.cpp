#include "PackageWriter.h"

#include <QtEndian>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <cstdint>
#include <cstring>
#include <sqlite3.h>
#include <stdexcept>
#include <tuple>
#include <zip.h>
#include <zstd.h>

namespace {

void check(bool holds, const char* what)
{
    if (!holds)
        throw std::runtime_error(what);
}

constexpr int64_t kOrdinaryType = 1342697561419;
constexpr int64_t kClozeType = 1342697561420;
constexpr int64_t kDeletedType = 1342697561421;

// The ordinary type's card reads the front aloud in Italian and the back in American English.
constexpr const char* kQuestionFormat = "{{Front}}{{tts it_IT:Front}}";
constexpr const char* kAnswerFormat = "{{Back}}{{tts en_US voices=Apple_Samantha:Back}}";

const AnkiNote kPlaceholder =
    ankiNote("Please update to the latest Anki version, then import the .apkg file again.",
             "Bitte aktualisieren Sie Anki.");

// Anki compares its name columns without regard to case; this stands in for it.
int compareIgnoringCase(void*, int leftSize, const void* left, int rightSize, const void* right)
{
    const int common = std::min(leftSize, rightSize);
    const int order =
        sqlite3_strnicmp(static_cast<const char*>(left), static_cast<const char*>(right), common);
    return order != 0 ? order : leftSize - rightSize;
}

void createLegacyTables(SQLite::Database& db)
{
    db.exec("CREATE TABLE col (id integer primary key, crt integer not null, mod integer not "
            "null, scm integer not null, ver integer not null, dty integer not null, usn "
            "integer not null, ls integer not null, conf text not null, models text not null, "
            "decks text not null, dconf text not null, tags text not null)");
    db.exec("CREATE TABLE notes (id integer primary key, guid text not null, mid integer not "
            "null, mod integer not null, usn integer not null, tags text not null, flds text "
            "not null, sfld integer not null, csum integer not null, flags integer not null, "
            "data text not null)");
}

void writeCollection(SQLite::Database& db, AnkiSchema schema, const std::vector<AnkiNote>& notes)
{
    createLegacyTables(db);
    if (schema == AnkiSchema::Legacy11) {
        // Older versions write a type's id as a number, some as a string.
        const std::string models = "{\"" + std::to_string(kOrdinaryType) +
                                   "\": {\"id\": " + std::to_string(kOrdinaryType) +
                                   ", \"name\": \"Basic\", \"type\": 0, \"flds\": "
                                   "[{\"name\": \"Front\", \"ord\": 0}, {\"name\": "
                                   "\"Back\", \"ord\": 1}], \"tmpls\": [{\"qfmt\": \"" +
                                   kQuestionFormat + "\", \"afmt\": \"" + kAnswerFormat +
                                   "\"}]}, \"" + std::to_string(kClozeType) + "\": {\"id\": \"" +
                                   std::to_string(kClozeType) +
                                   "\", \"name\": \"Cloze\", \"type\": 1}}";
        SQLite::Statement col(db, "INSERT INTO col VALUES (1, 0, 0, 0, 11, 0, 0, 0, '{}', ?, "
                                  "'{}', '{}', '{}')");
        col.bind(1, models);
        col.exec();
    } else {
        check(sqlite3_create_collation_v2(db.getHandle(), "unicase", SQLITE_UTF8, nullptr,
                                          compareIgnoringCase, nullptr) == SQLITE_OK,
              "the collation is registered");
        db.exec("INSERT INTO col VALUES (1, 0, 0, 0, 18, 0, 0, 0, '', '', '', '', '')");
        db.exec("CREATE TABLE notetypes (id integer not null primary key, name text not null "
                "collate unicase, mtime_secs integer not null, usn integer not null, config "
                "blob not null)");
        db.exec("CREATE UNIQUE INDEX idx_notetypes_name ON notetypes (name)");
        db.exec("CREATE TABLE fields (ntid integer not null, ord integer not null, name text "
                "not null collate unicase, config blob not null, primary key (ntid, ord)) "
                "without rowid");
        db.exec("CREATE UNIQUE INDEX idx_fields_name_ntid ON fields (name, ntid)");
        // The kind (field 1) is written for cloze only; both carry the style sheet (field 3).
        SQLite::Statement type(db, "INSERT INTO notetypes VALUES (?, ?, 0, 0, ?)");
        for (const auto& [id, name, config] : {std::tuple{kOrdinaryType, "Basic",
                                                          std::string("\x1A\x03"
                                                                      "css",
                                                                      5)},
                                               std::tuple{kClozeType, "Cloze",
                                                          std::string("\x08\x01\x1A\x03"
                                                                      "css",
                                                                      7)}}) {
            type.bind(1, id);
            type.bind(2, name);
            type.bind(3, config.data(), static_cast<int>(config.size()));
            type.exec();
            type.reset();
        }
        db.exec("CREATE TABLE templates (ntid integer not null, ord integer not null, name "
                "text not null collate unicase, mtime_secs integer not null, usn integer not "
                "null, config blob not null, primary key (ntid, ord)) without rowid");
        SQLite::Statement card(db, "INSERT INTO templates VALUES (?, 0, 'Card 1', 0, 0, ?)");
        const std::string config = std::string(1, '\x0A') + char(std::strlen(kQuestionFormat)) +
                                   kQuestionFormat + '\x12' + char(std::strlen(kAnswerFormat)) +
                                   kAnswerFormat;
        card.bind(1, kOrdinaryType);
        card.bind(2, config.data(), static_cast<int>(config.size()));
        card.exec();
        for (int64_t id : {kOrdinaryType, kClozeType, kDeletedType}) {
            db.exec("INSERT INTO fields VALUES (" + std::to_string(id) + ", 0, 'Front', ''), (" +
                    std::to_string(id) + ", 1, 'Back', '')");
        }
    }
    SQLite::Statement note(db, "INSERT INTO notes VALUES (?, 'guid', ?, 0, 0, '', ?, 0, 0, 0, '')");
    // Inserted last to first: the deck's order is that of the ids.
    for (size_t i = notes.size(); i-- > 0;) {
        note.bind(1, static_cast<int64_t>(1600000000000 + i));
        note.bind(2, notes[i].cloze ? kClozeType : kOrdinaryType);
        note.bind(3, notes[i].fields);
        note.exec();
        note.reset();
    }
}

} // namespace

QByteArray zipPackage(const std::vector<ZipMember>& members)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    check(buffer, "a buffer for the package");
    zip_source_keep(buffer);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    check(archive, "the package is created");
    for (const ZipMember& member : members) {
        zip_source_t* source = zip_source_buffer(archive, member.bytes.constData(),
                                                 static_cast<zip_uint64_t>(member.bytes.size()), 0);
        const zip_int64_t index = zip_file_add(archive, member.name.c_str(), source, 0);
        check(index >= 0, "the member is added");
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                 member.deflated ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    }
    check(zip_close(archive) == 0, "the package is written");
    QByteArray bytes;
    check(zip_source_open(buffer) == 0, "the package is opened");
    zip_source_seek(buffer, 0, SEEK_END);
    bytes.resize(static_cast<qsizetype>(zip_source_tell(buffer)));
    zip_source_seek(buffer, 0, SEEK_SET);
    check(zip_source_read(buffer, bytes.data(), static_cast<zip_uint64_t>(bytes.size())) ==
              bytes.size(),
          "the package is read back");
    zip_source_close(buffer);
    zip_source_free(buffer);
    zip_error_fini(&error);
    return bytes;
}

void patchZipHeaders(QByteArray& zip, int offset, int width, quint32 value)
{
    for (const auto& [signature, start] :
         {std::pair{"PK\x03\x04", offset}, std::pair{"PK\x01\x02", offset + 2}}) {
        for (qsizetype at = zip.indexOf(signature); at >= 0; at = zip.indexOf(signature, at + 4)) {
            uchar* field = reinterpret_cast<uchar*>(zip.data() + at + start);
            if (width == 2)
                qToLittleEndian(static_cast<quint16>(value), field);
            else
                qToLittleEndian(value, field);
        }
    }
}

AnkiNote ankiNote(const std::string& word, const std::string& meaning)
{
    return {word + '\x1F' + meaning};
}

std::vector<AnkiNote> italianNotesWithSound(const std::string& sound)
{
    return {ankiNote("casa[sound:" + sound + "]", "house"),
            ankiNote("albero", "tree"),
            ankiNote("cane", "dog"),
            ankiNote("gatto", "cat"),
            ankiNote("pane", "bread"),
            ankiNote("acqua", "water"),
            ankiNote("città", "town"),
            ankiNote("strada", "street")};
}

namespace {

QByteArray serialised(SQLite::Database& db)
{
    sqlite3_int64 size = 0;
    unsigned char* data = sqlite3_serialize(db.getHandle(), "main", &size, 0);
    check(data, "the database is serialised");
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    sqlite3_free(data);
    return bytes;
}

} // namespace

QByteArray sqliteDatabase(const std::vector<std::string>& statements)
{
    SQLite::Database db(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    for (const std::string& statement : statements)
        db.exec(statement);
    return serialised(db);
}

QByteArray ankiCollection(AnkiSchema schema, const std::vector<AnkiNote>& notes)
{
    SQLite::Database db(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    writeCollection(db, schema, notes);
    return serialised(db);
}

QByteArray zstdCompressed(const QByteArray& bytes)
{
    QByteArray packed(static_cast<qsizetype>(ZSTD_compressBound(static_cast<size_t>(bytes.size()))),
                      Qt::Uninitialized);
    const size_t size = ZSTD_compress(packed.data(), static_cast<size_t>(packed.size()),
                                      bytes.constData(), static_cast<size_t>(bytes.size()), 3);
    check(!ZSTD_isError(size), "the collection is compressed");
    packed.resize(static_cast<qsizetype>(size));
    return packed;
}

namespace {

QByteArray varint(quint64 value)
{
    QByteArray bytes;
    do {
        bytes += static_cast<char>((value & 0x7F) | (value > 0x7F ? 0x80 : 0));
        value >>= 7;
    } while (value);
    return bytes;
}

QByteArray protobufBytes(int field, const QByteArray& bytes)
{
    return varint(static_cast<quint64>(field) << 3 | 2) + varint(bytes.size()) + bytes;
}

// The media list, then one member per file named by its number.
void addMedia(std::vector<ZipMember>& members, bool packed, const AnkiMedia& media)
{
    QByteArray json = "{";
    QByteArray entries;
    for (size_t i = 0; i < media.size(); ++i) {
        const auto& [name, bytes] = media[i];
        json += (i ? ", \"" : "\"") + QByteArray::number(qulonglong(i)) + "\": \"" +
                QByteArray::fromStdString(name) + '"';
        entries +=
            protobufBytes(1, protobufBytes(1, QByteArray::fromStdString(name)) + varint(16) +
                                 varint(bytes.size()) + protobufBytes(3, QByteArray(20, '\x5A')));
        members.push_back({std::to_string(i), packed ? zstdCompressed(bytes) : bytes, !packed});
    }
    members.push_back({"media", packed ? zstdCompressed(entries) : json + "}", !packed});
}

} // namespace

QByteArray ankiDeck(AnkiLayout layout, const std::vector<AnkiNote>& notes, const AnkiMedia& media)
{
    std::vector<ZipMember> members;
    switch (layout) {
    case AnkiLayout::Anki2Alone:
        members = {{"collection.anki2", ankiCollection(AnkiSchema::Legacy11, notes)}};
        break;
    case AnkiLayout::Anki21WithMeta:
        members = {{"collection.anki2", ankiCollection(AnkiSchema::Legacy11, {kPlaceholder})},
                   {"collection.anki21", ankiCollection(AnkiSchema::Legacy11, notes)},
                   {"meta", QByteArray("\x08\x02", 2), false}};
        break;
    case AnkiLayout::Anki21bWithMeta: {
        QByteArray collection = ankiCollection(AnkiSchema::Current18, notes);
        // The header's write and read versions of a database in WAL mode.
        collection[18] = collection[19] = 2;
        members = {{"collection.anki2", ankiCollection(AnkiSchema::Legacy11, {kPlaceholder})},
                   {"collection.anki21b", zstdCompressed(collection), false},
                   {"meta", QByteArray("\x08\x03", 2), false}};
        break;
    }
    }
    addMedia(members, layout == AnkiLayout::Anki21bWithMeta, media);
    return zipPackage(members);
}

QByteArray xlsxWorkbook(const std::string& sheetRows, const std::string& sharedStrings,
                        const std::string& styles)
{
    const std::string declaration =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
    const std::string main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const std::string relationships =
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    std::vector<ZipMember> members = {
        {"[Content_Types].xml",
         QByteArray::fromStdString(declaration) +
             "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
             "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"},
        {"xl/workbook.xml",
         QByteArray::fromStdString(declaration + "<workbook xmlns=\"" + main + "\" xmlns:r=\"" +
                                   relationships +
                                   "\"><sheets><sheet name=\"Words\" "
                                   "sheetId=\"1\" r:id=\"rId3\"/><sheet name=\"Other\" "
                                   "sheetId=\"2\" r:id=\"rId1\"/></sheets></workbook>")},
        {"xl/_rels/workbook.xml.rels",
         QByteArray::fromStdString(
             declaration +
             "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
             "relationships\"><Relationship Id=\"rId1\" Type=\"" +
             relationships +
             "/worksheet\" Target=\"worksheets/sheet2.xml\"/><Relationship Id=\"rId3\" Type=\"" +
             relationships +
             "/worksheet\" Target=\"/xl/worksheets/sheet1.xml\"/></Relationships>")},
        {"xl/sharedStrings.xml", QByteArray::fromStdString(declaration + "<sst xmlns=\"" + main +
                                                           "\">" + sharedStrings + "</sst>")},
        {"xl/worksheets/sheet1.xml",
         QByteArray::fromStdString(declaration + "<worksheet xmlns=\"" + main + "\"><sheetData>" +
                                   sheetRows + "</sheetData></worksheet>")},
        {"xl/worksheets/sheet2.xml",
         QByteArray::fromStdString(declaration + "<worksheet xmlns=\"" + main +
                                   "\"><sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is>"
                                   "<t>other</t></is></c><c r=\"B1\" t=\"inlineStr\"><is><t>sheet"
                                   "</t></is></c></row></sheetData></worksheet>")},
    };
    if (!styles.empty())
        members.push_back(
            {"xl/styles.xml", QByteArray::fromStdString(declaration + "<styleSheet xmlns=\"" +
                                                        main + "\">" + styles + "</styleSheet>")});
    return zipPackage(members);
}

QByteArray odsSpreadsheet(const std::string& tableRows)
{
    const std::string office = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
    return zipPackage({
        {"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false},
        {"META-INF/manifest.xml",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest:manifest xmlns:manifest=\"urn:"
         "oasis:names:tc:opendocument:xmlns:manifest:1.0\" manifest:version=\"1.3\">"
         "<manifest:file-entry manifest:full-path=\"/\" manifest:media-type=\"application/"
         "vnd.oasis.opendocument.spreadsheet\"/><manifest:file-entry manifest:full-path="
         "\"content.xml\" manifest:media-type=\"text/xml\"/></manifest:manifest>"},
        {"content.xml",
         QByteArray::fromStdString(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-content "
             "xmlns:office=\"" +
             office +
             "\" xmlns:table=\"urn:oasis:names:tc:opendocument:"
             "xmlns:table:1.0\" xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
             "office:version=\"1.3\"><office:body><office:spreadsheet><table:table "
             "table:name=\"Words\"><table:table-column table:number-columns-repeated=\"2\"/>" +
             tableRows +
             "</table:table><table:table table:name=\"Other\"><table:table-row>"
             "<table:table-cell><text:p>other</text:p></table:table-cell><table:table-cell>"
             "<text:p>sheet</text:p></table:table-cell></table:table-row></table:table>"
             "</office:spreadsheet></office:body></office:document-content>")},
    });
}

QByteArray xlsxWorkbook(const SheetRows& rows)
{
    std::string sheetRows;
    std::string sharedStrings;
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string row = std::to_string(i + 1);
        sheetRows += "<row r=\"" + row + "\"><c r=\"A" + row + "\" t=\"s\"><v>" +
                     std::to_string(2 * i) + "</v></c><c r=\"B" + row + "\" t=\"s\"><v>" +
                     std::to_string(2 * i + 1) + "</v></c></row>";
        sharedStrings +=
            "<si><t>" + rows[i].first + "</t></si><si><t>" + rows[i].second + "</t></si>";
    }
    return xlsxWorkbook(sheetRows, sharedStrings);
}

QByteArray odsSpreadsheet(const SheetRows& rows)
{
    std::string tableRows;
    for (const auto& [word, meaning] : rows) {
        tableRows += "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>" +
                     word +
                     "</text:p></table:table-cell><table:table-cell office:value-type="
                     "\"string\"><text:p>" +
                     meaning +
                     "</text:p></table:table-cell>"
                     "<table:table-cell table:number-columns-repeated=\"1022\"/></table:table-row>";
    }
    return odsSpreadsheet(tableRows + "<table:table-row table:number-rows-repeated=\"1048000\">"
                                      "<table:table-cell table:number-columns-repeated=\"1024\"/>"
                                      "</table:table-row>");
}
