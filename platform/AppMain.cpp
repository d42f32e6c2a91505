// The program's entry point belongs to the framework: it sets up the application around
// the one global CWinApp object and runs its InitInstance, as the framework's own
// start-up does.
#include "CWinApp.h"
#include "CWnd.h"
#include "Translation.h"
#include "private/MessageNesting.h"
#include "private/QtConvert.h"
#include "private/SecondStart.h"
#include "private/SingleInstance.h"
#include "private/ThreadPool.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <unistd.h>
#include <vector>

namespace {

// `--exit-after-first-paint`: for start-up measurements and tests, print the time of the
// main window's first paint and end the program as its OK button would. The work the
// window posted itself runs after its first paint (a dictionary named on the command line),
// and every message box it puts up is closed as a user would close it. Each change of the
// main window's title is timed too: programs show there what they have opened.
class FirstPaintWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        CWinApp* app = AfxGetApp();
        CWnd* mainWnd = app ? app->m_pMainWnd : nullptr;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!mainWnd || !mainWnd->GetHandle() || !widget)
            return false;
        if (event->type() == QEvent::WindowTitleChange && widget == mainWnd->GetHandle())
            printTime("title-change-epoch-ms");
        if (m_painted && event->type() == QEvent::Show && widget->isWindow() && widget->isModal() &&
            widget != mainWnd->GetHandle())
            QTimer::singleShot(0, widget, &QWidget::close);
        if (m_painted || event->type() != QEvent::Paint ||
            !mainWnd->GetHandle()->isAncestorOf(widget))
            return false;
        m_painted = true;
        printTime("first-paint-epoch-ms");
        QTimer::singleShot(0, mainWnd->GetHandle(), [mainWnd] {
            MessageNesting::whenIdle(
                [mainWnd] { mainWnd->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); });
        });
        return false;
    }

private:
    static void printTime(const char* what)
    {
        std::printf("%s %lld\n", what, static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stdout);
    }

    bool m_painted = false;
};

struct Options {
    bool exitAfterFirstPaint = false;
    // The file named, as the file system's bytes.
    QByteArray file;
};

// Qt's own options, which QApplication takes out of the arguments when it starts: a
// session manager restarts a program with "-session ID", and "-platform", "-style" or
// "-display" are how users pick where and how it shows. They come with one dash or two,
// and a value follows as the next argument or after "=".
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"display", true},         {"geometry", true},
    {"style", true},           {"stylesheet", true},
    {"qmljsdebugger", true},   {"reverse", false},
    {"widgetcount", false},    {"nograb", false},
    {"dograb", false},         {"sync", false},
};

// Whether `name`, the argument after its dashes, is the option `optionName`, alone or with
// "=VALUE"; `value` then points after the "=", or is null.
bool namesOption(const char* name, const char* optionName, const char*& value)
{
    const size_t length = std::strcspn(name, "=");
    if (std::strlen(optionName) != length || std::strncmp(optionName, name, length) != 0)
        return false;
    value = name[length] == '=' ? name + length + 1 : nullptr;
    return true;
}

// The Qt option that `argument` names, or null.
const QtOption* qtOption(const char* argument)
{
    const char* name = argument + (argument[1] == '-' ? 2 : 1);
    const char* value = nullptr;
    for (const QtOption& option : kQtOptions) {
        if (namesOption(name, option.name, value) && (!value || option.takesValue))
            return &option;
    }
    return nullptr;
}

// The application's option that `argument` names, or null; `value` then points at its value
// when it is given after "=".
const CWinApp::CommandLineOption* appOption(const char* argument,
                                            const std::vector<CWinApp::CommandLineOption>& known,
                                            const char*& value)
{
    if (std::strncmp(argument, "--", 2) != 0)
        return nullptr;
    for (const CWinApp::CommandLineOption& option : known) {
        if (namesOption(argument + 2, option.name, value))
            return &option;
    }
    return nullptr;
}

// A text of the command line, in the interface's language, as the terminal takes it.
QByteArray terminalText(const CString& text)
{
    return toQString(text).toLocal8Bit();
}

void printHelp(const std::vector<CWinApp::CommandLineOption>& known)
{
    std::printf(
        terminalText(
            AfxTranslate("CommandLine",
                         "Usage: %s [OPTION]... [FILE]\n"
                         "Start %s, opening FILE if one is named. While %s runs, its window\n"
                         "comes to the front instead and opens FILE.\n\n"
                         "      --help      display this help and exit\n"
                         "      --version   output version information and exit\n"))
            .constData(),
        APP_NAME, APP_NAME, APP_NAME);
    for (const CWinApp::CommandLineOption& option : known)
        std::printf("      --%s=%s\n                  %s\n", option.name, option.valueName,
                    terminalText(AfxTranslate("CommandLine", option.help)).constData());
    std::printf(
        "%s",
        terminalText(AfxTranslate("CommandLine",
                                  "      --exit-after-first-paint\n"
                                  "                  print the time of the first paint and quit\n\n"
                                  "Qt's own options, such as -platform, -style, -display and "
                                  "-session,\nare taken as every Qt program takes them.\n"))
            .constData());
}

// Reads the options as GNU programs do, passing over Qt's own for QApplication to take.
// Returns the exit status when they end the program at once: --help, --version or an
// option neither the program nor Qt knows. All this happens before Qt starts, so that
// none of it needs a display.
std::optional<int> readOptions(int argc, char** argv, CWinApp& app, Options& options)
{
    const std::vector<CWinApp::CommandLineOption> known = app.GetCommandLineOptions();
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        const bool isOption = !optionsEnded && argument[0] == '-' && argument[1] != '\0';
        const char* value = nullptr;
        if (!isOption) {
            if (options.file.isEmpty())
                options.file = argument;
        } else if (std::strcmp(argument, "--") == 0) {
            optionsEnded = true;
        } else if (std::strcmp(argument, "--help") == 0) {
            printHelp(known);
            return EXIT_SUCCESS;
        } else if (std::strcmp(argument, "--version") == 0) {
            std::printf("%s %s\n", APP_NAME, APP_VERSION);
            return EXIT_SUCCESS;
        } else if (std::strcmp(argument, "--exit-after-first-paint") == 0) {
            options.exitAfterFirstPaint = true;
        } else if (const CWinApp::CommandLineOption* option = appOption(argument, known, value)) {
            if (!value && i + 1 == argc) {
                std::fprintf(stderr,
                             terminalText(AfxTranslate("CommandLine",
                                                       "%s: option '--%s' requires an argument\n"))
                                 .constData(),
                             APP_NAME, option->name);
                return 2;
            }
            app.m_commandLineValues[option->name] =
                toCString(QFile::decodeName(value ? value : argv[++i]));
        } else if (const QtOption* option = qtOption(argument)) {
            if (option->takesValue && !std::strchr(argument, '=') && i + 1 < argc)
                ++i;
        } else {
            std::fprintf(stderr,
                         terminalText(AfxTranslate("CommandLine",
                                                   "%s: unknown option '%s' (try '%s --help')\n"))
                             .constData(),
                         APP_NAME, argument, APP_NAME);
            return 2;
        }
    }
    return std::nullopt;
}

// The file named, as a path that means the same in another working folder.
QByteArray absolutePath(const QByteArray& file)
{
    if (file.isEmpty() || file.startsWith('/'))
        return file;
    char* folder = ::getcwd(nullptr, 0);
    if (!folder)
        return file;
    QByteArray path = QByteArray(folder) + '/' + file;
    std::free(folder);
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    // The language is known before anything is written, --help included.
    AfxLoadInterfaceLanguage();
    Options options;
    if (const std::optional<int> status = readOptions(argc, argv, *app, options))
        return *status;
    // Only the application's own options can ask for a run without a window.
    if (!app->m_commandLineValues.empty()) {
        // What the readers and the memory say reaches their output through Qt's translators,
        // which only an application object holds.
        int coreArgc = 1;
        const QCoreApplication core(coreArgc, argv);
        AfxLoadInterfaceLanguage();
        if (const std::optional<int> status = app->RunWithoutWindow())
            return *status;
    }

    // The program reads a file named aside while its window starts. The pool's thread that
    // reads it starts now, before Qt, and waits: woken then, it runs beside the window at once.
    if (!options.file.isEmpty())
        startPoolThread();

    // Takes Qt's own options out of the arguments.
    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(APP_VERSION));
    AfxLoadInterfaceLanguage();

    SingleInstance instance(QCoreApplication::applicationName());
    if (instance.handOver(absolutePath(options.file)))
        return 0;
    instance.listen(answerSecondStart);

    // Whatever Qt would store (the file dialog remembers its folders) goes nowhere: under a
    // device, where no folder can be made, so that no file and no folder is left, even by a
    // program that is killed. The program's own settings name their file (CWinApp).
    const QString nowhere = QStringLiteral("/dev/null/qt-settings");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);

    FirstPaintWatch firstPaintWatch;
    if (options.exitAfterFirstPaint)
        application.installEventFilter(&firstPaintWatch);
    app->m_lpCmdLine = toCString(QFile::decodeName(options.file));

    if (app->InitInstance())
        return QApplication::exec();
    return app->ExitInstance();
}
