// Opens arbitrary bytes as a word list through OPEN and, when they make a usable list,
// drills on it and opens them again, checking the quiz state after every command. The
// input's last bytes set the clock that seeds the draws, pick the taps and the file's
// extension (which picks a reader when the content does not); the rest is the file.
#include "FixedClock.h"
#include "QuizInvariants.h"
#include "ScriptedSeam.h"
#include "zantoliceDlg.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kQuestions = 16;
constexpr int kChoiceIds[CHOICE_COUNT] = {IDC_CHOICE1, IDC_CHOICE2, IDC_CHOICE3,
                                          IDC_CHOICE4, IDC_CHOICE5, IDC_CHOICE6};

// Every input is written to one of these files, named as each reader's lists are.
constexpr const char* kFileNames[] = {"input.dic",   "input.txt",  "input.tsv",  "input.csv",
                                      "input.kvtml", "input.apkg", "input.xlsx", "input.ods"};
std::string workFolder;

void check(bool holds, const char* rule)
{
    if (holds)
        return;
    std::fprintf(stderr, "quiz state broken: %s\n", rule);
    std::abort();
}

// Only a load writes the word table.
void checkWordTable(const CZantoliceDlg& dlg)
{
    check(dlg.m_nLastIndex >= -1 && dlg.m_nLastIndex < MAX_WORDS, "at most MAX_WORDS entries");
    for (int i = 0; i < MAX_WORDS; ++i) {
        check(dlg.m_strWord[i].GetLength() < LINE_BUFFER_SIZE, "a word fits the line buffer");
        check(dlg.m_strMeaning[i].GetLength() < LINE_BUFFER_SIZE, "a meaning fits the line buffer");
    }
}

void command(CZantoliceDlg& dlg, int id)
{
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    const ::testing::AssertionResult rules = quizInvariantsHold(dlg);
    check(static_cast<bool>(rules), rules.message());
}

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    check(file.good(), "the dictionary file can be written");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // They live as long as the process; every input is opened in a dialog of its own, so
    // that a finding does not depend on the inputs before it.
    static QApplication app(*argc, *argv);
    static CWinApp winApp;
    static QTemporaryDir workDir;
    workFolder = workDir.path().toStdString();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    FixedClock clock;
    clock.set(input.ConsumeIntegralInRange(0, 59));
    // Each tap byte names the slots of two taps on one question.
    std::vector<uint8_t> taps;
    for (int i = 0; i < kQuestions; ++i)
        taps.push_back(input.ConsumeIntegral<uint8_t>());
    const std::string dictionaryPath =
        workFolder + "/" + kFileNames[input.ConsumeIntegral<uint8_t>() % std::size(kFileNames)];
    writeFile(dictionaryPath, input.ConsumeRemainingBytes<uint8_t>());

    // The counters that a refused file leaves alone start as they start the program.
    g_nQuestionNo = g_nRight = g_nWrong = g_nTries = 0;
    ScriptedSeam seam;
    auto dlg = std::make_unique<CZantoliceDlg>();
    check(dlg->Create(IDD_ZANTOLICE_DIALOG), "the dialog is created");
    // The file is opened again over the drill on it, as a user may do at any time.
    for (int load = 0; load < 2; ++load) {
        seam.answerOpenFile(dictionaryPath);
        command(*dlg, IDC_OPEN);
        checkWordTable(*dlg);
        // One round after the second load, and on a list too small to drill on: there START
        // asks for a list and taps go unjudged.
        const int rounds = dlg->m_bLoaded && load == 0 ? kQuestions : 1;
        for (int i = 0; i < rounds; ++i) {
            command(*dlg, IDC_START);
            command(*dlg, kChoiceIds[taps[i] % CHOICE_COUNT]);
            command(*dlg, kChoiceIds[taps[i] / CHOICE_COUNT % CHOICE_COUNT]);
        }
    }
    // Nothing runs an event loop here: the events that showing the dialog queued in the
    // window system would pile up from input to input.
    dlg.reset();
    QCoreApplication::processEvents();
    return 0;
}
