// The interface in every shipped language: each translation file is complete and keeps what
// the code relies on, and the real dialog shows each language whole, mirrored for Arabic.
#include "DialogDriver.h"
#include "zantoliceDlg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

struct Message {
    QString context;
    QString source;
    QStringList forms; // one, or one per plural form
    bool numerus = false;
    bool unfinished = false;
};

std::vector<Message> readMessages(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({context,
                                {},
                                {},
                                xml.attributes().value(QStringLiteral("numerus")) == u"yes",
                                false});
        } else if (xml.name() == u"source") {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            messages.back().unfinished = !xml.attributes().value(QStringLiteral("type")).isEmpty();
            if (xml.readNext() == QXmlStreamReader::Characters && !xml.isWhitespace())
                messages.back().forms << xml.text().toString();
        } else if (xml.name() == u"numerusform") {
            messages.back().forms << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The place markers printf and Qt fill, in their order; "%L" writes a number the
// language's way and stands for the same argument.
QStringList markers(const QString& text)
{
    static const QRegularExpression marker(
        QStringLiteral("%L?([-+ #0]*[0-9]*(?:\\.[0-9]+)?[dsf]|[0-9]|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found << match.captured(1);
    return found;
}

// The letter after a single "&", or none.
QChar accelerator(const QString& text)
{
    static const QRegularExpression single(QStringLiteral("(?<!&)&([^&\\s])"));
    const QRegularExpressionMatch match = single.match(text);
    return match.hasMatch() ? match.captured(1).at(0).toLower() : QChar();
}

QString keyAfterTab(const QString& text)
{
    const qsizetype tab = text.indexOf(u'\t');
    return tab < 0 ? QString() : text.mid(tab);
}

QStringList languageCodes()
{
    QStringList codes;
    for (const QString& file : QDir(QStringLiteral(ZANTOLI_TRANSLATIONS_FOLDER))
                                   .entryList({QStringLiteral("zantoli_*.ts")}, QDir::Files))
        codes << file.mid(8).chopped(3);
    return codes;
}

int pluralForms(const QString& code)
{
    static const std::map<QString, int> forms = {
        {QStringLiteral("pl"), 3}, {QStringLiteral("ru"), 3},    {QStringLiteral("uk"), 3},
        {QStringLiteral("ja"), 1}, {QStringLiteral("zh_CN"), 1}, {QStringLiteral("ko"), 1},
        {QStringLiteral("tr"), 1}, {QStringLiteral("ar"), 6}};
    const auto it = forms.find(code);
    return it == forms.end() ? 2 : it->second;
}

class TranslationFile : public ::testing::TestWithParam<QString> {};

TEST_P(TranslationFile, IsCompleteAndKeepsMarkersKeysAndAccelerators)
{
    const QString code = GetParam();
    const std::vector<Message> messages =
        readMessages(QStringLiteral(ZANTOLI_TRANSLATIONS_FOLDER "/zantoli_%1.ts").arg(code));
    ASSERT_FALSE(messages.empty());
    std::map<QChar, QString> menuAccelerators;
    QChar drillOtherWay;
    QChar drillOtherWayNamed;
    for (const Message& message : messages) {
        const std::string row = (message.context + u'/' + message.source).toStdString();
        EXPECT_FALSE(message.unfinished) << row;
        ASSERT_FALSE(message.forms.isEmpty()) << row;
        if (message.numerus) {
            EXPECT_EQ(message.forms.size(), pluralForms(code)) << row;
        }
        for (const QString& form : message.forms) {
            EXPECT_FALSE(form.trimmed().isEmpty()) << row;
            EXPECT_EQ(markers(form), markers(message.source))
                << row << " -> " << form.toStdString();
            EXPECT_EQ(keyAfterTab(form), keyAfterTab(message.source)) << row;
            EXPECT_EQ(accelerator(form).isNull(), accelerator(message.source).isNull())
                << row << " -> " << form.toStdString();
        }
        const QChar key = accelerator(message.forms.first());
        if (message.context == u"ContextMenu" && !key.isNull()) {
            EXPECT_FALSE(menuAccelerators.count(key))
                << code.toStdString() << ": '" << QString(key).toStdString() << "' in "
                << message.forms.first().toStdString() << " and in "
                << menuAccelerators[key].toStdString();
            menuAccelerators[key] = message.forms.first();
            if (message.source.startsWith(u"&Drill the other way"))
                drillOtherWay = key;
        }
        if (message.context == u"CSpeaker" && message.source.startsWith(u"&Drill the other way"))
            drillOtherWayNamed = key;
    }
    // The item keeps its key when it names the languages.
    EXPECT_EQ(drillOtherWay, drillOtherWayNamed);

    QTranslator compiled;
    ASSERT_TRUE(compiled.load(QStringLiteral(":/i18n/zantoli_%1.qm").arg(code)));
    EXPECT_EQ(compiled.translate("CZantoliceDlg", "Open succeeded!"), [&] {
        for (const Message& message : messages) {
            if (message.source == u"Open succeeded!")
                return message.forms.first();
        }
        return QString();
    }());
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslationFile, ::testing::ValuesIn(languageCodes()),
                         [](const auto& info) { return info.param.toStdString(); });

// The width a button or label gives its text.
int roomForText(QWidget* control)
{
    if (qobject_cast<QPushButton*>(control))
        return control->width() -
               2 * control->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control);
    return control->contentsRect().width();
}

TEST(InterfaceLanguage, EveryLanguageFitsTheOpenWindowAndArabicIsMirrored)
{
    auto dlg = std::make_unique<CZantoliceDlg>();
    ASSERT_TRUE(dlg->Create(IDD_ZANTOLICE_DIALOG));
    AfxGetApp()->m_pMainWnd = dlg.get();
    QWidget* window = dlg->GetHandle();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const int openLeftToRight = dlg->GetDlgItem(IDC_OPEN)->GetHandle()->x();

    const std::vector<CString> languages = AfxGetInterfaceLanguages();
    ASSERT_EQ(languages.size(), static_cast<size_t>(languageCodes().size()));
    for (const CString& language : languages) {
        const std::string code = QString::fromStdU16String(std::u16string(language)).toStdString();
        AfxSetInterfaceLanguage(language);
        QCoreApplication::processEvents();
        QTranslator translator;
        ASSERT_TRUE(
            translator.load(QStringLiteral(":/i18n/zantoli_") + QString::fromStdString(code)));
        // The switch shows at once, in the window already open.
        EXPECT_EQ(QString::fromStdU16String(windowText(*dlg, IDC_OPEN)),
                  translator.translate("Dialog", "OPEN"))
            << code;
        EXPECT_EQ(QString::fromStdU16String(windowText(*dlg, IDC_START)),
                  translator.translate("CZantoliceDlg", "START"))
            << code;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            QString text;
            if (auto* button = qobject_cast<QPushButton*>(control))
                text = button->text().remove(u'&');
            else if (auto* label = qobject_cast<QLabel*>(control);
                     label && label->pixmap().isNull())
                text = label->text();
            if (text.isEmpty() || !control->isVisible())
                continue;
            EXPECT_LE(QFontMetrics(control->font()).horizontalAdvance(text), roomForText(control))
                << code << ": \"" << text.toStdString() << "\" is cut";
        }
        const int open = dlg->GetDlgItem(IDC_OPEN)->GetHandle()->x();
        if (code == "ar") {
            EXPECT_TRUE(window->isRightToLeft());
            EXPECT_GT(open, openLeftToRight) << "OPEN stays at the left";
        } else {
            EXPECT_FALSE(window->isRightToLeft()) << code;
            EXPECT_EQ(open, openLeftToRight) << code;
        }
    }
    AfxSetInterfaceLanguage(_T(""));
    QCoreApplication::processEvents();
    EXPECT_EQ(windowText(*dlg, IDC_OPEN), u"OPEN");
    EXPECT_FALSE(window->isRightToLeft());
    AfxGetApp()->m_pMainWnd = nullptr;
}

} // namespace
