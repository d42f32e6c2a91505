// The memory's speed: recording one answer with its commit, with 100,000 answers in the store
// (the goal is at most 2 ms at the 95th percentile), also while another connection reads and
// merges other machines' files, choosing the next question from a 5,200-entry list (at most
// 0.1 ms), and opening the store on such a list. Merging three other machines' files of
// 50,000 answers each from the progress folder, the first time (no goal: it runs off the
// window's thread, and the answering thread's stall below is what the learner feels) and with
// nothing new in them (at most 2 ms). A file of 3,000,000 answers merged while the learner
// answers: the longest the answering thread waits (at most 50 ms) and what the merge adds to
// the peak memory (at most 100 MB).
//
// The store is the one under XDG_DATA_HOME; when that is not set, a temporary folder's. A
// store that already holds the history is used as it is, so that bench/startup.py can
// prepare one for the program to start on.
#include "Progress.h"
#include "Schema.h"
#include "StoreIn.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <SQLiteCpp/SQLiteCpp.h>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <thread>
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
    auto opened = openStoreIn(folder, device);
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

// Marks every file of `folder` changed, so that the next merge reads each whole again.
void touchFiles(const QString& folder)
{
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.sqlite")}, QDir::Files))
        ::utimensat(AT_FDCWD, QFile::encodeName(folder + u'/' + name).constData(), nullptr, 0);
}

std::vector<double> sorted(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values;
}

// Another connection (another program, or the window's own merge) reads and merges the three
// machines' files again and again while answers are recorded.
void RecordAnswerWhileAnotherMerges(benchmark::State& state)
{
    progress::Memory& store = memory();
    const QString folder = progressFolder();
    std::atomic<bool> done = false;
    std::thread other([&folder, &done] {
        std::u16string message;
        const auto merger = progress::Memory::open(u"other-program", false, message);
        while (!done) {
            touchFiles(folder);
            merger->merge(folder.toStdU16String());
        }
    });
    std::vector<double> milliseconds;
    std::u16string message;
    int answer = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(store.record(answer % kEntries, progress::Direction::MeaningToWord,
                                              answer % 3 != 0, afterHistory() + answer, message));
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        milliseconds.push_back(took.count() * 1000.0);
        ++answer;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    done = true;
    other.join();
    const std::vector<double> ordered = sorted(milliseconds);
    state.counters["p95_ms"] = ordered[ordered.size() * 95 / 100];
    state.counters["max_ms"] = ordered.back();
}

constexpr int kLargeFile = 3000000;

// The highest resident memory of the process so far, in MB.
double peakMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

// Another machine's file of 3,000,000 answers over the list, written as the program writes
// its files.
QString largeFolder()
{
    static const QTemporaryDir root;
    static const QString folder = [] {
        const QString shared = root.filePath(QStringLiteral("large"));
        QDir().mkpath(shared);
        SQLite::Database file(
            QFile::encodeName(shared + QStringLiteral("/large.sqlite")).toStdString(),
            SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        file.exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA user_version=" +
                  std::to_string(progress::schema::kVersion));
        for (const progress::schema::Table& table : progress::schema::tables())
            file.exec(progress::schema::createStatement(table));
        SQLite::Statement answers(file, R"sql(
INSERT INTO answers (entry, direction, time, device, seq, id, day, right, counted)
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?1)
SELECT (i * 7919) % 5200, i % 2, ?2 + i * 2, 'large-machine', i, randomblob(16),
       (?2 + i * 2) / 86400 + 2440588, i % 4 != 0, 1 FROM n)sql");
        answers.bind(1, kLargeFile);
        answers.bind(2, kHistoryStart - std::int64_t{kLargeFile} * 2);
        answers.exec();
        return shared;
    }();
    return folder;
}

// The window merges the large file while the learner answers and the next question is
// chosen, as fast as they come; the merge's result is taken when it is ready.
void AnswerWhileALargeFileMerges(benchmark::State& state)
{
    const QString folder = largeFolder();
    for (auto _ : state) {
        state.PauseTiming();
        const QTemporaryDir data;
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        std::u16string message;
        auto store = progress::Memory::open(u"this-machine", true, message);
        qputenv("XDG_DATA_HOME", saved);
        store->setList(typicalList());
        const double peakBefore = peakMegabytes();
        state.ResumeTiming();
        // The longest wait of a question and of each of its steps, to tell which one stalls.
        double longest = 0;
        double longestStart = 0;
        double longestFinish = 0;
        double longestNext = 0;
        double longestRecord = 0;
        const auto took = [](auto& longestOfStep, auto since) {
            const auto now = std::chrono::steady_clock::now();
            longestOfStep =
                std::max(longestOfStep, std::chrono::duration<double>(now - since).count());
            return now;
        };
        int answers = 0;
        const auto start = std::chrono::steady_clock::now();
        store->merge(folder.toStdU16String(), true);
        auto stepStart = took(longestStart, start);
        for (;;) {
            const auto questionStart = stepStart;
            const bool finished = store->finishedMerge().has_value();
            stepStart = took(longestFinish, stepStart);
            if (finished)
                break;
            const progress::NextQuestion next =
                store->next(progress::Direction::WordToMeaning, afterHistory());
            stepStart = took(longestNext, stepStart);
            store->record(next.entry >= 0 ? next.entry : answers % kEntries,
                          progress::Direction::WordToMeaning, answers % 3 != 0,
                          afterHistory() + answers, message);
            stepStart = took(longestRecord, stepStart);
            took(longest, questionStart);
            ++answers;
        }
        state.PauseTiming();
        state.counters["merge_s"] =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.counters["longest_stall_ms"] =
            std::max({longestStart, longest, longestFinish}) * 1000.0;
        state.counters["start_ms"] = longestStart * 1000.0;
        state.counters["finish_ms"] = longestFinish * 1000.0;
        state.counters["next_ms"] = longestNext * 1000.0;
        state.counters["record_ms"] = longestRecord * 1000.0;
        state.counters["answers_meanwhile"] = answers;
        state.counters["answers_merged"] = static_cast<double>(store->answerCount());
        state.counters["peak_added_mb"] = peakMegabytes() - peakBefore;
        store.reset();
        state.ResumeTiming();
    }
}

BENCHMARK(RecordAnswer)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(ChooseNextQuestion)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenStoreWithList)->Unit(benchmark::kMillisecond);
BENCHMARK(MergeFirstTime)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(MergeNothingNew)->Unit(benchmark::kMillisecond);
BENCHMARK(RecordAnswerWhileAnotherMerges)
    ->UseManualTime()
    ->Iterations(1000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(AnswerWhileALargeFileMerges)->Iterations(1)->Unit(benchmark::kMillisecond);

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
