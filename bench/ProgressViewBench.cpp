// How long the progress view takes to open on a 5,200-entry list, with 100,000 answers in
// the store, until its first paint (the goal is at most 50 ms).
#include "BenchApp.h"
#include "DialogDriver.h"
#include "DictionaryWriter.h"
#include "Progress.h"
#include "ScriptedSeam.h"
#include "zantoliceDlg.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kHistory = 100000;

// The entries DictionaryWriter::writeEntries writes, answered over the last hundred days.
void writeHistory()
{
    std::vector<progress::Entry> entries;
    for (int i = 0; i < MAX_WORDS; ++i) {
        const std::string n = std::to_string(i);
        const std::u16string number(n.begin(), n.end());
        entries.push_back({u"word" + number, u"meaning " + number});
    }
    std::u16string message;
    const auto memory = progress::Memory::open(u"bench", true, message);
    if (!memory)
        std::abort();
    memory->setList(entries);
    const std::int64_t start = QDateTime::currentSecsSinceEpoch() - 100LL * 24 * 3600;
    for (int answer = 0; answer < kHistory; ++answer)
        memory->record(answer % MAX_WORDS, progress::Direction::WordToMeaning, answer % 4 != 0,
                       start + answer * 85, message);
}

void OpenProgressView(benchmark::State& state)
{
    writeHistory();
    DictionaryWriter files;
    ScriptedSeam seam;
    CZantoliceDlg dlg;
    if (!dlg.Create(IDD_ZANTOLICE_DIALOG))
        std::abort();
    seam.answerOpenFile(files.writeEntries("list.dic", MAX_WORDS));
    clickButton(dlg, IDC_OPEN);
    sendCommand(dlg, ID_PROGRESS_REMEMBER);
    seam.onModal = [](CDialog& view) -> INT_PTR {
        view.GetHandle()->window()->repaint();
        return IDOK;
    };
    for (auto _ : state)
        sendCommand(dlg, ID_PROGRESS_VIEW);
}

BENCHMARK(OpenProgressView)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    BenchApp app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
