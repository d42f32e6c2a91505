// The main window as a person meets it on the desktop: its start state, a drill by mouse
// and by keys, the scribble pad, the context menu, dictionaries dropped or named on the
// command line, and what a screen reader is told.
#include "DialogDriver.h"
#include "DictionaryWriter.h"
#include "FixedClock.h"
#include "Pixels.h"
#include "QuizInvariants.h"
#include "ScriptedSeam.h"
#include "private/ClientSurface.h"
#include "private/FittedLineEdit.h"
#include "zantoliceDlg.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

constexpr int kChoiceButtons[6] = {IDC_CHOICE1, IDC_CHOICE2, IDC_CHOICE3,
                                   IDC_CHOICE4, IDC_CHOICE5, IDC_CHOICE6};
constexpr int kChoiceLines[6] = {IDC_CHOICE_TEXT1, IDC_CHOICE_TEXT2, IDC_CHOICE_TEXT3,
                                 IDC_CHOICE_TEXT4, IDC_CHOICE_TEXT5, IDC_CHOICE_TEXT6};
constexpr QRgb kBlack = 0xFF000000;

class MainDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock.set(17);
        dlg = std::make_unique<CZantoliceDlg>();
        ASSERT_TRUE(dlg->Create(IDD_ZANTOLICE_DIALOG));
        zoomToOwnSize(*dlg);
        window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    }

    QWidget* window() const { return dlg->GetHandle(); }
    QWidget* control(int id) const { return dlg->GetDlgItem(id)->GetHandle(); }
    ClientSurface* surface() const { return window()->findChild<ClientSurface*>(); }

    void openList(int entries)
    {
        seam.answerOpenFile(files.writeEntries("list.dic", entries));
        clickButton(*dlg, IDC_OPEN);
        seam.messages.clear();
    }

    // The line that shows the question's meaning, found as a reader would: by the text.
    int rightLine() const
    {
        const std::u16string question = windowText(*dlg, IDC_QUESTION);
        const std::u16string meaning = u"meaning " + question.substr(4);
        for (int k = 0; k < 6; ++k) {
            if (windowText(*dlg, kChoiceLines[k]) == meaning)
                return k;
        }
        return -1;
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window(), key, modifiers);
    }

    // Counts the black pixels of the client image inside `rect`.
    int blackPixels(const QRect& rect)
    {
        const QImage& image = clientImage(*dlg);
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                count += image.pixel(x, y) == kBlack;
        return count;
    }

    // A point on the free band below the score line, where only the pad is.
    QPoint freeBand(int dx, int dy) const
    {
        const QRect score = control(IDC_SCORE)->geometry();
        return QPoint(10 + dx, score.bottom() + 30 + dy);
    }

    // Through the window system, which turns the right button into a context menu request.
    void rightClick(const QPoint& client)
    {
        QTest::mouseClick(window()->windowHandle(), Qt::RightButton, {},
                          surface()->mapTo(window(), client));
    }

    ScriptedSeam seam;
    DictionaryWriter files;
    FixedClock clock;
    std::unique_ptr<CZantoliceDlg> dlg;
};

TEST_F(MainDialog, StartsEmptyWithTheFocusOnTheFirstChoice)
{
    EXPECT_EQ(windowText(*dlg), u"ZANTOLI 1.7 for CE");
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), u"");
    for (int line : kChoiceLines)
        EXPECT_EQ(windowText(*dlg, line), u"") << line;
    EXPECT_EQ(windowText(*dlg, IDC_SCORE), u"");
    EXPECT_EQ(windowText(*dlg, IDC_START), u"START");
    EXPECT_EQ(QApplication::focusWidget(), control(IDC_CHOICE1));
    EXPECT_FALSE(dlg->m_bLoaded);
    EXPECT_FALSE(dlg->m_bAnswerable);
    EXPECT_EQ(g_nLastX, 0);
    EXPECT_EQ(g_nLastY, 0);
    EXPECT_TRUE(
        pixelsAre(clientImage(*dlg).copy(0, 0, 48, 48), tiled(bitmapResource(IDB_MAIN_BACK))))
        << "the background is bitmap 135, tiled";
}

TEST_F(MainDialog, DrillByClickingTheButtons)
{
    openList(40);
    clickButton(*dlg, IDC_START);
    EXPECT_EQ(windowText(*dlg, IDC_START), u"NEXT");
    const int right = rightLine();
    ASSERT_GE(right, 0);
    const int wrong = (right + 1) % 6;
    const std::u16string wrongMeaning = windowText(*dlg, kChoiceLines[wrong]);

    clickButton(*dlg, kChoiceButtons[wrong]);
    const std::u16string revealed = windowText(*dlg, kChoiceLines[wrong]);
    EXPECT_NE(revealed.find(u"=" + wrongMeaning), std::u16string::npos) << "word=meaning";
    EXPECT_TRUE(seam.messages.empty());

    clickButton(*dlg, kChoiceButtons[right]);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, u"OK~ RIGHT!");
    EXPECT_EQ(windowText(*dlg, kChoiceLines[right]), windowText(*dlg, IDC_QUESTION) + u"=meaning " +
                                                         windowText(*dlg, IDC_QUESTION).substr(4));
    EXPECT_EQ(windowText(*dlg, IDC_SCORE), u"No.1, R=0, W=1, Score= 0.00");

    clock.set(18);
    clickButton(*dlg, IDC_START);
    EXPECT_GE(rightLine(), 0) << "a fresh question with unrevealed lines";
    EXPECT_TRUE(quizInvariantsHold(*dlg));
}

TEST_F(MainDialog, KeysSendTheButtonsCommands)
{
    seam.answerOpenFile(files.writeEntries("keys.dic", 40));
    press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(seam.messages.size(), 1u) << "Ctrl+O opens";
    EXPECT_EQ(dlg->m_nLastIndex, 39);

    press(Qt::Key_N);
    EXPECT_EQ(g_nQuestionNo, 1) << "N draws";
    press(Qt::Key_Return);
    EXPECT_EQ(g_nQuestionNo, 2) << "Enter draws and does not end the program";
    EXPECT_TRUE(window()->isVisible());

    const int right = rightLine();
    const int wrong = (right + 1) % 6;
    QTest::keyClick(window(), Qt::Key(Qt::Key_1 + wrong), Qt::KeypadModifier);
    EXPECT_EQ(g_nWrong, 1) << "keypad digits answer";
    EXPECT_NE(windowText(*dlg, kChoiceLines[wrong]).find(u"="), std::u16string::npos);
    press(Qt::Key(Qt::Key_1 + right));
    EXPECT_EQ(seam.messages.back().text, u"OK~ RIGHT!") << "top-row digits answer";

    int aboutBoxes = 0;
    seam.onModal = [&](CDialog&) -> INT_PTR {
        ++aboutBoxes;
        return IDOK;
    };
    press(Qt::Key_F1);
    EXPECT_EQ(aboutBoxes, 1) << "F1 shows the About box";
}

TEST_F(MainDialog, AHeldKeyAnswersOnce)
{
    openList(40);
    clickButton(*dlg, IDC_START);
    const int wrong = (rightLine() + 1) % 6;
    const auto key = Qt::Key(Qt::Key_1 + wrong);
    const QString text = QString::number(wrong + 1);
    QTest::simulateEvent(window(), true, key, Qt::NoModifier, text, false);
    for (int repeat = 0; repeat < 5; ++repeat) {
        QTest::simulateEvent(window(), false, key, Qt::NoModifier, text, true);
        QTest::simulateEvent(window(), true, key, Qt::NoModifier, text, true);
    }
    QTest::simulateEvent(window(), false, key, Qt::NoModifier, text, false);
    EXPECT_EQ(g_nTries, 1) << "auto-repeat is not a second answer";
}

TEST_F(MainDialog, ButtonsFiveAndSixReachTheirOwnLines)
{
    openList(40);
    for (int k : {4, 5}) {
        clock.set(20 + k);
        clickButton(*dlg, IDC_START);
        if (rightLine() == k)
            continue;
        clickButton(*dlg, kChoiceButtons[k]);
        for (int line = 0; line < 6; ++line)
            EXPECT_EQ(windowText(*dlg, kChoiceLines[line]).find(u"=") != std::u16string::npos,
                      line == k)
                << "button " << k + 1 << ", line " << line + 1;
    }
}

TEST_F(MainDialog, DraggingDrawsOnTheFreeBandAndCWipesIt)
{
    openList(40);
    clickButton(*dlg, IDC_START);
    const QRect band(freeBand(0, -10), freeBand(120, 10));
    ASSERT_EQ(blackPixels(band), 0);

    QTest::mouseMove(surface(), freeBand(0, 0));
    QTest::mouseMove(surface(), freeBand(60, 0));
    EXPECT_EQ(blackPixels(band), 0) << "moves with the button up draw nothing";

    QTest::mousePress(surface(), Qt::LeftButton, {}, freeBand(0, 0));
    EXPECT_EQ(blackPixels(band), 0) << "a tap draws nothing";
    QTest::mouseMove(surface(), freeBand(50, 0));
    QTest::mouseMove(surface(), freeBand(100, 5));
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, freeBand(100, 5));
    EXPECT_EQ(clientImage(*dlg).pixel(freeBand(25, 0)), kBlack);
    EXPECT_EQ(clientImage(*dlg).pixel(freeBand(75, 2)), kBlack);
    EXPECT_EQ(g_nLastX, freeBand(100, 5).x());
    EXPECT_EQ(g_nLastY, freeBand(100, 5).y());

    // The next stroke starts where the stylus goes down again, not where the last ended.
    QTest::mousePress(surface(), Qt::LeftButton, {}, freeBand(0, -10));
    QTest::mouseMove(surface(), freeBand(10, -10));
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, freeBand(10, -10));
    EXPECT_EQ(clientImage(*dlg).pixel(freeBand(5, -10)), kBlack);
    EXPECT_NE(clientImage(*dlg).pixel(freeBand(55, -3)), kBlack);

    const std::u16string question = windowText(*dlg, IDC_QUESTION);
    const std::u16string line3 = windowText(*dlg, IDC_CHOICE_TEXT3);
    clickButton(*dlg, IDC_CLEAR);
    EXPECT_EQ(blackPixels(band), 0);
    EXPECT_TRUE(pixelsAre(clientImage(*dlg), tiled(bitmapResource(IDB_MAIN_BACK))));
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), question);
    EXPECT_EQ(windowText(*dlg, IDC_CHOICE_TEXT3), line3);
    EXPECT_EQ(windowText(*dlg, IDC_START), u"NEXT");

    QTest::mousePress(surface(), Qt::LeftButton, {}, freeBand(0, 0));
    QTest::mouseMove(surface(), freeBand(40, 0));
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, freeBand(40, 0));
    press(Qt::Key_Delete);
    EXPECT_EQ(blackPixels(band), 0) << "Delete wipes the pad like C";
}

TEST_F(MainDialog, ScreenshotOfADrill)
{
    openList(40);
    clickButton(*dlg, IDC_START);
    clickButton(*dlg, kChoiceButtons[(rightLine() + 2) % 6]);
    QTest::mousePress(surface(), Qt::LeftButton, {}, freeBand(0, 0));
    QTest::mouseMove(surface(), freeBand(60, 10));
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, freeBand(60, 10));
    const QString path = QString::fromStdString(files.path("main-dialog.png"));
    ASSERT_TRUE(window()->grab().save(path)) << path.toStdString();
    const QImage shot(path);
    EXPECT_EQ(shot.size(), window()->size() * window()->devicePixelRatio());
}

TEST_F(MainDialog, DroppedDictionaryOpensLikeOpen)
{
    const std::string path = files.writeEntries("dropped.dic", 12);
    EXPECT_TRUE(window()->acceptDrops());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window(), &drop);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, u"This dictionary contains 12 words.");
    EXPECT_EQ(windowText(*dlg), u"dropped.dic ");
    EXPECT_EQ(std::u16string(g_strDicPath), std::u16string(frameworkPath(path)));
}

TEST_F(MainDialog, ScreenReadersHearWhatEachControlIs)
{
    openList(40);
    clickButton(*dlg, IDC_START);
    const QString line1 = control(IDC_CHOICE_TEXT1)->property("text").toString();
    EXPECT_EQ(control(IDC_CHOICE1)->accessibleName(), QStringLiteral("Choice 1: ") + line1);
    for (int id : {IDC_OPEN, IDC_START, IDC_ABOUT, IDC_CLEAR, IDC_QUESTION, IDC_SCORE,
                   IDC_CHOICE_TEXT1, IDC_CHOICE_TEXT6})
        EXPECT_FALSE(control(id)->accessibleName().isEmpty()) << id;
    EXPECT_TRUE(control(IDC_CHOICE3)->toolTip().contains(QStringLiteral("key 3")));
}

// Entries longer than their fields: the font shrinks and then the text wraps onto a second
// line inside the field, and the tooltip and a screen reader have all of it; a question of
// 300 characters takes more lines in the free room around its field, over no other
// control. A revealed right-to-left word stays first, at the start of its line.
TEST_F(MainDialog, LongEntriesAreShownWhole)
{
    struct Row {
        const char* what;
        std::u16string word; // each entry's, followed by its number
        std::u16string meaning;
        int field;             // a choice line is the one revealed by a wrong answer
        bool cut;              // shown in a smaller font or on two lines
        qreal smallest = 0.69; // share of the field's font
    };
    const Row rows[] = {
        {"long question",
         u"Which vaccine must be stored below eight degrees Celsius, away from light, at all "
         u"times? No.",
         u"the vaccine", IDC_QUESTION, true},
        {"300-character question",
         u"A dish of pasta in a broth, the soup that every Italian grandmother makes on a cold "
         u"winter evening, with small pieces of carrot, celery and onion, a spoon of tomato, a "
         u"handful of beans, some grated cheese on top, and bread on the side to wipe the bowl "
         u"clean when the soup is gone at last, no.",
         u"la minestra", IDC_QUESTION, true, 0.49},
        {"long choice", u"drug",
         u"a drug that lowers fever and thins the blood, taken in small doses against heart "
         u"attacks, no.",
         IDC_CHOICE_TEXT1, true},
        {"right-to-left word revealed", u"\u05E9\u05DC\u05D5\u05DD", u"peace", IDC_CHOICE_TEXT1,
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<std::u16string> lines;
        for (int i = 0; i < 8; ++i) {
            const std::u16string number = QString::number(i).toStdU16String();
            lines.push_back(row.word + u" " + number);
            lines.push_back(row.meaning + u" " + number);
        }
        seam.answerOpenFile(files.write("long.dic", lines));
        clickButton(*dlg, IDC_OPEN);
        clickButton(*dlg, IDC_START);
        int field = row.field;
        if (field != IDC_QUESTION) {
            const int wrong = dlg->m_nAnswer % 6;
            clickButton(*dlg, kChoiceButtons[wrong]);
            field = kChoiceLines[wrong];
        }
        auto* edit = qobject_cast<FittedLineEdit*>(control(field));
        ASSERT_TRUE(edit);
        const QString text = edit->text();
        const QStringList shown = edit->shownLines();
        EXPECT_EQ(shown.join(QString()).remove(u' '), QString(text).remove(u' '))
            << "shown whole: " << shown.join(u'|').toStdString();
        const qreal size = edit->font().pointSizeF();
        const qreal fitted = edit->fittedFont().pointSizeF();
        EXPECT_EQ(fitted < size || shown.size() == 2, row.cut) << fitted << " of " << size;
        EXPECT_GE(fitted, size * row.smallest);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Value), text);
        // The question may cover its label, nothing else.
        for (const QWidget* other :
             edit->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(other == edit || !other->isVisible() ||
                        qobject_cast<const QLabel*>(other) ||
                        !other->geometry().intersects(edit->geometry()))
                << "the field covers " << other->accessibleName().toStdString();
        }
        if (row.cut) {
            EXPECT_EQ(edit->toolTip(), text);
            EXPECT_TRUE(edit->accessibleDescription().startsWith(text));
        } else {
            // Drawn from the line's start, as the word comes first, not from its end.
            const QImage drawn = edit->grab().toImage();
            int first = drawn.width();
            int last = 0;
            for (int x = 0; x < drawn.width(); ++x) {
                for (int y = 0; y < drawn.height(); ++y) {
                    if (qGray(drawn.pixel(x, y)) < 96) {
                        first = std::min(first, x);
                        last = x;
                    }
                }
            }
            EXPECT_LT(first, drawn.width() / 10);
            EXPECT_LT(last, drawn.width() / 2);
        }
    }
}

// Counts the paint events a window gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* window) { window->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int paints = 0;
};

TEST(MainDialogCommandLine, NamedDictionaryOpensOnceTheWindowIsOnScreen)
{
    ScriptedSeam seam;
    DictionaryWriter files;
    CWinApp* app = AfxGetApp();
    app->m_lpCmdLine = frameworkPath(files.writeEntries("named.dic", 9));
    auto dlg = std::make_unique<CZantoliceDlg>();
    std::optional<PaintCounter> counter;
    int paintsBeforeTheBox = -1;
    seam.onMessage = [&](const RecordedMessage&) { paintsBeforeTheBox = counter->paints; };
    ASSERT_TRUE(dlg->Create(IDD_ZANTOLICE_DIALOG));
    counter.emplace(dlg->GetHandle()->window());
    EXPECT_TRUE(seam.messages.empty()) << "nothing is read before the window is up";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !seam.messages.empty(); }));
    app->m_lpCmdLine.Empty();
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, u"This dictionary contains 9 words.");
    EXPECT_GT(paintsBeforeTheBox, 0) << "the window is painted before the list is read";
    EXPECT_TRUE(dlg->m_bLoaded);
    EXPECT_EQ(windowText(*dlg), u"named.dic ");
}

// The context menu, top to bottom: each item's label and the key shown beside it.
const std::vector<RecordedMenuItem> kMenu = {
    {u"Open…", u"Ctrl+O", false, false},
    {u"Next question", u"N", false, false},
    {u"About", u"F1", false, false},
    {u"Progress…", u"F2", false, false},
    {u"Wipe the pad", u"Del", false, false},
    {u"", u"", true, false},
    {u"Speak", u"S", false, false},
    {u"Speak each question", u"", false, false},
    {u"Language of the words…", u"", false, false},
    {u"Language of the meanings…", u"", false, false},
    {u"", u"", true, false},
    {u"Drill the other way", u"Ctrl+R", false, false},
    {u"Copy missed words", u"Ctrl+Shift+C", false, false},
    {u"Think first", u"Ctrl+T", false, false},
    {u"Pause before the choices (3 s)…", u"", false, false},
    {u"", u"", true, false},
    {u"Remember progress", u"Ctrl+M", false, false},
    {u"Forget progress of this list…", u"", false, false},
    {u"Progress folder…", u"", false, false},
    {u"", u"", true, false},
    {u"Zoom in", u"Ctrl++", false, false},
    {u"Zoom out", u"Ctrl+-", false, false},
    {u"Original size", u"Ctrl+0", false, false},
    {u"Interface language…", u"", false, false},
    {u"", u"", true, false},
    {u"Quit", u"Ctrl+Q", false, false},
};

TEST_F(MainDialog, ContextMenuOpensByTheRightButtonAndByTheKeyboard)
{
    openList(40);
    const QPoint click = freeBand(20, 0);
    rightClick(click);
    ASSERT_EQ(seam.menus.size(), 1u);
    EXPECT_EQ(seam.menus[0].items, kMenu);
    EXPECT_EQ(QPoint(seam.menus[0].point.x, seam.menus[0].point.y), surface()->mapToGlobal(click));
    EXPECT_EQ(blackPixels(QRect(freeBand(0, -10), freeBand(40, 10))), 0)
        << "the right button does not draw";

    press(Qt::Key_F10, Qt::ShiftModifier);
    press(Qt::Key_Menu);
    ASSERT_EQ(seam.menus.size(), 3u) << "one menu for each";
    for (size_t i : {1u, 2u}) {
        EXPECT_EQ(seam.menus[i].items, kMenu);
        EXPECT_TRUE(window()->frameGeometry().contains(
            QPoint(seam.menus[i].point.x, seam.menus[i].point.y)))
            << "a menu from the keyboard opens over the window";
    }

    // A stray R in the middle of a drill would throw its score away.
    press(Qt::Key_R);
    EXPECT_FALSE(dlg->m_bReverse) << "R alone does nothing";
    press(Qt::Key_R, Qt::ControlModifier);
    rightClick(click);
    std::vector<RecordedMenuItem> otherWay = kMenu;
    otherWay[11].checked = true;
    EXPECT_EQ(seam.menus.back().items, otherWay) << "the check shows the direction";
}

// One way to give a command: through the menu, opened three ways, or with the key that the
// menu shows beside the item.
enum class Way { RightClick, ShiftF10, MenuKey, ItsKey };

struct MenuCommandRow {
    const char* name;
    std::u16string label;
    // Before each use; then, after the n-th use, whether the command ran n times.
    std::function<void(class ContextMenu&)> arrange;
    std::function<void(class ContextMenu&, int)> expectRan;
};

std::ostream& operator<<(std::ostream& os, const MenuCommandRow& row)
{
    return os << row.name;
}

class ContextMenu : public MainDialog, public ::testing::WithParamInterface<MenuCommandRow> {
public:
    static std::vector<MenuCommandRow> rows();

protected:
    void SetUp() override
    {
        MainDialog::SetUp();
        seam.onModal = [this](CDialog&) -> INT_PTR {
            ++aboutBoxes;
            return IDOK;
        };
        openList(40);
        seam.filtersAsked.clear();
        clickButton(*dlg, IDC_START);
    }

    // The keys go to the active window; the About box or Quit took that away.
    void use(Way way, const std::u16string& label)
    {
        window()->show();
        window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
        if (way == Way::ItsKey) {
            const RecordedMenuItem& item = *std::find_if(
                kMenu.begin(), kMenu.end(), [&](const auto& i) { return i.label == label; });
            QTest::keySequence(window(), QKeySequence(QString::fromStdU16String(item.key)));
            return;
        }
        seam.chooseMenuItem(label);
        if (way == Way::RightClick)
            rightClick(freeBand(20, 0));
        else if (way == Way::ShiftF10)
            press(Qt::Key_F10, Qt::ShiftModifier);
        else
            press(Qt::Key_Menu);
    }

    void drawStroke()
    {
        QTest::mousePress(surface(), Qt::LeftButton, {}, freeBand(0, 0));
        QTest::mouseMove(surface(), freeBand(60, 0));
        QTest::mouseRelease(surface(), Qt::LeftButton, {}, freeBand(60, 0));
        ASSERT_GT(blackPixels(band()), 0);
    }

    QRect band() const { return QRect(freeBand(0, -10), freeBand(120, 10)); }

    int messagesSaying(const std::u16string& text) const
    {
        return static_cast<int>(std::count_if(seam.messages.begin(), seam.messages.end(),
                                              [&](const auto& m) { return m.text == text; }));
    }

    // Zooms by keys, starting from the opening size, and notes the height it comes to.
    void zoomFromOpeningSize(int steps)
    {
        QTest::keySequence(window(), QKeySequence(QStringLiteral("Ctrl+0")));
        openingHeight = window()->height();
        for (int i = 0; i < steps; ++i)
            QTest::keySequence(window(), QKeySequence(QStringLiteral("Ctrl++")));
        heightBefore = window()->height();
    }

    int aboutBoxes = 0;
    int openingHeight = 0;
    int heightBefore = 0;
};

std::vector<MenuCommandRow> ContextMenu::rows()
{
    const auto nothing = [](ContextMenu&) {};
    return {
        {"Open", u"Open…", nothing,
         [](ContextMenu& t, int n) {
             EXPECT_EQ(static_cast<int>(t.seam.filtersAsked.size()), n) << "the file dialog";
         }},
        {"NextQuestion", u"Next question", nothing,
         [](ContextMenu&, int n) { EXPECT_EQ(g_nQuestionNo, 1 + n); }},
        {"About", u"About", nothing, [](ContextMenu& t, int n) { EXPECT_EQ(t.aboutBoxes, n); }},
        {"Progress", u"Progress…", nothing,
         [](ContextMenu& t, int n) { EXPECT_EQ(t.aboutBoxes, n) << "the progress view"; }},
        {"WipeThePad", u"Wipe the pad", [](ContextMenu& t) { t.drawStroke(); },
         [](ContextMenu& t, int) { EXPECT_EQ(t.blackPixels(t.band()), 0); }},
        {"DrillTheOtherWay", u"Drill the other way", nothing,
         [](ContextMenu& t, int n) {
             EXPECT_EQ(t.dlg->m_bReverse, n % 2);
             EXPECT_EQ(windowText(*t.dlg, IDC_QUESTION), u"Click \"START\" button to start !!");
         }},
        {"CopyMissedWords", u"Copy missed words", nothing,
         [](ContextMenu& t, int n) {
             EXPECT_EQ(t.messagesSaying(u"No word has been missed since the list was loaded."), n);
         }},
        {"ThinkFirst", u"Think first", nothing,
         [](ContextMenu& t, int n) {
             clickButton(*t.dlg, IDC_START);
             EXPECT_EQ(windowText(*t.dlg, IDC_CHOICE_TEXT1).empty(), n % 2 == 1);
         }},
        {"RememberProgress", u"Remember progress", nothing,
         [](ContextMenu& t, int n) { EXPECT_EQ(t.dlg->m_bRemember, n % 2); }},
        {"ZoomIn", u"Zoom in", [](ContextMenu& t) { t.zoomFromOpeningSize(0); },
         [](ContextMenu& t, int) { EXPECT_GT(t.window()->height(), t.heightBefore); }},
        {"ZoomOut", u"Zoom out", [](ContextMenu& t) { t.zoomFromOpeningSize(1); },
         [](ContextMenu& t, int) { EXPECT_LT(t.window()->height(), t.heightBefore); }},
        {"OriginalSize", u"Original size", [](ContextMenu& t) { t.zoomFromOpeningSize(1); },
         [](ContextMenu& t, int) {
             EXPECT_LT(t.openingHeight, t.heightBefore);
             EXPECT_EQ(t.window()->height(), t.openingHeight);
         }},
        {"Quit", u"Quit", nothing,
         [](ContextMenu& t, int) {
             EXPECT_FALSE(t.window()->isVisible());
             EXPECT_EQ(qobject_cast<QDialog*>(t.window())->result(), IDOK) << "as the caption's OK";
         }},
    };
}

TEST_P(ContextMenu, EveryItemSendsTheCommandOfItsKey)
{
    const MenuCommandRow& row = GetParam();
    int uses = 0;
    for (Way way : {Way::RightClick, Way::ShiftF10, Way::MenuKey, Way::ItsKey}) {
        SCOPED_TRACE(testing::Message() << "way " << static_cast<int>(way));
        row.arrange(*this);
        use(way, row.label);
        row.expectRan(*this, ++uses);
    }
    EXPECT_EQ(seam.menus.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(MainDialog, ContextMenu, ::testing::ValuesIn(ContextMenu::rows()),
                         [](const ::testing::TestParamInfo<MenuCommandRow>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
