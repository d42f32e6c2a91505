// Word lists saved by other programs and editors, opened through OPEN as a user would:
// what each format reads as, and that the load then follows the dictionary's rules.
#include "LoadingFixture.h"

#include "Language.h"
#include "PackageWriter.h"
#include "WordList.h"

#include <QString>
#include <QStringEncoder>
#include <utility>

namespace {

using Entries = std::vector<std::pair<std::u16string, std::u16string>>;

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string utf16be(const std::u16string& text)
{
    std::string bytes = "\xFE\xFF";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit >> 8);
        bytes += static_cast<char>(unit & 0xFF);
    }
    return bytes;
}

// The text in a legacy encoding, as ICU names it.
std::string encoded(const char* encoding, const std::u16string& text)
{
    QStringEncoder encoder(encoding);
    EXPECT_TRUE(encoder.isValid()) << encoding;
    const QByteArray bytes = encoder(QString::fromStdU16String(text));
    EXPECT_FALSE(encoder.hasError()) << encoding;
    return bytes.toStdString();
}

// The entries as lines of text, their fields split by `separator`.
std::u16string lines(const Entries& entries, char16_t separator)
{
    std::u16string text;
    for (const auto& [word, meaning] : entries)
        text += word + separator + meaning + u"\r\n";
    return text;
}

// Words whose legacy encodings differ from Latin-1's and from one another's.
const Entries kGerman = {{u"K\u00E4se", u"cheese"},
                         {u"Gr\u00FC\u00DFe", u"\u201Eregards\u201C"},
                         {u"Stra\u00DFe", u"street"},
                         {u"\u20AC", u"euro"}};
const Entries kJapanese = {{u"\u72AC", u"dog"},
                           {u"\u732B", u"cat"},
                           {u"\u5C71", u"mountain"},
                           {u"\u3042\u308A\u304C\u3068\u3046", u"thank you"}};
const Entries kRussian = {{u"\u0441\u043E\u0431\u0430\u043A\u0430", u"dog"},
                          {u"\u043A\u043E\u0448\u043A\u0430", u"cat"},
                          {u"\u0434\u043E\u043C", u"house"}};

// A CSV file exactly as KWordQuiz exports it: its title and author lines, labelled in the
// desktop's language, then the lessons' tab-separated pairs with a lone tab between two
// lessons, in UTF-8 with LF line ends.
std::string kwordquizCsv(const std::string& title, const std::string& author,
                         const std::vector<std::string>& lessons,
                         const std::string& titleLabel = "Title:",
                         const std::string& authorLabel = "Author:")
{
    std::string text = titleLabel + "\t" + title + "\n" + authorLabel + "\t" + author + "\n";
    for (size_t i = 0; i < lessons.size(); ++i)
        text += (i > 0 ? "\t\n" : "") + lessons[i];
    return text;
}

// A file of `head`, the entries given, `count` plain entries "word<i>" / "meaning <i>"
// written with `entry` ("{w}" and "{m}" stand for them), then `tail`.
struct ListLayout {
    std::string head;
    std::string entry;
    std::string tail;

    std::string bytes(int count, const std::string& before = "") const
    {
        std::string text = head + before;
        for (int i = 0; i < count; ++i) {
            const std::string n = std::to_string(i);
            text += replaced(replaced(entry, "{w}", "word" + n), "{m}", "meaning " + n);
        }
        return text + tail;
    }
};

const ListLayout kKvtml{"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC "
                        "\"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n<kvtml "
                        "version=\"2.0\">\n<information><title>Test</title></information>\n"
                        "<entries>\n",
                        "<entry id=\"1\"><inactive>false</inactive><translation id=\"0\"><text>"
                        "{w}</text></translation><translation id=\"1\"><text>{m}</text><grade>"
                        "<currentgrade>2</currentgrade></grade></translation></entry>\n",
                        "</entries>\n</kvtml>\n"};
const ListLayout kCsv{"", "{w},{m}\r\n", ""};
const ListLayout kTsv{"", "{w}\t{m}\n", ""};
const ListLayout kLinePairs{"; words\n", "{w}\n{m}\n", ""};

class WordListFormats : public Loading {};

TEST_F(WordListFormats, EachFormatOpensAsItsProgramSavedIt)
{
    struct Row {
        const char* name;
        std::string bytes;
        Entries first; // the entries before the eight plain ones
    };
    const std::string million(1000000, 'x');
    const Row rows[] = {
        {"utf8.txt", kLinePairs.bytes(8), {}},
        {"marked-utf8.dic",
         "\xEF\xBB\xBF" +
             kLinePairs.bytes(8, "\r\n  caf\xC3\xA9 \t\r\n; between\r\n\r\ncoffee  \r\n") +
             "unpaired\r\n",
         {{u"caf\u00E9", u"coffee"}}},
        {"old-mac.txt", replaced(kLinePairs.bytes(8), "\n", "\r"), {}},
        {"big-endian.txt",
         utf16be(u"\u03B1\r\n\u03B1\u03BB\u03C6\u03B1\r\n" +
                 QString::fromStdString(kLinePairs.bytes(8)).toStdU16String()),
         {{u"\u03B1", u"\u03B1\u03BB\u03C6\u03B1"}}},
        {"columns.tsv",
         kTsv.bytes(8, "dog\tchien\tnoun\textra\n") + "lonely\n",
         {{u"dog", u"chien"}}},
        {"tabs.txt",
         kTsv.bytes(8, "; tab-separated after all\ndog\tchien\n"),
         {{u"dog", u"chien"}}},
        {"anki.txt",
         "#separator:tab\n#html:true\n#guid column:1\n#notetype column:2\n#deck column:3\n"
         "#tags column:6\n"
         "Gx1\tBasic\tFrench\t<b>cat</b>\tchat<br>minou &amp; &lt;f&gt;&nbsp;&#233;\tanimals\n"
         "Gx2\tBasic\tFrench\t\"a\ttab, \"\"quoted\"\"\"\tun<br/>onglet\t\n" +
             replaced(kTsv.bytes(8), "word", "g\tBasic\tFrench\tword"),
         {{u"cat", u"chat minou & <f> \u00E9"}, {u"a tab, \"quoted\"", u"un onglet"}}},
        {"pipes.txt",
         "#separator:Pipe\n#html:false\nsun|<b>soleil</b>\n" + replaced(kTsv.bytes(8), "\t", "|"),
         {{u"sun", u"<b>soleil</b>"}}},
        {"sheet.csv",
         kCsv.bytes(8, "\"big, large\",\"tall \"\"and\"\" wide\r\nenough\"\r\none,\"" + million +
                           "\"\r\n"),
         {{u"big, large", u"tall \"and\" wide enough"}, {u"one", std::u16string(999, u'x')}}},
        // Spreadsheets' "Unicode Text": UTF-16LE with a mark, tab-separated.
        {"unicode.txt",
         utf16le(u"\uFEFF" + QString::fromStdString(kTsv.bytes(8, "chat\tcat\n")).toStdU16String()),
         {{u"chat", u"cat"}}},
        // Anki's headers only in tab-separated text, only its keys, only at the top.
        {"hashes.csv",
         kCsv.bytes(8, "#1,one\n#deck:French,deck\n"),
         {{u"#1", u"one"}, {u"#deck:French", u"deck"}}},
        {"hashes.tsv", kTsv.bytes(8, "#separator:tab\n#1\tone\n"), {{u"#1", u"one"}}},
        {"tags.csv",
         kCsv.bytes(8, "<b>,bold\n<i>,italic\n"),
         {{u"<b>", u"bold"}, {u"<i>", u"italic"}}},
        {"semicolons.csv",
         replaced(kCsv.bytes(8, "Haus,\"house; home\"\n"), ",", ";"),
         {{u"Haus", u"house; home"}}},
        {"kwordquiz.csv",
         kwordquizCsv("Tiere", "Anna", {"Hund\tdog\nKatze\tcat\n", kTsv.bytes(8)}),
         {{u"Hund", u"dog"}, {u"Katze", u"cat"}}},
        // Saved on a German and a French desktop.
        {"kwordquiz-de.csv",
         kwordquizCsv("Tiere", "Anna", {"Hund\tdog\n", kTsv.bytes(8)}, "Titel:", "Autor:"),
         {{u"Hund", u"dog"}}},
        {"kwordquiz-fr.csv",
         kwordquizCsv("Animaux", "Anne", {"chien\tdog\n", kTsv.bytes(8)},
                      "Titre\xC2\xA0:", "Auteur\xC2\xA0:"),
         {{u"chien", u"dog"}}},
        // A heading names the columns and is no entry.
        {"heading.csv",
         replaced(kCsv.bytes(8, "Deutsch,Englisch\r\nHaus,house\r\n"), ",", ";"),
         {{u"Haus", u"house"}}},
        {"heading.tsv", kTsv.bytes(8, "Front\tBack\ndog\tchien\n"), {{u"dog", u"chien"}}},
        // Excel's "CSV" on Windows: the code page, semicolons.
        {"excel.csv",
         encoded("windows-1252", lines(kGerman, u';')) + replaced(kCsv.bytes(8), ",", ";"),
         kGerman},
        {"japanese.tsv", encoded("Shift_JIS", lines(kJapanese, u'\t')) + kTsv.bytes(8), kJapanese},
        {"russian.csv", encoded("KOI8-R", lines(kRussian, u',')) + kCsv.bytes(8), kRussian},
        {"vocabulary.kvtml",
         kKvtml.bytes(8, "<entry id=\"0\"><translation id=\"0\"><text>  R&amp;D </text>"
                         "</translation><translation id=\"1\"><comment>c</comment><text>"
                         "research</text></translation></entry>\n<entry id=\"9\"><inactive>"
                         "true</inactive><translation id=\"0\"><text>off</text></translation>"
                         "<translation id=\"1\"><text>skipped</text></translation></entry>\n"
                         "<entry id=\"8\"><translation id=\"0\"><text>half</text>"
                         "</translation></entry>\n"),
         {{u"R&D", u"research"}}},
        {"one-language.kvtml",
         ListLayout{kKvtml.head,
                    "<entry><translation id=\"0\"><text>{w}</text><comment>{m}</comment>"
                    "</translation></entry>\n",
                    kKvtml.tail}
             .bytes(8),
         {}},
        // KDE's lists that set every entry aside are drilled whole, as KWordQuiz does.
        {"all-inactive.kvtml", replaced(kKvtml.bytes(8), ">false<", ">true<"), {}},
        {"utf16.kvtml",
         utf16le(
             u"\uFEFF" +
             QString::fromStdString(replaced(kKvtml.bytes(8), "UTF-8", "UTF-16")).toStdU16String()),
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        seam.messages.clear();
        open(files.writeBytes(row.name, row.bytes));
        const int count = static_cast<int>(row.first.size()) + 8;
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].text, containsMessage(count));
        EXPECT_EQ(seam.messages[0].caption, u"Open succeeded!");
        EXPECT_EQ(windowText(*dlg), QString(row.name).append(' ').toStdU16String());
        EXPECT_TRUE(dlg->m_bLoaded);
        EXPECT_EQ(dlg->m_nLastIndex, count - 1);
        for (size_t i = 0; i < row.first.size(); ++i) {
            EXPECT_EQ(word(static_cast<int>(i)), row.first[i].first) << "entry " << i;
            EXPECT_EQ(meaning(static_cast<int>(i)), row.first[i].second) << "entry " << i;
        }
        EXPECT_EQ(word(static_cast<int>(row.first.size())), u"word0");
        EXPECT_EQ(meaning(count - 1), u"meaning 7");

        // A drill on it: the right line of the first question.
        clickButton(*dlg, IDC_START);
        ASSERT_TRUE(dlg->m_bAnswerable);
        EXPECT_EQ(windowText(*dlg, IDC_QUESTION), word(dlg->m_nQuestionIndex));
        const int choiceIds[] = {IDC_CHOICE1, IDC_CHOICE2, IDC_CHOICE3,
                                 IDC_CHOICE4, IDC_CHOICE5, IDC_CHOICE6};
        clickButton(*dlg, choiceIds[dlg->m_nAnswer - 1]);
        EXPECT_EQ(windowText(*dlg, IDC_SCORE), u"No.1, R=1, W=0, Score=100.00");
    }
}

// Short lists saved in a code page read right (a file that no code page reads as plausible
// text is refused: BadInput).
TEST_F(WordListFormats, ShortListsInCodePagesReadRight)
{
    struct Row {
        const char* name;
        const char* encoding;
        Entries entries;
    };
    const Row rows[] = {
        {"spanish.csv", "windows-1252", {{u"año", u"year"}, {u"niño", u"child"}}},
        {"german.csv", "windows-1252", {{u"Ökonomie", u"economy"}, {u"Übel", u"evil"}}},
        {"french.csv", "windows-1252", {{u"être", u"to be"}, {u"garçon", u"boy"}}},
        {"portuguese.csv", "windows-1252", {{u"coração", u"heart"}, {u"irmã", u"sister"}}},
        {"polish.csv", "windows-1250", {{u"mąż", u"husband"}, {u"źródło", u"source"}}},
        {"czech.csv", "windows-1250", {{u"řeka", u"river"}, {u"město", u"town"}}},
        {"russian-1251.csv", "windows-1251", {{u"собака", u"dog"}, {u"дом", u"house"}}},
        {"russian-koi8.csv", "KOI8-R", {{u"кошка", u"cat"}, {u"вода", u"water"}}},
        {"greek.csv", "windows-1253", {{u"καλημέρα", u"good morning"}, {u"θάλασσα", u"sea"}}},
        {"turkish.csv", "ISO-8859-9", {{u"dağ", u"mountain"}, {u"kış", u"winter"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        seam.messages.clear();
        // Eight entries in all: the list is usable and as short as a list can be.
        Entries entries = row.entries;
        for (size_t i = entries.size(); i < 8; ++i)
            entries.emplace_back(u"word" + std::u16string(1, char16_t(u'0' + i)), u"meaning");
        open(files.writeBytes(row.name, encoded(row.encoding, lines(entries, u','))));
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].text, containsMessage(8));
        for (size_t i = 0; i < row.entries.size(); ++i) {
            EXPECT_EQ(word(static_cast<int>(i)), row.entries[i].first) << "entry " << i;
            EXPECT_EQ(meaning(static_cast<int>(i)), row.entries[i].second) << "entry " << i;
        }
    }
}

TEST_F(WordListFormats, SizesFollowTheDictionarysRules)
{
    struct Row {
        const char* name;
        const ListLayout& layout;
        int entries;
        std::vector<std::u16string> messages;
        bool loaded;
        bool reviewEligible;
    };
    const Row rows[] = {
        {"seven.csv", kCsv, 7, {tooSmallMessage(7)}, false, false},
        {"thirty.tsv", kTsv, 30, {containsMessage(30)}, true, false},
        {"thirty-one.kvtml", kKvtml, 31, {containsMessage(31)}, true, true},
        {"large.txt",
         kLinePairs,
         MAX_WORDS + 1,
         {kTooLargeMessage, containsMessage(MAX_WORDS)},
         true,
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        open(files.writeEntries("good.dic", 40));
        fakeOpenQuestion();
        seam.messages.clear();
        open(files.writeBytes(row.name, row.layout.bytes(row.entries)));
        ASSERT_EQ(seam.messages.size(), row.messages.size());
        for (size_t i = 0; i < row.messages.size(); ++i)
            EXPECT_EQ(seam.messages[i].text, row.messages[i]);
        const int kept = std::min(row.entries, MAX_WORDS);
        EXPECT_EQ(dlg->m_nLastIndex, kept - 1);
        EXPECT_EQ(word(kept - 1), u"word" + QString::number(kept - 1).toStdU16String());
        EXPECT_EQ(dlg->m_bLoaded, row.loaded);
        EXPECT_EQ(dlg->m_bReviewEligible, row.reviewEligible);
        EXPECT_EQ(dlg->m_nReviewPending, 0);
        EXPECT_FALSE(dlg->m_bAnswerable);
        EXPECT_EQ(g_nQuestionNo, 0);
        EXPECT_EQ(windowText(*dlg), QString(row.name).append(' ').toStdU16String());
        EXPECT_EQ(windowText(*dlg, IDC_QUESTION), kStartPrompt);
    }
}

// The heading, Anki's column names and KWordQuiz's title lines say what a list is; the
// entries start after them.
TEST(ListHeadings, NameTheSidesLanguagesAndTheList)
{
    struct Row {
        const char* name;
        std::string bytes;
        std::string wordLanguage;
        std::string meaningLanguage;
        std::u16string firstWord;
        std::u16string title = {};
        std::u16string author = {};
    };
    const SheetRows sheet = {{"Espa\xC3\xB1ol", "English"}, {"perro", "dog"}};
    const Row rows[] = {
        {"heading.csv", "Deutsch;Englisch\nHund;dog\n", "de", "en", u"Hund"},
        {"reversed.csv", "Englisch,Deutsch\ndog,Hund\n", "en", "de", u"dog"},
        {"heading.tsv", "English\tFran\xC3\xA7\x61is\ndog\tchien\n", "en", "fr", u"dog"},
        {"regions.tsv", "en-GB\tpt_BR\ndog\tc\xC3\xA3o\n", "en_GB", "pt_BR", u"dog"},
        {"columns.csv", "\"Word\",\"Meaning\"\ndog,chien\n", "", "", u"dog"},
        {"japanese.csv", "\xE5\x8D\x98\xE8\xAA\x9E,\xE6\x84\x8F\xE5\x91\xB3\nneko,cat\n", "", "",
         u"neko"},
        // Codes alone are words too often: "es" is Spanish for "is".
        {"codes.csv", "es,is\nsomos,we are\n", "", "", u"es"},
        {"one-name.csv", "English,dog\ncat,Katze\n", "", "", u"English"},
        {"anki.txt",
         "#separator:tab\n#notetype column:1\n#columns:Notetype\t\xD0\xA0\xD1\x83\xD1\x81\xD1\x81"
         "\xD0\xBA\xD0\xB8\xD0\xB9\t\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\tTags\nBasic\tkot\tneko\n",
         "ru", "ja", u"kot"},
        {"kwordquiz.csv", kwordquizCsv("Tiere", "Anna", {"Hund\tdog\n"}), "", "", u"Hund", u"Tiere",
         u"Anna"},
        {"heading.xlsx", xlsxWorkbook(sheet).toStdString(), "es", "en", u"perro"},
        {"heading.ods", odsSpreadsheet(sheet).toStdString(), "es", "en", u"perro"},
    };
    DictionaryWriter files;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = files.writeBytes(row.name, row.bytes);
        const formats::FileKind kind =
            formats::fileKind(row.bytes, QString::fromStdString(path).toStdU16String());
        const auto read =
            formats::isPackage(kind) ? formats::readPackagedWordList : formats::readWordList;
        const formats::WordList list = read(
            kind, row.bytes, [](char*, size_t) -> size_t { return 0; }, MAX_WORDS);
        EXPECT_EQ(list.problem, u"");
        ASSERT_FALSE(list.entries.empty());
        EXPECT_EQ(list.entries[0].word, row.firstWord);
        EXPECT_EQ(list.wordLanguage, row.wordLanguage);
        EXPECT_EQ(list.meaningLanguage, row.meaningLanguage);
        EXPECT_EQ(list.title, row.title);
        EXPECT_EQ(list.author, row.author);
    }
}

} // namespace

// A list names its sides' languages by code or by name, in English or in the language itself.
TEST(LanguageNames, NamesAndCodesGiveTheLanguagesCode)
{
    const std::pair<std::u16string, std::string> rows[] = {
        {u"German", "de"},
        {u"Deutsch", "de"},
        {u"  english ", "en"},
        {u"Français", "fr"},
        {u"Español", "es"},
        {u"Русский", "ru"},
        {u"日本語", "ja"},
        {u"de", "de"},
        {u"en_US", "en_US"},
        {u"en-us", "en_US"},
        {u"zh-Hant-TW", "zh_TW"},
        {u"Front", ""},
        {u"word", ""},
        {u"xx", ""},
        {u"", ""},
    };
    for (const auto& [name, code] : rows)
        EXPECT_EQ(formats::languageCode(name), code)
            << QString::fromStdU16String(name).toStdString();
}
