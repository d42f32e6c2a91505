// How long OPEN takes to load a dictionary, against reading the same file whole and
// splitting it at LF (the goal is at most 1.3), and how long it takes to load the same
// entries saved in the formats of other programs, against the dictionary (at most 3; at
// most 5 for Anki decks, one of them with a thousand recordings, and spreadsheets).
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

void LoadThroughOpen(benchmark::State& state, const std::string& (*list)())
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
    if (dlg->m_nLastIndex != MAX_WORDS - 1)
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
BENCHMARK_CAPTURE(ReadWholeAndSplit, typical, typicalList)->Unit(benchmark::kMillisecond);
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
