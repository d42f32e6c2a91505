// The framework pieces the program relies on: strings, formatting and data exchange.
#include "afxwin.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(CString, FormatTakesTheProgramsConversions)
{
    CString line;
    line.Format(_T("No.%d, R=%d, W=%d, Score=%5.2f"), 3, 2, 1, double(200.0f / 3.0f));
    EXPECT_EQ(std::u16string(line), u"No.3, R=2, W=1, Score=66.67");
    line.Format(_T("Score=%5.2f"), 0.0);
    EXPECT_EQ(std::u16string(line), u"Score= 0.00");
    CString word(_T("\u043a\u043e\u0442"));
    line.Format(_T("%s=%s"), word, _T("cat"));
    EXPECT_EQ(std::u16string(line), u"\u043a\u043e\u0442=cat");
    line.Format(_T("100%% of %s"), _T("\U0001F600"));
    EXPECT_EQ(std::u16string(line), u"100% of \U0001F600");
}

TEST(CString, TrimRightReverseFindLeftRight)
{
    CString text(_T("  a b\t\r\n \u2003"));
    text.TrimRight();
    EXPECT_EQ(std::u16string(text), u"  a b");
    EXPECT_EQ(CString(_T("a/b/c")).ReverseFind('/'), 3);
    EXPECT_EQ(CString(_T("abc")).ReverseFind('/'), -1);
    EXPECT_EQ(std::u16string(CString(_T("abcdef")).Right(2)), u"ef");
    EXPECT_EQ(std::u16string(CString(_T("abcdef")).Left(2)), u"ab");
    EXPECT_EQ(std::u16string(CString(_T("ab")).Right(-1)), u"");
    EXPECT_TRUE(CString(_T("")).IsEmpty());
    EXPECT_TRUE(CString(nullptr).IsEmpty());
    EXPECT_EQ(std::u16string(CString(_T("ab")) + _T("cd")), u"abcd");
}

TEST(CString, KeepsEveryUnitItIsGiven)
{
    // A leading byte-order mark is text like any other unit; lone surrogates stay too.
    const CString text(_T("\uFEFF;x\xD800"));
    EXPECT_EQ(text.GetLength(), 4);
    EXPECT_EQ(text[0], 0xFEFF);
    EXPECT_EQ(text[3], 0xD800);

    // With a length, zeros are units too, and nothing past the length is read.
    const CString counted(u"ab\0cdef", 5);
    EXPECT_EQ(counted.GetLength(), 5);
    EXPECT_EQ(counted[2], 0);
    EXPECT_EQ(counted[4], u'd');
}

TEST(Runtime, WsprintfNeverWritesPastTheBuffer)
{
    WCHAR buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    const int written = wsprintf(buffer, _T("%d words in %s"), 5200, _T("a long list"));
    EXPECT_EQ(written, 7);
    EXPECT_EQ(std::u16string(buffer), u"5200 wo");
}

// The handheld's generator; the values were worked out by hand from its recurrence.
TEST(Runtime, RandRepeatsTheHandheldSequence)
{
    const int fromSeed1[] = {41, 18467, 6334, 26500, 19169};
    const int fromSeed17[] = {94, 26602, 30017, 18297, 20363, 13015, 28509, 15290};
    for (int round = 0; round < 2; ++round) {
        srand(1);
        for (int expected : fromSeed1)
            EXPECT_EQ(rand(), expected);
        srand(17);
        for (int expected : fromSeed17)
            EXPECT_EQ(rand(), expected);
    }
    srand(0);
    for (int i = 0; i < 100000; ++i) {
        const int value = rand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, HANDHELD_RAND_MAX);
    }
}

TEST(CTime, SecondOfLocalTimeAndAClockTestsCanFix)
{
    EXPECT_EQ(CTime(2024, 2, 29, 23, 59, 58).GetSecond(), 58);
    EXPECT_EQ(CTime(2031, 12, 1, 0, 0, 0).GetSecond(), 0);

    const CTime fixed(2024, 5, 17, 9, 41, 37);
    EXPECT_FALSE(CTime::SetClock(fixed).has_value());
    EXPECT_EQ(CTime::GetCurrentTime().GetTime(), fixed.GetTime());
    EXPECT_EQ(CTime::GetCurrentTime().GetSecond(), 37);
    EXPECT_EQ(CTime::SetClock(std::nullopt)->GetTime(), fixed.GetTime());

    // Bracketed by the clock it reads: time() reads a coarser one, which may still show the
    // last second for a moment after the precise clock has turned.
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    const qint64 now = CTime::GetCurrentTime().GetTime();
    EXPECT_GE(now, before);
    EXPECT_LE(now, QDateTime::currentSecsSinceEpoch());
}

TEST(Runtime, WhiteSpaceIsUnicodeWhiteSpace)
{
    for (WCHAR ch : {u' ', u'\t', u'\r', u'\n', u'\v', u'\f', u'\u00A0', u'\u2003', u'\u3000'})
        EXPECT_TRUE(iswspace(ch)) << int(ch);
    for (WCHAR ch : {u'a', u';', u'\0', u'\u4E00', u'\uFEFF'})
        EXPECT_FALSE(iswspace(ch)) << int(ch);
}

} // namespace

namespace {

// Shows Qt's file dialog over the current folder, picks each file type in turn, and
// records the type names and, for each, the files listed once they are what `expected`
// says (the folder is read and filtered in the background) or a few seconds have passed.
struct FileDialogView {
    std::vector<std::string> typeNames;
    std::string firstSelected;
    std::vector<std::string> listed;
};

FileDialogView showFileDialog(const CString& filter, const std::vector<std::string>& expected)
{
    FileDialogView view;
    QTimer::singleShot(0, [&view, &expected] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* files = dialog->findChild<QListView*>(QStringLiteral("listView"));
        const auto listing = [files] {
            QStringList names;
            for (int row = 0; row < files->model()->rowCount(files->rootIndex()); ++row)
                names << files->model()->index(row, 0, files->rootIndex()).data().toString();
            names.sort();
            return names.join(u' ').toStdString();
        };
        view.firstSelected = types->currentText().toStdString();
        for (int i = 0; i < types->count(); ++i) {
            view.typeNames.push_back(types->itemText(i).toStdString());
            types->setCurrentIndex(i);
            emit types->activated(i);
            const std::string wanted = i < static_cast<int>(expected.size()) ? expected[i] : "";
            (void)QTest::qWaitFor([&] { return listing() == wanted; });
            view.listed.push_back(listing());
        }
        dialog->reject();
    });
    CFileDialog dialog(TRUE, _T("dic"), nullptr, 0, filter);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    return view;
}

TEST(CFileDialog, ShowsTheFilterNamesAndAllFilesListsEveryFile)
{
    QTemporaryDir folder;
    for (const char* name : {"README", "words.dic", "list.csv"})
        QFile(folder.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const std::vector<std::string> listings{"list.csv words.dic", "words.dic",
                                            "README list.csv words.dic"};
    const FileDialogView view =
        showFileDialog(_T("Word lists (*.dic *.csv)|*.dic;*.csv|Dictionary Files (*.dic)|*.dic|")
                       _T("All Files (*.*)|*.*||"),
                       listings);
    QDir::setCurrent(previous);

    const std::vector<std::string> names{"Word lists (*.dic *.csv)", "Dictionary Files (*.dic)",
                                         "All Files (*.*)"};
    EXPECT_EQ(view.typeNames, names);
    EXPECT_EQ(view.firstSelected, names[0]);
    EXPECT_EQ(view.listed, listings);
}

// A name typed into Qt's dialog gets the default extension only when no file has the name
// as typed: "All Files" lists files without a dot, and they must open too.
TEST(CFileDialog, TypedNameGetsTheDefaultExtensionOnlyWhenItIsNoFile)
{
    QTemporaryDir folder;
    for (const char* name : {"vocab", "words.dic", "notes.txt"})
        QFile(folder.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    const struct {
        const char* typed;
        const char* opened;
    } rows[] = {{"vocab", "vocab"}, {"words", "words.dic"}, {"notes.txt", "notes.txt"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            dialog->setDirectory(folder.path());
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(QString::fromLatin1(row.typed));
            // The name as typed counts, not a listed file the typing happened to select.
            dialog->findChild<QListView*>(QStringLiteral("listView"))->clearSelection();
            // Qt's "File not found" box would keep the dialog open.
            QTimer::singleShot(2000, dialog, [dialog] {
                if (QWidget* box = QApplication::activeModalWidget(); box != dialog)
                    box->close();
                dialog->reject();
            });
            QTest::keyClick(name, Qt::Key_Return);
        });
        CFileDialog dialog(TRUE, _T("dic"), nullptr, 0, _T("All Files (*.*)|*.*||"));
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(QString::fromStdU16String(std::u16string(dialog.GetPathName())),
                  folder.filePath(QString::fromLatin1(row.opened)));
    }
}

} // namespace
