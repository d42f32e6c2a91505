// The memory's speed: recording one answer with its commit, with 100,000 answers in the store
// (the goal is at most 2 ms at the 95th percentile), choosing the next question from a
// 5,200-entry list (at most 0.1 ms), and opening the store on such a list. Merging three other
// machines' files of 50,000 answers each from the progress folder, the first time (at most
// 100 ms) and with nothing new in them (at most 2 ms).
//
// The store is the one under XDG_DATA_HOME; when that is not set, a temporary folder's. A
// store that already holds the history is used as it is, so that bench/startup.py can
// prepare one for the program to start on.
#include "Progress.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kEntries = 5200;
constexpr int kHistory = 100000;

// The entries of the start-up benchmark's KVTML list.
std::vector<progress::Entry> typicalList()
{
    std::vector<progress::Entry> entries;
    for (int i = 0; i < kEntries; ++i) {
        const std::string n = std::to_string(i);
        const std::u16string number(n.begin(), n.end());
        entries.push_back({u"vocabulary" + number, u"a word that belongs to the list " + number});
    }
    return entries;
}

// 2026-09-01 10:00 UTC, the first day of the history.
constexpr std::int64_t kHistoryStart = 1788256800;

// The store with its history: every entry answered in both directions, about a hundred days
// of answers, one in four missed.
progress::Memory& memory()
{
    static const std::unique_ptr<progress::Memory> store = [] {
        std::u16string message;
        auto opened = progress::Memory::open(u"bench", true, message);
        if (!opened)
            std::abort();
        opened->setList(typicalList());
        for (std::int64_t answer = opened->answerCount(); answer < kHistory; ++answer) {
            const auto direction = static_cast<progress::Direction>((answer / kEntries) % 2);
            opened->record(static_cast<int>(answer % kEntries), direction, answer % 4 != 0,
                           kHistoryStart + answer * 85, message);
        }
        return opened;
    }();
    return *store;
}

std::int64_t afterHistory()
{
    return kHistoryStart + std::int64_t{kHistory} * 85 + 3600;
}

void RecordAnswer(benchmark::State& state)
{
    progress::Memory& store = memory();
    std::vector<double> milliseconds;
    std::u16string message;
    int answer = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool saved = store.record(answer % kEntries, progress::Direction::WordToMeaning,
                                        answer % 3 != 0, afterHistory() + answer, message);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        benchmark::DoNotOptimize(saved);
        state.SetIterationTime(took.count());
        milliseconds.push_back(took.count() * 1000.0);
        ++answer;
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["p95_ms"] = milliseconds[milliseconds.size() * 95 / 100];
    state.counters["answers_in_store"] = static_cast<double>(store.answerCount());
}

void ChooseNextQuestion(benchmark::State& state)
{
    progress::Memory& store = memory();
    store.setList(typicalList());
    const std::int64_t now = afterHistory();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.next(progress::Direction::MeaningToWord, now));
}

// What Remember progress adds to loading a list: opening the store (with its check) and
// finding the list's entries in it.
void OpenStoreWithList(benchmark::State& state)
{
    memory();
    const std::vector<progress::Entry> list = typicalList();
    std::u16string message;
    for (auto _ : state) {
        const auto opened = progress::Memory::open(u"bench", false, message);
        opened->setList(list);
        benchmark::DoNotOptimize(opened->stateOf(0, progress::Direction::WordToMeaning));
    }
}

constexpr int kOtherMachines = 3;
constexpr int kAnswersPerMachine = 50000;

// The store of the device `device` in the data folder `folder`.
std::unique_ptr<progress::Memory> openIn(const QString& folder, const std::u16string& device)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder));
    std::u16string message;
    auto opened = progress::Memory::open(device, true, message);
    qputenv("XDG_DATA_HOME", saved);
    if (!opened)
        std::abort();
    return opened;
}

// A progress folder that holds the files of three other machines, each of which answered
// over the same list on its own.
const QString& progressFolder()
{
    static const QTemporaryDir root;
    static const QString folder = [] {
        const QString shared = root.filePath(QStringLiteral("shared"));
        QDir().mkpath(shared);
        for (int machine = 0; machine < kOtherMachines; ++machine) {
            const std::string n = std::to_string(machine);
            auto store = openIn(root.filePath(QString::number(machine)),
                                u"machine-" + std::u16string(n.begin(), n.end()));
            store->setList(typicalList());
            std::u16string message;
            for (int answer = 0; answer < kAnswersPerMachine; ++answer) {
                const auto direction =
                    static_cast<progress::Direction>((answer / kEntries + machine) % 2);
                store->record((answer * 7 + machine) % kEntries, direction, answer % 4 != 0,
                              kHistoryStart + answer * 170 + machine * 60, message);
            }
            store->writeSnapshot(shared.toStdU16String(), message);
        }
        return shared;
    }();
    return folder;
}

void MergeFirstTime(benchmark::State& state)
{
    const std::u16string folder = progressFolder().toStdU16String();
    for (auto _ : state) {
        state.PauseTiming();
        const QTemporaryDir data;
        auto store = openIn(data.path(), u"this-machine");
        store->setList(typicalList());
        state.ResumeTiming();
        benchmark::DoNotOptimize(store->merge(folder));
        state.PauseTiming();
        state.counters["answers_merged"] = static_cast<double>(store->answerCount());
        store.reset();
        state.ResumeTiming();
    }
}

void MergeNothingNew(benchmark::State& state)
{
    const std::u16string folder = progressFolder().toStdU16String();
    const QTemporaryDir data;
    auto store = openIn(data.path(), u"this-machine");
    store->setList(typicalList());
    store->merge(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(store->merge(folder));
}

BENCHMARK(RecordAnswer)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(ChooseNextQuestion)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenStoreWithList)->Unit(benchmark::kMillisecond);
BENCHMARK(MergeFirstTime)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(MergeNothingNew)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    const QTemporaryDir data;
    if (qEnvironmentVariableIsEmpty("XDG_DATA_HOME"))
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
