// How long OPEN takes to load a dictionary, against reading the same file whole and
// splitting it at LF. Prints the ratio of each pair; the goal is at most 1.5.
#include "BenchApp.h"
#include "DictionaryWriter.h"
#include "ScriptedSeam.h"
#include "zantoliceDlg.h"

#include <QFile>
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

// 5200 entries of ordinary words and meanings, with a comment header.
const std::string& typicalList()
{
    static const std::string path = [] {
        std::vector<std::u16string> lines{u"; a typical word list", u""};
        for (int i = 0; i < MAX_WORDS; ++i) {
            const std::string n = std::to_string(i);
            lines.push_back(u"vocabulary" + std::u16string(n.begin(), n.end()));
            lines.push_back(u"a word that belongs to the list " +
                            std::u16string(n.begin(), n.end()));
        }
        return files().write("typical.dic", lines);
    }();
    return path;
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
BENCHMARK_CAPTURE(ReadWholeAndSplit, typical, typicalList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadThroughOpen, longest_lines, longestLinesList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadWholeAndSplit, longest_lines, longestLinesList)
    ->Unit(benchmark::kMillisecond);

// Keeps each run's time per iteration, to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
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
            std::printf("load/baseline ratio, %s: %.2f (goal: at most 1.5)\n", name,
                        load / baseline);
    }
    benchmark::Shutdown();
    return 0;
}
