// Anki decks and spreadsheets, opened through OPEN as a learner opens them: each layout
// that Anki's versions export and each program saves, and the packages that must be refused
// with a reason while the loaded list stays.
#include "LoadingFixture.h"
#include "PackageWriter.h"

#include <QFile>
#include <random>

namespace {

using Entries = std::vector<std::pair<std::u16string, std::u16string>>;

struct Outcome {
    Entries entries;
    std::u16string problem;
};

class PackageReaders : public Loading {
protected:
    // Opens the file through OPEN over a loaded list: the entries it gives, or the reason
    // it was refused, with the loaded list still there.
    Outcome openPackage(const std::string& name, const QByteArray& bytes)
    {
        open(files.writeEntries("loaded.dic", 9));
        seam.messages.clear();
        open(files.writeBytes(name, bytes.toStdString()));
        Outcome outcome;
        const std::u16string refusal =
            u"Cannot open \"" + QString::fromStdString(name).toStdU16String() + u"\": ";
        if (!seam.messages.empty() && seam.messages[0].text.starts_with(refusal)) {
            outcome.problem = seam.messages[0].text.substr(refusal.size());
            EXPECT_EQ(windowText(*dlg), u"loaded.dic ") << name << ": the loaded list stays";
            EXPECT_EQ(dlg->m_nLastIndex, 8) << name;
            return outcome;
        }
        for (int i = 0; i <= dlg->m_nLastIndex; ++i)
            outcome.entries.emplace_back(word(i), meaning(i));
        return outcome;
    }
};

// Every kind of field an exported deck holds.
const std::vector<AnkiNote> kNotes = {
    ankiNote("<b>cane</b>", "dog"),
    ankiNote("pane&nbsp;e burro", "bread<br>and&nbsp;<div>butter</div>"),
    ankiNote("[sound:gatto.mp3]gatto", "cat"),
    ankiNote("<img src=\"mela.jpg\">", "apple"),
    ankiNote("{{c1::vino::drink}} rosso", "red wine"),
    {"{{c1::acqua}} fresca\x1F"
     "fresh water",
     true},
    ankiNote("cane", "<i>dog</i>"),
    {"uva\x1Fgrapes\x1F"
     "extra field"},
    {"solo"},
};
const Entries kNoteEntries = {{u"cane", u"dog"},
                              {u"pane e burro", u"bread and butter"},
                              {u"gatto", u"cat"},
                              {u"vino rosso", u"red wine"},
                              {u"uva", u"grapes"}};

// Notes whose pictures' names, which the entries leave out, make a collection of some
// megabytes that packs no smaller than the collections of real decks do.
std::vector<AnkiNote> picturedNotes(int count)
{
    std::mt19937 random(7);
    std::vector<AnkiNote> notes;
    for (int i = 0; i < count; ++i) {
        std::string name(4000, 'a');
        for (char& letter : name)
            letter = static_cast<char>('a' + random() % 26);
        notes.push_back(ankiNote("word" + std::to_string(i),
                                 "<img src=\"" + name + ".jpg\">meaning" + std::to_string(i)));
    }
    return notes;
}

Entries picturedEntries(int count)
{
    Entries entries;
    for (int i = 0; i < count; ++i)
        entries.emplace_back(u"word" + QString::number(i).toStdU16String(),
                             u"meaning" + QString::number(i).toStdU16String());
    return entries;
}

// A value of each kind and number format, and the text the sheet shows for it; a cell with
// an error or an empty result gives no entry.
struct ShownValue {
    std::string label;
    std::string shown;
    // The cell's style in the workbook below, its type and its value as Excel writes them.
    int style;
    std::string type;
    std::string value;
    // The cell's attributes in an OpenDocument sheet, which writes the text shown too.
    std::string odsAttributes;
};
const std::vector<ShownValue> kShownValues = {
    {"date", "2024-01-01", 1, "", "45292",
     "office:value-type=\"date\" office:date-value=\"2024-01-01\""},
    {"custom date", "01.01.2024", 2, "", "45292",
     "office:value-type=\"date\" office:date-value=\"2024-01-01\""},
    {"time", "13:30", 3, "", "0.5625",
     "office:value-type=\"time\" office:time-value=\"PT13H30M00S\""},
    {"date and time", "2024-03-05 18:00:07", 4, "", "45356.7500810185",
     "office:value-type=\"date\""},
    {"percent", "50%", 5, "", "0.5", "office:value-type=\"percentage\" office:value=\"0.5\""},
    {"percent with decimals", "12.34%", 6, "", "0.12341", "office:value-type=\"percentage\""},
    {"decimals", "3.14", 7, "", "3.14159", "office:value-type=\"float\" office:value=\"3.14159\""},
    {"grouped", "1,234,567.89", 8, "", "1234567.891", "office:value-type=\"float\""},
    {"grouped integer", "1,234,567", 9, "", "1234567", "office:value-type=\"float\""},
    {"text format", "42", 10, "", "42", "office:value-type=\"float\""},
    {"currency", "1,234.50 \xE2\x82\xAC", 11, "", "1234.5", "office:value-type=\"currency\""},
    {"scientific", "1.23E+04", 12, "", "12345.678", "office:value-type=\"float\""},
    {"negative", "(1,234)", 13, "", "-1234", "office:value-type=\"float\""},
    {"general", "0.3", 0, "", "0.30000000000000004",
     "office:value-type=\"float\" office:value=\"0.30000000000000004\""},
    {"true", "TRUE", 0, "b", "1", "office:value-type=\"boolean\" office:boolean-value=\"true\""},
    {"false", "FALSE", 0, "b", "0", "office:value-type=\"boolean\" office:boolean-value=\"false\""},
    {"error", "", 0, "e", "#N/A", "table:formula=\"of:=NA()\" office:value-type=\"string\""},
    {"empty result", "", 0, "str", "",
     "table:formula=\"of:=&quot;&quot;\" office:value-type=\"string\""},
};
// Built-in formats and custom codes, by the style index of each row above.
const std::string kStyles =
    "<numFmts><numFmt numFmtId=\"164\" formatCode=\"dd.mm.yyyy\"/><numFmt numFmtId=\"165\" "
    "formatCode=\"yyyy\\-mm\\-dd hh:mm:ss\"/><numFmt numFmtId=\"166\" formatCode=\"#,##0.00\\ "
    "[$\xE2\x82\xAC-407]\"/></numFmts><cellXfs>" +
    [] {
        std::string styles;
        for (int id : {0, 14, 164, 20, 165, 9, 10, 2, 4, 3, 49, 166, 11, 38})
            styles += "<xf numFmtId=\"" + std::to_string(id) + "\"/>";
        return styles;
    }() +
    "</cellXfs>";

QByteArray shownValuesWorkbook()
{
    std::string rows;
    for (size_t i = 0; i < kShownValues.size(); ++i) {
        const ShownValue& value = kShownValues[i];
        const std::string row = std::to_string(i + 1);
        rows += "<row r=\"" + row + "\"><c r=\"A" + row + "\" t=\"inlineStr\"><is><t>" +
                value.label + "</t></is></c><c r=\"B" + row + "\" s=\"" +
                std::to_string(value.style) + "\"" +
                (value.type.empty() ? "" : " t=\"" + value.type + "\"") + "><v>" + value.value +
                "</v></c></row>";
    }
    return xlsxWorkbook(rows, "", kStyles);
}

// LibreOffice writes the text shown; other programs write the value alone, as the first
// rows do here.
QByteArray shownValuesSpreadsheet()
{
    std::string rows;
    for (size_t i = 0; i < kShownValues.size(); ++i) {
        const ShownValue& value = kShownValues[i];
        const bool valueOnly = i == 4 || i == 13 || i == 14;
        rows += "<table:table-row><table:table-cell><text:p>" + value.label +
                "</text:p></table:table-cell><table:table-cell " + value.odsAttributes +
                (valueOnly ? "/>"
                           : "><text:p>" + (value.type == "e" ? value.value : value.shown) +
                                 "</text:p></table:table-cell>") +
                "</table:table-row>";
    }
    return odsSpreadsheet(rows);
}

Entries shownEntries()
{
    Entries entries;
    for (const ShownValue& value : kShownValues) {
        if (!value.shown.empty())
            entries.emplace_back(QString::fromStdString(value.label).toStdU16String(),
                                 QString::fromStdString(value.shown).toStdU16String());
    }
    return entries;
}

TEST_F(PackageReaders, EachLayoutReadsAsSaved)
{
    const struct Row {
        const char* name;
        QByteArray bytes;
        Entries entries;
    } rows[] = {
        {"anki2-alone.apkg", ankiDeck(AnkiLayout::Anki2Alone, kNotes), kNoteEntries},
        {"anki21-meta.apkg", ankiDeck(AnkiLayout::Anki21WithMeta, kNotes), kNoteEntries},
        {"anki21b-wal.apkg", ankiDeck(AnkiLayout::Anki21bWithMeta, kNotes), kNoteEntries},
        // A collection larger than a huge page of memory, which it is unpacked on.
        {"anki21b-large.apkg", ankiDeck(AnkiLayout::Anki21bWithMeta, picturedNotes(700)),
         picturedEntries(700)},
        // A member for each of a thousand media, which opening the deck passes over.
        {"anki21b-media.apkg",
         ankiDeck(AnkiLayout::Anki21bWithMeta, kNotes,
                  [] {
                      AnkiMedia media;
                      for (int i = 0; i < 1000; ++i)
                          media.emplace_back("sound" + std::to_string(i) + ".mp3",
                                             QByteArray(16, 'm'));
                      return media;
                  }()),
         kNoteEntries},
        // Rich-text runs joined, phonetic runs left out, an inline string, a number as
        // written; a row whose B cell is missing, cells without references, and the first
        // sheet found by its relationship, not by its part's name.
        {"words.xlsx",
         xlsxWorkbook(
             "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c></row>"
             "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>tre</t></is></c><c r=\"B2\">"
             "<v>3.5</v></c></row>"
             "<row r=\"3\"><c r=\"A3\" t=\"s\"><v>2</v></c><c r=\"C3\" t=\"s\"><v>1</v></c></row>"
             "<row r=\"5\"><c t=\"s\"><v>3</v></c><c t=\"inlineStr\"><is><t>moon</t></is></c>"
             "</row>"
             "<row r=\"6\"><c r=\"A6\" t=\"s\"><v>4</v></c><c r=\"B6\" t=\"s\"><v>5</v></c></row>",
             "<si><r><t>ca</t></r><r><rPr><b/></rPr><t>sa</t></r></si><si><t>house</t></si>"
             "<si><t>gatto</t></si><si><t>luna</t></si><si><t>\xE5\xB1\xB1</t><rPh sb=\"0\" "
             "eb=\"1\"><t>\xE3\x82\x84\xE3\x81\xBE</t></rPh></si><si><t>mountain</t></si>"),
         {{u"casa", u"house"}, {u"tre", u"3.5"}, {u"luna", u"moon"}, {u"\u5C71", u"mountain"}}},
        // Spans, repeated rows and cells, paragraphs joined, a comment left out, and a row
        // after a million empty ones.
        {"words.ods",
         odsSpreadsheet(
             "<table:table-row><table:table-cell><text:p>casa</text:p></table:table-cell>"
             "<table:table-cell><text:p>ho<text:span>use</text:span></text:p></table:table-cell>"
             "</table:table-row>"
             "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell><text:p>tre"
             "</text:p></table:table-cell><table:table-cell><text:p>three</text:p>"
             "</table:table-cell></table:table-row>"
             "<table:table-row><table:table-cell table:number-columns-repeated=\"2\"><text:p>eco"
             "</text:p></table:table-cell></table:table-row>"
             "<table:table-row-group><table:table-row><table:table-cell><text:p>buona</text:p>"
             "<text:p>sera</text:p></table:table-cell><table:table-cell><text:p>good<text:s/>"
             "evening</text:p></table:table-cell></table:table-row></table:table-row-group>"
             "<table:table-row><table:table-cell><office:annotation><text:p>a note</text:p>"
             "</office:annotation><text:p>sole</text:p></table:table-cell><table:table-cell>"
             "<text:p>sun</text:p></table:table-cell></table:table-row>"
             "<table:table-row table:number-rows-repeated=\"1048000\"><table:table-cell "
             "table:number-columns-repeated=\"16384\"/></table:table-row>"
             "<table:table-row><table:table-cell><text:p>fine</text:p></table:table-cell>"
             "<table:table-cell><text:p>end</text:p></table:table-cell></table:table-row>"),
         {{u"casa", u"house"},
          {u"tre", u"three"},
          {u"tre", u"three"},
          {u"eco", u"eco"},
          {u"buona sera", u"good evening"},
          {u"sole", u"sun"},
          {u"fine", u"end"}}},
        // One sheet of every number format gives the same list in both formats.
        {"values.xlsx", shownValuesWorkbook(), shownEntries()},
        {"values.ods", shownValuesSpreadsheet(), shownEntries()},
    };
    for (const Row& row : rows) {
        const Outcome outcome = openPackage(row.name, row.bytes);
        EXPECT_EQ(outcome.problem, u"") << row.name;
        EXPECT_EQ(outcome.entries, row.entries) << row.name;
    }
}

// Each field as Anki shows it, one note a row: references, tags and white space, sounds and
// cloze marks, a meaning longer than a line, which is cut where the line ends, and bytes
// that are no UTF-8.
TEST_F(PackageReaders, FieldsReadAsAnkiShowsThem)
{
    const std::string longMeaning = [] {
        std::string html;
        for (int i = 0; i < 300; ++i)
            html += "<td>m" + std::to_string(i % 10) + "&hellip;</td><br>";
        return html;
    }();
    const std::u16string longText = [] {
        std::u16string text;
        for (int i = 0; i < 300; ++i) {
            text += u'm';
            text += static_cast<char16_t>(u'0' + i % 10);
            text += u"\u2026 ";
        }
        return text.substr(0, 999);
    }();
    const struct Row {
        std::string word;
        std::string meaning;
        std::u16string wordText;
        std::u16string meaningText;
    } rows[] = {
        {"a&amp;b &lt;c&gt;", "&quot;q&apos;&laquo;&raquo;", u"a&b <c>", u"\"q'\u00AB\u00BB"},
        {"caf&#233; &#xE9;t&#XE9;", "&#x1F600;!", u"caf\u00E9 \u00E9t\u00E9", u"\U0001F600!"},
        {"&eacute; &#0; &#xD800;", "& x &amp &toolongtobeareference;", u"&eacute; &#0; &#xD800;",
         u"& x &amp &toolongtobeareference;"},
        {"  a \t\n b  ",
         "a\xC2\xA0\xC2\xA0"
         "b&nbsp;&nbsp;c",
         u"a b", u"a b c"},
        {"abc  defghijklmn opqrstu\tvwxyz012 3456789",
         "abcdefg  hijklmnopq<b>rstuvwxy</b>z&amp;abcdefg\xC3\xA9hijklmno",
         u"abc defghijklmn opqrstu vwxyz012 3456789",
         u"abcdefg hijklmnopqrstuvwxyz&abcdefg\u00E9hijklmno"},
        {"<b>x</b>abcdefg  hijklmn", "m", u"xabcdefg hijklmn", u"m"},
        {"x<abcdefghijk>y<abcdefghijkl>z<abcdefghijklm>",
         "a\xC2\x85"
         "b\xE1\x9A\x80"
         "c",
         u"xyz", u"a b c"},
        {"d\xE2\x80\x80"
         "e\xE3\x80\x80"
         "f",
         "\xC2\xA1\xE1\x99\xBF\xE2\x80\x94", u"d e f", u"\u00A1\u167F\u2014"},
        {"<div>x</div><DIV>y</DIV>", "a<br/>b<P>c<li>d</li>e<b>f</b><table>g", u"x y",
         u"a b c d efg"},
        {"a < b", "<span class=\"x\">un</span>closed <b", u"a < b", u"unclosed <b"},
        {"[sound:a.mp3]suono[sound:b.mp3] x", "{{c1::vino::drink}} [sound:c.mp3]", u"suono x",
         u"vino"},
        {"lungo", longMeaning, u"lungo", longText},
        {"\xE6\x97\xA5\xF0\x9F\x98\x80 \xFF", "a\x80<i>b</i>\xE3\x81", u"\u65E5\U0001F600 \uFFFD",
         u"a\uFFFDb\uFFFD"},
    };
    std::vector<AnkiNote> notes;
    Entries entries;
    for (const Row& row : rows) {
        notes.push_back(ankiNote(row.word, row.meaning));
        entries.emplace_back(row.wordText, row.meaningText);
    }
    const Outcome outcome =
        openPackage("fields.apkg", ankiDeck(AnkiLayout::Anki21bWithMeta, notes));
    EXPECT_EQ(outcome.problem, u"");
    ASSERT_EQ(outcome.entries.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(outcome.entries[i], entries[i]) << "row " << i;
}

// The samples that examples/make-package.sh builds, in each layout it writes.
TEST_F(PackageReaders, SamplesOpen)
{
    const struct Row {
        const char* name;
        size_t count;
        std::pair<std::u16string, std::u16string> last;
    } rows[] = {
        {"italian-food.apkg", 35, {u"la torta", u"cake"}},
        {"portuguese-greetings.ods", 20, {u"como se chama?", u"what is your name?"}},
    };
    for (const Row& row : rows) {
        QFile file(QStringLiteral(ZANTOLI_EXAMPLES "/") + QString::fromUtf8(row.name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << row.name;
        const Outcome outcome = openPackage(row.name, file.readAll());
        EXPECT_EQ(outcome.problem, u"") << row.name;
        ASSERT_EQ(outcome.entries.size(), row.count) << row.name;
        EXPECT_EQ(outcome.entries.back(), row.last) << row.name;
    }
}

QByteArray withBytesFlipped(QByteArray bytes, qsizetype from, qsizetype count)
{
    for (qsizetype i = from; i < from + count; ++i)
        bytes[i] = static_cast<char>(~bytes[i]);
    return bytes;
}

QByteArray patched(QByteArray zip, int offset, int width, quint32 value)
{
    patchZipHeaders(zip, offset, width, value);
    return zip;
}

// Offsets in a member's local header.
constexpr int kFlags = 6;
constexpr int kMethod = 8;
constexpr int kUncompressedSize = 22;

QByteArray legacyDeck(const QByteArray& collection)
{
    return zipPackage({{"collection.anki2", collection}});
}

QByteArray legacyDeckOf(const std::vector<std::string>& statements)
{
    return legacyDeck(sqliteDatabase(statements));
}

const std::string kCol = "CREATE TABLE col (id integer primary key, ver integer, models text)";
const std::string kNotesTable =
    "CREATE TABLE notes (id integer primary key, mid integer, flds text)";

// Elements that differ from one another, as packing cannot shrink much.
std::string numberedElements(int count)
{
    std::string elements;
    for (int i = 0; i < count; ++i)
        elements += "<x n='" + std::to_string(i) + "'/>";
    return elements;
}

TEST_F(PackageReaders, BadPackagesAreRefusedWithTheirReason)
{
    const QByteArray deck = ankiDeck(AnkiLayout::Anki2Alone, kNotes);
    const QByteArray packed =
        zipPackage({{"collection.anki2", ankiCollection(AnkiSchema::Legacy11, kNotes)}});
    const struct Row {
        const char* name;
        QByteArray bytes;
        std::u16string problem;
    } rows[] = {
        {"not-a-deck.apkg", zipPackage({{"readme.txt", "hello"}}),
         u"it is a zip package, but not an Anki deck: it holds no collection."},
        {"cut-short.apkg", deck.first(deck.size() / 2),
         u"it is cut short or damaged: its zip directory cannot be read."},
        {"plain-text.apkg", "cane\tdog\n",
         u"it is not a zip package, as decks and spreadsheets are."},
        {"encrypted.apkg", patched(deck, kFlags, 2, 1),
         u"its part \"collection.anki2\" is encrypted. Save it without a password and open it "
         u"again."},
        {"unknown-method.apkg", patched(deck, kMethod, 2, 97),
         u"its part \"collection.anki2\" is packed in a way this program cannot unpack."},
        {"larger-than-said.apkg", patched(deck, kUncompressedSize, 4, 1000),
         u"its part \"collection.anki2\" is larger than the package says; the file is damaged."},
        {"too-large.apkg", patched(deck, kUncompressedSize, 4, 300 * 1024 * 1024),
         u"its part \"collection.anki2\" would unpack to over 128 MB, far too large for a word "
         u"list."},
        {"zip-bomb.apkg", legacyDeck(QByteArray(2 * 1024 * 1024, '\0')),
         u"its part \"collection.anki2\" would unpack to over 100 times its packed size, as "
         u"only a zip bomb does."},
        {"corrupt-deflate.apkg", withBytesFlipped(packed, 100, 64),
         u"its part \"collection.anki2\" is damaged and cannot be unpacked (Zlib error: data "
         u"error)."},
        {"zstd-bomb.apkg",
         zipPackage({{"meta", QByteArray("\x08\x03", 2)},
                     {"collection.anki21b", zstdCompressed(QByteArray(2 * 1024 * 1024, '\0'))}}),
         u"its part \"collection.anki21b\" would unpack to over 100 times its packed size, as "
         u"only a zip bomb does."},
        {"corrupt-zstd.apkg",
         zipPackage({{"meta", QByteArray("\x08\x03", 2)}, {"collection.anki21b", "not zstd"}}),
         u"its collection is damaged; the deck cannot be read."},
        {"newer-anki.apkg", zipPackage({{"meta", QByteArray("\x08\x04", 2)}}),
         u"it was made by a newer version of Anki than this program reads. In Anki, export it "
         u"again with \"Support older Anki versions\" checked."},
        {"not-sqlite.apkg", legacyDeck(QByteArray(4096, 'x')),
         u"its collection is not an Anki database; the deck is damaged."},
        {"no-notes.apkg", legacyDeckOf({kCol, "INSERT INTO col VALUES (1, 11, '{}')"}),
         u"it is not an Anki deck: its collection holds no notes."},
        {"notes-view.apkg",
         legacyDeckOf({kCol, "INSERT INTO col VALUES (1, 11, '{}')",
                       "CREATE VIEW notes AS SELECT 1 AS id, 1 AS mid, 'a' || char(31) || 'b' "
                       "AS flds"}),
         u"it is not an Anki deck: its collection holds no notes."},
        {"unknown-schema.apkg",
         legacyDeckOf({kCol, kNotesTable, "INSERT INTO col VALUES (1, 99, '{}')"}),
         u"its collection is saved in a form (version 99) this program does not know."},
        {"computed-notes.apkg",
         legacyDeckOf({kCol, "INSERT INTO col VALUES (1, 11, '{}')",
                       "CREATE TABLE notes (id integer primary key, mid integer, flds text "
                       "GENERATED ALWAYS AS (hex(zeroblob(20000000))))",
                       "INSERT INTO notes (id, mid) VALUES (1, 1)"}),
         u"its collection is damaged (string or blob too big)."},
        // Damaged past the first batch of notes, which is cleaned while the next is read.
        {"damaged-later.apkg",
         legacyDeckOf({kCol, "INSERT INTO col VALUES (1, 11, '{}')",
                       "CREATE TABLE notes (id integer primary key, mid integer, flds text "
                       "GENERATED ALWAYS AS (CASE WHEN id < 3000 THEN printf('%0500d', id) || "
                       "char(31) || 'm' ELSE hex(zeroblob(20000000)) END))",
                       "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                       "3000) INSERT INTO notes (id, mid) SELECT i, 1 FROM n"}),
         u"its collection is damaged (string or blob too big)."},
        {"broken-models.apkg",
         legacyDeckOf({kCol, kNotesTable, "INSERT INTO col VALUES (1, 11, '{\"1\": {')"}),
         u"its note types cannot be read; the deck is damaged."},
        {"outside.apkg",
         zipPackage({{"../collection.anki21", ankiCollection(AnkiSchema::Legacy11, kNotes)}}),
         u"its part \"collection.anki21\" names a place outside the package."},
        {"no-pairs.apkg",
         ankiDeck(AnkiLayout::Anki21bWithMeta,
                  {ankiNote("<img src=\"a.png\">", "a picture"), {"{{c1::x}}\x1F", true}}),
         u"it holds no words. Each entry needs a word and its meaning."},
        {"no-workbook.xlsx", zipPackage({{"xl/worksheets/sheet1.xml", "<worksheet/>"}}),
         u"its part \"xl/workbook.xml\" is missing."},
        {"password.xlsx", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") + QByteArray(504, '\0'),
         u"it is protected by a password. Save it without one and open it again."},
        {"password.ods",
         zipPackage({{"META-INF/manifest.xml", "<manifest:encryption-data/>"},
                     {"content.xml", QByteArray(64, '\x9C')}}),
         u"it is protected by a password. Save it without one and open it again."},
        // Parts that would fill memory when parsed: far too large, or almost all markup.
        {"strings-bomb.xlsx",
         xlsxWorkbook("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v>"
                      "</c></row>",
                      QByteArray("<si/><!-- -->").repeated(2'600'000).toStdString()),
         u"its part \"xl/sharedStrings.xml\" would unpack to over 32 MB, far too large for a "
         u"word list."},
        {"markup.ods", odsSpreadsheet(numberedElements(1'100'000)),
         u"its part \"content.xml\" holds far more markup than any word list."},
        {"no-content.ods",
         zipPackage({{"mimetype", "application/vnd.oasis.opendocument."
                                  "spreadsheet"}}),
         u"its part \"content.xml\" is missing."},
    };
    for (const Row& row : rows)
        EXPECT_EQ(openPackage(row.name, row.bytes).problem, row.problem) << row.name;
}

} // namespace
