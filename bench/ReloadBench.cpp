// Memory over many loads: OPEN takes a thousand different generated word lists in a row
// into one dialog, good lists of every size and format and files that are not lists at all. Prints
// the peak memory of the process after the first hundred loads and after all of them;
// the goal is no growth. Built with the sanitizers, LeakSanitizer checks at the end that
// nothing leaked.
#include "BenchApp.h"
#include "DictionaryWriter.h"
#include "ScriptedSeam.h"
#include "zantoliceDlg.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>
#include <string>
#include <sys/resource.h>

namespace {

constexpr int kLoads = 1000;
constexpr int kKinds = 10;

// Peak resident memory of the process so far, in KiB.
double peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss);
}

std::u16string number(unsigned value)
{
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

// The `load`-th file. Every kind comes once in each run of kKinds loads, the first time at
// its largest, so that the peak after the first hundred loads already counts every size.
std::string generate(int load, std::mt19937& random)
{
    auto size = [&](unsigned largest) { return load < kKinds ? largest : random() % largest; };
    std::u16string text;
    auto entries = [&](unsigned count, const std::u16string& lineEnd, unsigned lineLength) {
        for (unsigned i = 0; i < count; ++i) {
            text += u"word" + number(random()) + std::u16string(lineLength, u'w') + lineEnd;
            text += u"meaning " + number(i) + std::u16string(lineLength, u'm') + lineEnd;
        }
    };
    switch (load % kKinds) {
    case 0:
        entries(size(MAX_WORDS + 200), u"\r\n", 0);
        break;
    case 1:
        text = u"\uFEFF; byte-order mark and Unix line ends\n";
        entries(size(3000), u"\n", 0);
        break;
    case 2: // lines longer than the line buffer
        entries(size(200), u"\r\n", 900 + size(600));
        break;
    case 3: // comments and blank lines between the entries
        for (unsigned i = 0, count = size(2000); i < count; ++i)
            text += u"; remark " + number(i) + u"\r\n\r\n  \t\r\nword" + number(random()) +
                    u"\r\n;\r\nmeaning\r\n";
        break;
    case 4:
        text.assign(size(50000), u'\0');
        break;
    case 5:
        text.assign(size(100000), u'\n');
        break;
    case 6: { // binary noise, of odd length half the time
        std::string bytes(size(100001), '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(random());
        return bytes;
    }
    case 7: // UTF-8 text
        return "word " + std::to_string(random()) + "\r\nmeaning\r\nword\r\nmeaning\r\n";
    case 8: { // a spreadsheet's CSV, with quoted fields
        std::string csv;
        for (unsigned i = 0, count = size(MAX_WORDS + 200); i < count; ++i)
            csv += "word" + std::to_string(random()) + ",\"meaning, \"\"" + std::to_string(i) +
                   "\"\"\"\r\n";
        return csv;
    }
    default: { // KVTML, cut short half the time
        std::string xml = "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\"><entries>";
        for (unsigned i = 0, count = size(MAX_WORDS + 200); i < count; ++i)
            xml += "<entry><translation id=\"0\"><text>word" + std::to_string(random()) +
                   "</text></translation><translation id=\"1\"><text>meaning</text>"
                   "</translation></entry>";
        return random() % 2 ? xml + "</entries></kvtml>" : xml;
    }
    }
    return utf16le(text);
}

void ReloadThousandFiles(benchmark::State& state)
{
    DictionaryWriter files;
    ScriptedSeam seam;
    auto dlg = std::make_unique<CZantoliceDlg>();
    dlg->Create(IDD_ZANTOLICE_DIALOG);
    std::mt19937 random(1);
    double afterFirstHundred = 0;
    for (auto _ : state) {
        for (int load = 0; load < kLoads; ++load) {
            const std::string name =
                "list" + std::to_string(load) + (load % kKinds == 8 ? ".csv" : ".dic");
            const std::string path = files.writeBytes(name, generate(load, random));
            seam.answerOpenFile(path);
            dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_OPEN, BN_CLICKED), 0);
            // What the scripted seam records would grow with every load.
            seam.messages.clear();
            seam.filtersAsked.clear();
            seam.defaultExtsAsked.clear();
            QFile::remove(QString::fromStdString(path));
            if (load + 1 == 100)
                afterFirstHundred = peakKiB();
        }
    }
    state.counters["peak_KiB_after_100"] = afterFirstHundred;
    state.counters["peak_KiB_after_1000"] = peakKiB();
    state.counters["growth_KiB"] = peakKiB() - afterFirstHundred;
}

BENCHMARK(ReloadThousandFiles)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    BenchApp app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
