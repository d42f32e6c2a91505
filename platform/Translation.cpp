#include "Translation.h"

#include "CWinApp.h"
#include "private/QtConvert.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

// The compiled translations are part of the program, one file per language.
const QString kProgramTranslations = QStringLiteral(":/i18n");
constexpr LPCTSTR kInterfaceSection = _T("Interface");
constexpr LPCTSTR kLanguageEntry = _T("Language");
const struct {
    const char* source;
    const char* comment;
} kLanguageName =
    QT_TRANSLATE_NOOP3("Translation", "English", "The name of this language, in itself");

std::unique_ptr<QTranslator> programTranslator;
std::unique_ptr<QTranslator> qtTranslator;

QString programName()
{
    return toQString(AfxGetApp()->m_pszAppName);
}

void removeTranslators()
{
    for (auto* translator : {&programTranslator, &qtTranslator}) {
        if (*translator && QCoreApplication::instance())
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

// Qt reads its own translations and Qt's message boxes, file dialog and key names, and the
// texts of the readers, which know no framework, through the translators it has installed.
void installTranslators()
{
    if (!QCoreApplication::instance())
        return;
    for (auto* translator : {&programTranslator, &qtTranslator}) {
        if (*translator)
            QCoreApplication::installTranslator(translator->get());
    }
}

// The program's texts in the first of the locale's languages it is translated into, and
// Qt's in the same language; English, the original, needs none.
void loadTranslators(const QLocale& locale)
{
    removeTranslators();
    QLocale shown = locale;
    auto program = std::make_unique<QTranslator>();
    if (program->load(locale, programName(), QStringLiteral("_"), kProgramTranslations)) {
        shown = QLocale(program->language());
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(shown, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qtTranslator = std::move(qt);
        programTranslator = std::move(program);
    }
    // Dates, weekdays and numbers follow the interface's language.
    QLocale::setDefault(shown);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(programTranslator ? shown.textDirection()
                                                              : Qt::LeftToRight);
    installTranslators();
}

QLocale chosenLocale(const CString& strLanguage)
{
    return strLanguage.IsEmpty() ? QLocale::system() : QLocale(toQString(strLanguage));
}

} // namespace

CString AfxTranslate(LPCSTR lpszContext, LPCSTR lpszSource, LPCSTR lpszComment, int n)
{
    QString text;
    if (programTranslator)
        text = programTranslator->translate(lpszContext, lpszSource, lpszComment, n);
    if (text.isEmpty())
        text = QString::fromUtf8(lpszSource);
    if (n >= 0)
        text.replace(QStringLiteral("%n"), QString::number(n));
    return toCString(text);
}

void AfxLoadInterfaceLanguage()
{
    if (programTranslator || qtTranslator) {
        // Loaded before the application object was made: installed now.
        installTranslators();
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) && programTranslator)
            QGuiApplication::setLayoutDirection(QLocale().textDirection());
        return;
    }
    loadTranslators(chosenLocale(AfxGetInterfaceLanguage()));
}

BOOL AfxSetInterfaceLanguage(LPCTSTR lpszLanguage)
{
    const CString strLanguage(lpszLanguage ? lpszLanguage : _T(""));
    loadTranslators(chosenLocale(strLanguage));
    return AfxGetApp()->WriteProfileString(kInterfaceSection, kLanguageEntry, strLanguage);
}

CString AfxGetInterfaceLanguage()
{
    return AfxGetApp()->GetProfileString(kInterfaceSection, kLanguageEntry, _T(""));
}

std::vector<CString> AfxGetInterfaceLanguages()
{
    std::vector<CString> languages;
    const QString prefix = programName() + u'_';
    const QStringList files =
        QDir(kProgramTranslations)
            .entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages.push_back(toCString(file.mid(prefix.size()).chopped(3)));
    return languages;
}

CString AfxGetLanguageNativeName(LPCTSTR lpszLanguage)
{
    // Each translation names its own language, as its translator writes it.
    QTranslator translator;
    if (!translator.load(programName() + u'_' + toQString(lpszLanguage), kProgramTranslations))
        return lpszLanguage;
    return toCString(
        translator.translate("Translation", kLanguageName.source, kLanguageName.comment));
}
