// Hearing the question as a learner does: spoken in its list's language, or the deck's own
// recording where the entry has one, in both media layouts; spoken at each draw when asked;
// missing speech told once; hostile media refused. Everything plays into a private sound
// server's null sink, whose monitor is recorded; the speech library starts its speech
// server in the same private runtime folder.
#include "DialogDriver.h"
#include "DictionaryWriter.h"
#include "FixedClock.h"
#include "PackageWriter.h"
#include "ScriptedSeam.h"
#include "SoundMonitor.h"
#include "zantoliceDlg.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// The layouts by the way they list their media.
void PrintTo(AnkiLayout layout, std::ostream* os)
{
    *os << (layout == AnkiLayout::Anki21WithMeta ? "JSON media" : "protobuf media");
}

namespace {

// A KVTML list of German words with English meanings; the first word's translation has
// the recording `sound` when one is given.
std::string kvtmlList(const std::string& wordLocale, const std::string& sound = {})
{
    std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<kvtml version="2.0"><identifiers>
<identifier id="0"><name>Deutsch</name><locale>)" +
                      wordLocale + R"(</locale></identifier>
<identifier id="1"><name>English</name><locale>en</locale></identifier>
</identifiers><entries>)";
    const char* words[][2] = {{"Haus", "house"}, {"Baum", "tree"},    {"Hund", "dog"},
                              {"Katze", "cat"},  {"Brot", "bread"},   {"Wasser", "water"},
                              {"Stadt", "town"}, {"Straße", "street"}};
    for (int i = 0; i < 8; ++i) {
        xml += "<entry id=\"" + std::to_string(i) + "\"><translation id=\"0\"><text>" +
               words[i][0] + "</text>" +
               (i == 0 && !sound.empty() ? "<sound>" + sound + "</sound>" : "") +
               "</translation><translation id=\"1\"><text>" + words[i][1] +
               "</text></translation></entry>";
    }
    return xml + "</entries></kvtml>";
}

// One server for the whole run: the program's player and speech stay with the first they
// meet.
class SoundEnvironment : public ::testing::Environment {
public:
    void SetUp() override { server = std::make_unique<SoundServer>(); }
    void TearDown() override { server.reset(); }

    static inline std::unique_ptr<SoundServer> server;
};

[[maybe_unused]] const auto* const kSoundEnvironment =
    ::testing::AddGlobalTestEnvironment(new SoundEnvironment);

class Speech : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SoundEnvironment::server->running()) << "pulseaudio did not start";
        clock.set(0);
        dlg = std::make_unique<CZantoliceDlg>();
        ASSERT_TRUE(dlg->Create(IDD_ZANTOLICE_DIALOG));
        dlg->GetHandle()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg->GetHandle()));
    }

    void open(const std::string& name, const QByteArray& bytes)
    {
        seam.answerOpenFile(files.writeBytes(name, bytes.toStdString()));
        clickButton(*dlg, IDC_OPEN);
        seam.messages.clear();
    }

    void drawUntil(const std::u16string& word)
    {
        ASSERT_TRUE(::drawUntil(*dlg, clock, word)) << "no draw asks the word";
    }

    void press(Qt::Key key) { QTest::keyClick(dlg->GetHandle(), key); }

    bool menuShows(const std::u16string& label)
    {
        dlg->SendMessage(WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1));
        const std::vector<RecordedMenuItem>& items = seam.menus.back().items;
        return std::any_of(items.begin(), items.end(),
                           [&](const RecordedMenuItem& item) { return item.label == label; });
    }

    // Presses S and returns the sound it gives: its first and last loud samples, and the
    // samples from the key to the first.
    std::optional<std::pair<qsizetype, qsizetype>> speak(MonitorRecording& monitor,
                                                         qsizetype& delay, int ms = 10000)
    {
        const qsizetype pressed = monitor.now();
        press(Qt::Key_S);
        const auto sound = monitor.soundAfter(pressed, ms);
        delay = sound ? sound->first - pressed : -1;
        return sound;
    }

    FixedClock clock;
    ScriptedSeam seam;
    DictionaryWriter files;
    std::unique_ptr<CZantoliceDlg> dlg;
};

TEST_F(Speech, SpeaksTheQuestionInTheListsLanguage)
{
    open("german.kvtml", QByteArray::fromStdString(kvtmlList("German")));
    MonitorRecording monitor;
    qsizetype delay = 0;
    // No question on screen: nothing to say.
    EXPECT_FALSE(speak(monitor, delay, 1500)) << "S spoke with no question on screen";

    drawUntil(u"Haus");
    // The speech server of this run was not running when the list was opened: the first
    // word is spoken as soon as any other.
    for (const char* time : {"first", "second"}) {
        ASSERT_TRUE(speak(monitor, delay)) << "the question was not spoken the " << time << " time";
        EXPECT_LT(delay, kMonitorRate) << "the voice started " << delay * 1000 / kMonitorRate
                                       << " ms after the " << time << " S";
    }
    EXPECT_TRUE(seam.messages.empty());

    EXPECT_TRUE(menuShows(u"Drill the other way: now German → English"));

    // The progress view names them too, in the direction drilled.
    sendCommand(*dlg, ID_PROGRESS_REMEMBER);
    CString strViewText;
    seam.onModal = [&](CDialog& view) -> INT_PTR {
        view.GetDlgItem(IDC_PROGRESS_TEXT)->GetWindowText(strViewText);
        return IDOK;
    };
    sendCommand(*dlg, ID_PROGRESS_VIEW);
    EXPECT_TRUE(strViewText.Left(27) == _T("Languages: German → English"))
        << QString::fromUtf16(static_cast<LPCTSTR>(strViewText)).toStdString();
}

// The deck's recording of a 660 Hz tone plays whole at its pitch; a word without one is
// spoken.
class DeckRecordings : public Speech, public ::testing::WithParamInterface<AnkiLayout> {};

TEST_P(DeckRecordings, PlayInsteadOfSpeech)
{
    const std::vector<AnkiNote> notes = italianNotesWithSound("casa.ogg");
    open("italian.apkg",
         ankiDeck(GetParam(), notes, {{"casa.ogg", tone(QStringLiteral("casa.ogg"), 660, 1.2)}}));
    MonitorRecording monitor;
    qsizetype delay = 0;

    drawUntil(u"casa");
    const auto played = speak(monitor, delay);
    ASSERT_TRUE(played) << "the recording did not play";
    const double seconds = static_cast<double>(played->second - played->first) / kMonitorRate;
    EXPECT_NEAR(seconds, 1.2, 0.1) << "the recording did not play whole";
    EXPECT_NEAR(monitor.pitch(played->first, played->second), 660, 15);

    drawUntil(u"cane");
    EXPECT_TRUE(speak(monitor, delay)) << "a word without a recording was not spoken";
    // The card templates read the front in Italian and the back in English.
    EXPECT_TRUE(menuShows(u"Drill the other way: now Italian → English"));
    for (const RecordedMessage& message : seam.messages)
        ADD_FAILURE() << QString::fromStdU16String(message.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothMediaLayouts, DeckRecordings,
                         ::testing::Values(AnkiLayout::Anki21WithMeta, AnkiLayout::Anki21bWithMeta),
                         [](const auto& info) {
                             return info.param == AnkiLayout::Anki21WithMeta ? "JsonMedia"
                                                                             : "ProtobufMedia";
                         });

TEST_F(Speech, SpeaksEachQuestionOnlyWhenAsked)
{
    open("german.kvtml", QByteArray::fromStdString(kvtmlList("de")));
    MonitorRecording monitor;
    qsizetype before = monitor.now();
    press(Qt::Key_N);
    EXPECT_FALSE(monitor.soundAfter(before, 2000)) << "a draw spoke without being asked";

    seam.chooseMenuItem(u"Speak each question");
    dlg->SendMessage(WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1));
    for (int draw = 0; draw < 3; ++draw) {
        clock.set(draw * 7);
        before = monitor.now();
        press(Qt::Key_N);
        EXPECT_TRUE(monitor.soundAfter(before, 10000)) << "draw " << draw << " was not spoken";
    }
    seam.chooseMenuItem(u"Speak each question");
    dlg->SendMessage(WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1));
    // The learner's choice is kept, on and off.
    const QSettings settings(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/zantoli/zantoli.conf"),
        QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("Speech/EachQuestion")).toString(), u"0");
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(Speech, TellsOnceWhenNoSpeechServerAnswers)
{
    // The speech library reads the address once, when it is first used: the drill runs in a
    // process of its own, where nothing listens at that address.
    if (qEnvironmentVariableIsEmpty("SPEECHD_ADDRESS")) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SPEECHD_ADDRESS"), QString::fromLatin1(kNoSpeechServer));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=Speech.TellsOnceWhenNoSpeechServerAnswers")});
        ASSERT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitCode(), 0) << "the drill without a speech server failed";
        return;
    }
    open("german.kvtml", QByteArray::fromStdString(kvtmlList("de")));
    press(Qt::Key_N);
    press(Qt::Key_S);
    ASSERT_EQ(seam.messages.size(), 1u);
    // The advice installs the server only where it is missing.
    const bool bInstalled =
        !QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher")).isEmpty();
    EXPECT_NE(seam.messages[0].text.find(bInstalled ? u"\"spd-say hello\" in a terminal"
                                                    : u"apt install speech-dispatcher-espeak-ng"),
              std::u16string::npos);
    press(Qt::Key_S);
    clock.set(30);
    press(Qt::Key_N);
    press(Qt::Key_S);
    EXPECT_EQ(seam.messages.size(), 1u) << "the missing speech was told again";
    EXPECT_EQ(windowText(*dlg, IDC_SCORE), u" ") << "the drill did not go on";
    EXPECT_EQ(windowText(*dlg, IDC_START), u"NEXT");
}

// The language picker offers each language of the voices once, by its name, those of the
// list first; the one chosen is spoken and names the direction.
TEST_F(Speech, PicksALanguageAmongTheVoices)
{
    open("german.kvtml", QByteArray::fromStdString(kvtmlList("de")));
    seam.chooseMenuItem(u"Italian (Italy)");
    sendCommand(*dlg, ID_SPEAK_WORD_LANGUAGE);
    ASSERT_EQ(seam.pickLists.size(), 1u);
    std::vector<std::u16string> items = seam.pickLists[0];
    ASSERT_GE(items.size(), 80u) << "espeak-ng's voices speak about a hundred languages";
    EXPECT_EQ(items[0], u"As the list says");
    const auto at = [&](const std::u16string& name) {
        return std::find(items.begin(), items.end(), name) - items.begin();
    };
    EXPECT_LT(at(u"German (Germany)"), at(u"Afrikaans (South Africa)"));
    EXPECT_LT(at(u"English (United States)"), at(u"Afrikaans (South Africa)"));
    EXPECT_LT(at(u"Afrikaans (South Africa)"), static_cast<ptrdiff_t>(items.size()));
    for (const std::u16string& item : items)
        EXPECT_GT(item.size(), 3u) << QString::fromStdU16String(item).toStdString();
    std::sort(items.begin(), items.end());
    EXPECT_EQ(std::adjacent_find(items.begin(), items.end()), items.end()) << "a language twice";
    EXPECT_TRUE(menuShows(u"Drill the other way: now Italian → English"));
    MonitorRecording monitor;
    qsizetype delay = 0;
    drawUntil(u"Haus");
    EXPECT_TRUE(speak(monitor, delay));
    EXPECT_TRUE(seam.messages.empty());
}

// Where no voice that Debian offers speaks the list's language, the message says so and
// advises no package that is already installed.
class LanguagesWithoutAVoice : public Speech, public ::testing::WithParamInterface<const char*> {};

TEST_P(LanguagesWithoutAVoice, AreToldWithAdviceThatHelps)
{
    open("list.kvtml", QByteArray::fromStdString(kvtmlList(GetParam())));
    drawUntil(u"Haus");
    press(Qt::Key_S);
    ASSERT_EQ(seam.messages.size(), 1u);
    const std::u16string& text = seam.messages[0].text;
    EXPECT_NE(text.find(u"none of the voices that Debian offers"), std::u16string::npos);
    EXPECT_EQ(text.find(u"apt install"), std::u16string::npos);
}

INSTANTIATE_TEST_SUITE_P(KhmerMongolian, LanguagesWithoutAVoice, ::testing::Values("km", "mn"));

// Recordings that cannot be played are told once, and the word is spoken instead at once:
// a name that leads out of the list's folder (where a real tone waits), a recording that
// says it is 2 GB, a packed one that unpacks without end, and beside a list one that is
// corrupt, empty, missing or too large.
struct HostileMedia {
    const char* name;
    std::function<QByteArray(const QByteArray& tone, DictionaryWriter& files)> list;
    const char* fileName;
};

void PrintTo(const HostileMedia& media, std::ostream* os)
{
    *os << media.name;
}

class HostileRecordings : public Speech, public ::testing::WithParamInterface<HostileMedia> {};

// The central directory's size of member `name` set to `size`, as a crafted package says.
QByteArray withDeclaredSize(QByteArray zip, const QByteArray& name, quint32 size)
{
    for (qsizetype at = zip.indexOf("PK\x01\x02"); at >= 0;
         at = zip.indexOf("PK\x01\x02", at + 4)) {
        const quint16 length = qFromLittleEndian<quint16>(zip.constData() + at + 28);
        if (zip.mid(at + 46, length) == name)
            qToLittleEndian(size, zip.data() + at + 24);
    }
    return zip;
}

// A KVTML list in folder "list" whose first word has the recording `bytes` beside it, or
// names one that is not there.
HostileMedia besideTheList(const char* name, std::optional<QByteArray> bytes)
{
    return {name,
            [bytes](const QByteArray&, DictionaryWriter& files) {
                if (bytes)
                    files.writeBytes("list/haus.ogg", bytes->toStdString());
                return QByteArray::fromStdString(kvtmlList("de", "haus.ogg"));
            },
            "list/german.kvtml"};
}

// An Ogg page's signature and then noise, as a recording cut short and overwritten.
QByteArray corruptOgg()
{
    QByteArray bytes = "OggS";
    for (int i = 0; i < 20000; ++i)
        bytes += static_cast<char>((i * 7919 + i / 13) & 0xFF);
    return bytes;
}

const HostileMedia kHostileMedia[] = {
    besideTheList("Corrupt", corruptOgg()),
    besideTheList("Empty", QByteArray()),
    besideTheList("Missing", std::nullopt),
    besideTheList("LargerThan32MB", QByteArray("OggS") + QByteArray(33 * 1024 * 1024, '\0')),
    {"KvtmlNameOutsideTheFolder",
     [](const QByteArray& sound, DictionaryWriter& files) {
         files.writeBytes("outside.ogg", sound.toStdString());
         return QByteArray::fromStdString(kvtmlList("de", "../outside.ogg"));
     },
     "list/german.kvtml"},
    {"DeckNameOutsideThePackage",
     [](const QByteArray& sound, DictionaryWriter&) {
         return ankiDeck(AnkiLayout::Anki21WithMeta, italianNotesWithSound("../casa.ogg"),
                         {{"../casa.ogg", sound}});
     },
     "italian.apkg"},
    {"TwoGigabyteRecording",
     [](const QByteArray& sound, DictionaryWriter&) {
         return withDeclaredSize(ankiDeck(AnkiLayout::Anki21WithMeta,
                                          italianNotesWithSound("casa.ogg"), {{"casa.ogg", sound}}),
                                 "0", 0x80000000u);
     },
     "italian.apkg"},
    {"ZstdBomb",
     [](const QByteArray&, DictionaryWriter&) {
         QByteArray bomb = "OggS";
         bomb += QByteArray(100 * 1024 * 1024, '\0');
         return ankiDeck(AnkiLayout::Anki21bWithMeta, italianNotesWithSound("casa.ogg"),
                         {{"casa.ogg", bomb}});
     },
     "italian.apkg"},
};

TEST_P(HostileRecordings, AreRefusedAndTheWordSpoken)
{
    const HostileMedia& media = GetParam();
    QDir().mkpath(QString::fromStdString(files.path("list")));
    const QByteArray list = media.list(tone(QStringLiteral("t.ogg"), 660, 1.2), files);
    open(media.fileName, list);
    MonitorRecording monitor;
    qsizetype delay = 0;
    drawUntil(QString::fromStdString(media.fileName).endsWith(u".apkg") ? u"casa" : u"Haus");
    const auto heard = speak(monitor, delay);
    ASSERT_TRUE(heard) << "nothing was heard";
    EXPECT_LT(delay, kMonitorRate)
        << "the word came " << delay * 1000 / kMonitorRate << " ms after S";
    EXPECT_GT(std::abs(monitor.pitch(heard->first, heard->second) - 660), 15)
        << "the hostile recording played";
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_NE(seam.messages[0].text.find(u"cannot be played"), std::u16string::npos);
    speak(monitor, delay);
    EXPECT_EQ(seam.messages.size(), 1u) << "the refusal was told twice";
}

INSTANTIATE_TEST_SUITE_P(Refused, HostileRecordings, ::testing::ValuesIn(kHostileMedia),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

// A list that names no language is known by its script; Latin text says nothing.
struct ScriptRow {
    const char* name;
    std::u16string word;
    std::u16string meaning;
    std::u16string directionItem;
};

void PrintTo(const ScriptRow& row, std::ostream* os)
{
    *os << row.name;
}

class ScriptLanguages : public Speech, public ::testing::WithParamInterface<ScriptRow> {};

TEST_P(ScriptLanguages, NameTheDirection)
{
    const ScriptRow& row = GetParam();
    std::vector<std::u16string> lines;
    for (char16_t i = u'1'; i <= u'8'; ++i) {
        lines.push_back(row.word + i);
        lines.push_back(row.meaning + i);
    }
    seam.answerOpenFile(files.write("list.dic", lines));
    clickButton(*dlg, IDC_OPEN);
    EXPECT_TRUE(menuShows(row.directionItem));
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ScriptLanguages,
    ::testing::Values(
        ScriptRow{"CyrillicGreek", u"дом", u"σπίτι", u"Drill the other way: now Russian → Greek"},
        ScriptRow{"KanaHangul", u"いえ家", u"집", u"Drill the other way: now Japanese → Korean"},
        ScriptRow{"HanArabic", u"房子", u"بيت", u"Drill the other way: now Chinese → Arabic"},
        ScriptRow{"HebrewThai", u"בית", u"บ้าน", u"Drill the other way: now Hebrew → Thai"},
        ScriptRow{"DevanagariGeorgian", u"घर", u"სახლი",
                  u"Drill the other way: now Hindi → Georgian"},
        ScriptRow{"ArmenianLatin", u"տուն", u"house", u"Drill the other way: now Armenian → ?"},
        ScriptRow{"LatinLatin", u"casa", u"house", u"Drill the other way"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
