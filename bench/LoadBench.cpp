// How long OPEN takes to load a dictionary, against reading the same file whole and
// splitting it at LF (the goal is at most 1.3), and how long it takes to load the same
// entries saved in the formats of other programs, against the dictionary (at most 3; at
// most 5 for Anki decks, one of them with a thousand recordings, and spreadsheets). Packages
// made to fill memory, and the largest sheet that is read, load or are refused within 256 MB
// above the memory held before and within 2 s; a deck shaped like a real shared one is timed
// too.
#include "BenchApp.h"
#include "DictionaryWriter.h"
#include "PackageWriter.h"
#include "ScriptedSeam.h"
#include "zantoliceDlg.h"

#include <QFile>
#include <QString>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

namespace {

DictionaryWriter& files()
{
    static DictionaryWriter writer;
    return writer;
}

// 5200 entries of ordinary words and meanings.
std::string typicalWord(int i)
{
    return "vocabulary" + std::to_string(i);
}

std::string typicalMeaning(int i)
{
    return "a word that belongs to the list " + std::to_string(i);
}

// The typical entries, with a comment header.
const std::string& typicalList()
{
    static const std::string path = [] {
        std::vector<std::u16string> lines{u"; a typical word list", u""};
        for (int i = 0; i < MAX_WORDS; ++i) {
            lines.push_back(QString::fromStdString(typicalWord(i)).toStdU16String());
            lines.push_back(QString::fromStdString(typicalMeaning(i)).toStdU16String());
        }
        return files().write("typical.dic", lines);
    }();
    return path;
}

// The typical entries in another program's format: `entry` is written for each, with
// "%1" standing for the word and "%2" for the meaning.
std::string writeTypicalEntries(const std::string& name, const std::string& head,
                                const std::string& entry, const std::string& tail)
{
    const QString pattern = QString::fromStdString(entry);
    std::string bytes = head;
    for (int i = 0; i < MAX_WORDS; ++i) {
        bytes += pattern
                     .arg(QString::fromStdString(typicalWord(i)),
                          QString::fromStdString(typicalMeaning(i)))
                     .toStdString();
    }
    return files().writeBytes(name, bytes + tail);
}

const std::string& kvtmlList()
{
    static const std::string path = writeTypicalEntries(
        "typical.kvtml",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
        "\"http://edu.kde.org/kvtml/kvtml2.dtd\">\n<kvtml version=\"2.0\">\n <entries>\n",
        "  <entry id=\"0\">\n   <inactive>false</inactive>\n   <translation id=\"0\">\n"
        "    <text>%1</text>\n   </translation>\n   <translation id=\"1\">\n    <text>%2</text>\n"
        "   </translation>\n  </entry>\n",
        " </entries>\n</kvtml>\n");
    return path;
}

const std::string& csvList()
{
    static const std::string path = writeTypicalEntries("typical.csv", "", "%1,\"%2\"\r\n", "");
    return path;
}

const std::string& ankiList()
{
    static const std::string path =
        writeTypicalEntries("typical-anki.txt",
                            "#separator:tab\n#html:true\n#guid column:1\n#notetype column:2\n"
                            "#deck column:3\n#tags column:6\n",
                            "a1b2c3d4e5\tBasic\tWords\t<b>%1</b>\t%2\ttag\n", "");
    return path;
}

const std::string& linePairsList()
{
    static const std::string path =
        writeTypicalEntries("typical.txt", "; a typical word list\n\n", "%1\n%2\n", "");
    return path;
}

std::vector<AnkiNote> typicalNotes()
{
    std::vector<AnkiNote> notes;
    for (int i = 0; i < MAX_WORDS; ++i)
        notes.push_back(ankiNote(typicalWord(i), typicalMeaning(i)));
    return notes;
}

SheetRows typicalRows()
{
    SheetRows rows;
    for (int i = 0; i < MAX_WORDS; ++i)
        rows.emplace_back(typicalWord(i), typicalMeaning(i));
    return rows;
}

const std::string& writePackage(const std::string& name, const QByteArray& bytes)
{
    static std::map<std::string, std::string> paths;
    auto [it, added] = paths.try_emplace(name);
    if (added)
        it->second = files().writeBytes(name, bytes.toStdString());
    return it->second;
}

const std::string& anki2Deck()
{
    return writePackage("anki2.apkg", ankiDeck(AnkiLayout::Anki2Alone, typicalNotes()));
}

const std::string& anki21Deck()
{
    return writePackage("anki21.apkg", ankiDeck(AnkiLayout::Anki21WithMeta, typicalNotes()));
}

const std::string& anki21bDeck()
{
    return writePackage("anki21b.apkg", ankiDeck(AnkiLayout::Anki21bWithMeta, typicalNotes()));
}

// The typical notes, a thousand of them with a recording of their word among the deck's
// media, which loading never reads.
const std::string& recordingsDeck()
{
    static const std::string path = [] {
        std::vector<AnkiNote> notes = typicalNotes();
        AnkiMedia media;
        for (int i = 0; i < 1000; ++i) {
            const std::string name = "word" + std::to_string(i) + ".ogg";
            notes[static_cast<size_t>(i) * 5].fields.insert(typicalWord(i * 5).size(),
                                                            "[sound:" + name + "]");
            media.emplace_back(name, QByteArray(4096, static_cast<char>(i)));
        }
        return writePackage("recordings.apkg", ankiDeck(AnkiLayout::Anki21bWithMeta, notes, media));
    }();
    return path;
}

const std::string& xlsxList()
{
    return writePackage("typical.xlsx", xlsxWorkbook(typicalRows()));
}

const std::string& odsList()
{
    return writePackage("typical.ods", odsSpreadsheet(typicalRows()));
}

constexpr int kRealShapedNotes = 2887;

// A deck shaped like a real shared one: 2887 notes whose fields hold 500 to 3000
// characters of HTML, with tables, pictures, styles and character references.
// Words of varied syllables, as a deck's example sentences vary.
std::string madeUpWords(unsigned& seed, int count)
{
    static const char* const syllables[] = {"ka", "lo",  "mir", "sen", "tu", "vel", "dro",
                                            "pa", "qui", "ren", "sto", "al", "be",  "xi"};
    std::string words;
    for (int i = 0; i < count; ++i) {
        words += i > 0 ? " " : "";
        for (int syllable = 0; syllable < 2 + static_cast<int>(seed % 3); ++syllable) {
            seed = seed * 1103515245 + 12345;
            words += syllables[(seed >> 16) % std::size(syllables)];
        }
    }
    return words;
}

std::vector<AnkiNote> realShapedNotes()
{
    std::vector<AnkiNote> notes;
    unsigned seed = 1;
    for (int i = 0; i < kRealShapedNotes; ++i) {
        const std::string n = std::to_string(i);
        std::string meaning = "<div style=\"font-family: Arial; font-size: 20px;\"><b>" +
                              madeUpWords(seed, 2) + "</b>&nbsp;&mdash; <i>noun</i></div>";
        meaning += "<table class=\"conj\"><tbody>";
        for (int row = 0; row < 2 + i % 10; ++row)
            meaning += "<tr><td style=\"padding:2px\">" + madeUpWords(seed, 1) +
                       "&nbsp;</td><td>&laquo;" + madeUpWords(seed, 5) + "&raquo; &amp; " +
                       madeUpWords(seed, 2) + "&hellip;</td></tr>";
        meaning += "</tbody></table><img src=\"picture" + n +
                   ".jpg\"><br><span class=\"note\">caf&eacute; &#233;t&#xE9; " +
                   madeUpWords(seed, 8) + "</span>";
        notes.push_back(
            ankiNote("<div><b>word" + n + "</b></div><img src=\"w" + n + ".png\">", meaning));
    }
    return notes;
}

const std::string& realShapedDeck()
{
    return writePackage("real-shaped.apkg",
                        ankiDeck(AnkiLayout::Anki21bWithMeta, realShapedNotes()));
}

// Packages made to fill memory: a workbook whose shared strings are millions of empty
// strings between comments, packed 60 times, and a spreadsheet of almost nothing but
// markup just under the largest part read, and the largest sheet that is read.
const std::string& stringsBombWorkbook()
{
    QByteArray strings;
    for (int i = 0; i < 4'000'000; ++i)
        strings += "<si/><!--" + QByteArray(48, ' ') + QByteArray::number(i % 1000) + "-->";
    return writePackage("strings-bomb.xlsx",
                        xlsxWorkbook("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" "
                                     "t=\"s\"><v>1</v></c></row>",
                                     strings.toStdString()));
}

const std::string& markupBombSpreadsheet()
{
    std::string rows;
    for (int i = 0; i < 1'900'000; ++i)
        rows += "<x n='" + std::to_string(i) + "'/>";
    return writePackage("markup-bomb.ods", odsSpreadsheet(rows));
}

// Just within both limits of a part: 30 MB of a sheet with almost 2 million tags and
// attributes, its rows filling columns beyond the two that are read.
const std::string& largestReadWorkbook()
{
    std::string rows;
    for (int row = 1; rows.size() < 30'000'000; ++row) {
        const std::string r = std::to_string(row);
        rows += "<row r=\"" + r + "\"><c r=\"A" + r + "\" t=\"inlineStr\"><is><t>word" + r +
                "</t></is></c><c r=\"B" + r + "\" t=\"inlineStr\"><is><t>" + std::string(300, 'm') +
                "</t></is></c><c r=\"C" + r + "\"><v>" + r + "</v></c></row>";
    }
    return writePackage("largest.xlsx", xlsxWorkbook(rows, ""));
}

// A deck of 50 MB whose collection unpacks to the largest size read, in text that packs
// less than three times.
const std::string& largestReadDeck()
{
    QByteArray collection("SQLite format 3", 16);
    collection.resize(128 * 1024 * 1024);
    unsigned seed = 1;
    for (qsizetype i = 16; i < collection.size(); ++i) {
        seed = seed * 1103515245 + 12345;
        collection[i] = static_cast<char>('a' + (seed >> 24) % 8);
    }
    return writePackage("largest.apkg",
                        zipPackage({{"meta", QByteArray("\x08\x03", 2)},
                                    {"collection.anki21b", zstdCompressed(collection), false}}));
}

// The resident memory that /proc tells in `field` (VmRSS now, VmHWM its peak), in KiB.
long residentKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<qsizetype>(std::strlen(field)) + 1)
                .trimmed()
                .split(' ')
                .front()
                .toLong();
    }
    return 0;
}

// Opens a file that must load or be refused within 256 MB of memory above what the
// program held before, and reports the most it took: Linux keeps the peak until it is
// cleared.
void LoadWithinMemory(benchmark::State& state, const std::string& (*file)())
{
    const std::string& path = file();
    ScriptedSeam seam;
    auto dlg = std::make_unique<CZantoliceDlg>();
    dlg->Create(IDD_ZANTOLICE_DIALOG);
    long peakKiB = 0;
    for (auto _ : state) {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
        clear.close();
        const long before = residentKiB("VmRSS:");
        seam.answerOpenFile(path);
        dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_OPEN, BN_CLICKED), 0);
        peakKiB = std::max(peakKiB, residentKiB("VmHWM:") - before);
    }
    state.counters["peak_MiB_above_before"] = static_cast<double>(peakKiB) / 1024;
    state.SetLabel(dlg->m_bLoaded
                       ? "loaded"
                       : QString::fromStdU16String(seam.messages.back().text).toStdString());
    if (peakKiB > 256 * 1024)
        state.SkipWithError("over 256 MB above the memory held before");
}

// 5200 entries whose words and meanings are all 997 characters long.
const std::string& longestLinesList()
{
    static const std::string path = [] {
        std::vector<std::u16string> lines;
        for (int i = 0; i < MAX_WORDS; ++i) {
            lines.emplace_back(997, static_cast<char16_t>(u'a' + i % 26));
            lines.emplace_back(997, static_cast<char16_t>(u'A' + i % 26));
        }
        return files().write("longest.dic", lines);
    }();
    return path;
}

void LoadThroughOpen(benchmark::State& state, const std::string& (*list)(), int entries = MAX_WORDS)
{
    const std::string& path = list();
    ScriptedSeam seam;
    auto dlg = std::make_unique<CZantoliceDlg>();
    dlg->Create(IDD_ZANTOLICE_DIALOG);
    for (auto _ : state) {
        seam.answerOpenFile(path);
        dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_OPEN, BN_CLICKED), 0);
        benchmark::DoNotOptimize(dlg->m_nLastIndex);
    }
    if (dlg->m_nLastIndex != entries - 1)
        state.SkipWithError("the list did not load whole");
}

void ReadWholeAndSplit(benchmark::State& state, const std::string& (*list)())
{
    const QString path = QString::fromStdString(list());
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        const QStringList lines =
            QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()),
                               bytes.size() / 2)
                .split(u'\n');
        benchmark::DoNotOptimize(lines.size());
    }
}

BENCHMARK_CAPTURE(LoadThroughOpen, typical, typicalList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadThroughOpen, kvtml, kvtmlList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadThroughOpen, csv, csvList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadThroughOpen, anki_tsv, ankiList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadThroughOpen, utf8_line_pairs, linePairsList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadThroughOpen, apkg_anki2, anki2Deck)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadThroughOpen, apkg_anki21, anki21Deck)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadThroughOpen, apkg_anki21b, anki21bDeck)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadThroughOpen, apkg_recordings, recordingsDeck)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadThroughOpen, xlsx, xlsxList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadThroughOpen, ods, odsList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadThroughOpen, apkg_real_shape, realShapedDeck, kRealShapedNotes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadWholeAndSplit, typical, typicalList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadWithinMemory, strings_bomb_xlsx, stringsBombWorkbook)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(LoadWithinMemory, markup_bomb_ods, markupBombSpreadsheet)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(LoadWithinMemory, largest_read_xlsx, largestReadWorkbook)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(LoadWithinMemory, largest_read_apkg, largestReadDeck)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(LoadThroughOpen, longest_lines, longestLinesList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadWholeAndSplit, longest_lines, longestLinesList)
    ->Unit(benchmark::kMillisecond);

// Keeps each benchmark's processor time per iteration, to print the ratios at the end:
// it is what the load costs. With repetitions (--benchmark_repetitions) the least is
// kept, as other work on the machine only ever adds to it.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            double& time = times[run.benchmark_name()];
            time = time > 0 ? std::min(time, run.GetAdjustedCPUTime()) : run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv)
{
    BenchApp app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* name : {"typical", "longest_lines"}) {
        const double load = reporter.times["LoadThroughOpen/" + std::string(name)];
        const double baseline = reporter.times["ReadWholeAndSplit/" + std::string(name)];
        if (load > 0 && baseline > 0)
            std::printf("load/baseline ratio, %s: %.2f (goal: at most 1.3)\n", name,
                        load / baseline);
    }
    const double dictionary = reporter.times["LoadThroughOpen/typical"];
    for (const char* name : {"kvtml", "csv", "anki_tsv", "utf8_line_pairs"}) {
        const double load = reporter.times["LoadThroughOpen/" + std::string(name)];
        if (load > 0 && dictionary > 0)
            std::printf("format/dictionary ratio, %s: %.2f (goal: at most 3)\n", name,
                        load / dictionary);
    }
    for (const char* name :
         {"apkg_anki2", "apkg_anki21", "apkg_anki21b", "apkg_recordings", "xlsx", "ods"}) {
        const double load = reporter.times["LoadThroughOpen/" + std::string(name)];
        if (load > 0 && dictionary > 0)
            std::printf("format/dictionary ratio, %s: %.2f (goal: at most 5)\n", name,
                        load / dictionary);
    }
    benchmark::Shutdown();
    return 0;
}
