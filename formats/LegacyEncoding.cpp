#include "LegacyEncoding.h"

#include "TextPlausibility.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <uchardet.h>
#include <unicode/ucnv.h>
#include <unicode/uloc.h>
#include <vector>

namespace formats {

namespace {

struct DetectorDeleter {
    void operator()(uchardet_t detector) const { uchardet_delete(detector); }
};

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};

// uchardet's name for the encoding of `bytes`, or "" when it cannot tell.
std::string detectedEncoding(const QByteArray& bytes)
{
    const std::unique_ptr<uchardet, DetectorDeleter> detector(uchardet_new());
    if (!detector || uchardet_handle_data(detector.get(), bytes.constData(),
                                          static_cast<size_t>(bytes.size())) != 0)
        return {};
    uchardet_data_end(detector.get());
    return uchardet_get_charset(detector.get());
}

// The ISO and EUC encodings that a Windows code page extends are read as that code page,
// as browsers read them: a file that Windows saved uses the code page's extra characters
// (curly quotes, the euro sign), which the detector does not tell apart.
std::string windowsSuperset(const std::string& encoding)
{
    static const struct {
        std::string_view name;
        const char* codePage = nullptr;
    } supersets[] = {{"ISO-8859-1", "windows-1252"}, {"ISO-8859-9", "windows-1254"},
                     {"TIS-620", "windows-874"},     {"ISO-8859-11", "windows-874"},
                     {"EUC-KR", "windows-949"},      {"UHC", "windows-949"},
                     {"GB2312", "GB18030"}};
    for (const auto& superset : supersets) {
        if (encoding == superset.name)
            return superset.codePage;
    }
    return encoding;
}

// The code pages in which Windows and older Linux desktops save the scripts of Europe.
constexpr const char* kScriptCodePages[] = {"windows-1250", "windows-1251", "KOI8-R",
                                            "windows-1253", "windows-1254"};

// A decoding less plausible than this is no text: most of its letters are wrong.
constexpr int kLeastPlausibility = -3;

// The code page that Windows saves text in for the locale's language.
std::string localeCodePage()
{
    static const struct {
        std::string_view languages;
        const char* codePage = nullptr;
    } codePages[] = {
        {" pl cs sk hu sl hr ro bs sq ", "windows-1250"},
        {" ru uk be bg sr mk kk ky tg mn ", "windows-1251"},
        {" el ", "windows-1253"},
        {" tr az ", "windows-1254"},
        {" he yi ", "windows-1255"},
        {" ar fa ur ", "windows-1256"},
        {" lt lv et ", "windows-1257"},
        {" vi ", "windows-1258"},
        {" th ", "windows-874"},
        {" ja ", "Shift_JIS"},
        {" ko ", "windows-949"},
    };
    UErrorCode error = U_ZERO_ERROR;
    char language[ULOC_LANG_CAPACITY] = {};
    uloc_getLanguage(uloc_getDefault(), language, sizeof language, &error);
    if (U_FAILURE(error))
        return "windows-1252";
    const std::string key = ' ' + std::string(language) + ' ';
    if (key == " zh ") {
        char country[ULOC_COUNTRY_CAPACITY] = {};
        uloc_getCountry(uloc_getDefault(), country, sizeof country, &error);
        const std::string_view region = country;
        return region == "TW" || region == "HK" || region == "MO" ? "Big5" : "GB18030";
    }
    for (const auto& codePage : codePages) {
        if (codePage.languages.find(key) != std::string_view::npos)
            return codePage.codePage;
    }
    return "windows-1252";
}

// Control characters other than line ends and tabs stand in no word list: where a code
// page gives them (Windows-1252's five unassigned bytes, the C1 range of ISO-8859-1), the
// text is in another encoding.
bool isText(const QString& text)
{
    return std::ranges::all_of(text, [](QChar c) {
        const char16_t unit = c.unicode();
        return (unit >= 0x20 || unit == u'\t' || unit == u'\n' || unit == u'\r' || unit == u'\f') &&
               (unit < 0x7F || unit >= 0xA0) && unit != 0xFFFD;
    });
}

// The bytes as text in `encoding`, or a null string when a byte stands for no character.
QString decodedAs(const std::string& encoding, const QByteArray& bytes)
{
    UErrorCode error = U_ZERO_ERROR;
    const std::unique_ptr<UConverter, ConverterCloser> converter(
        ucnv_open(encoding.c_str(), &error));
    if (U_FAILURE(error))
        return {};
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &error);
    // Most encodings make a unit of UTF-16 of a byte or more; those that make more are
    // converted again into the room they asked for.
    QString text(bytes.size() + 1, Qt::Uninitialized);
    for (;;) {
        const int32_t length = ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(text.data()),
                                             static_cast<int32_t>(text.size()), bytes.constData(),
                                             static_cast<int32_t>(bytes.size()), &error);
        if (error == U_BUFFER_OVERFLOW_ERROR) {
            error = U_ZERO_ERROR;
            ucnv_reset(converter.get());
            text.resize(length + 1);
            continue;
        }
        if (U_FAILURE(error))
            return {};
        text.resize(length);
        break;
    }
    return isText(text) ? text : QString();
}

} // namespace

QString decodeLegacyText(const QByteArray& bytes, QString& problem)
{
    // The desktop's own code page is tried first and wins a tie: a file saved on this
    // desktop is most likely in it. Windows-1252 comes next, as most lists are written in
    // the languages it serves; uchardet's guess last, as a short text misleads it.
    std::vector<std::string> encodings = {localeCodePage(), "windows-1252"};
    encodings.insert(encodings.end(), std::begin(kScriptCodePages), std::end(kScriptCodePages));
    if (const std::string detected = detectedEncoding(bytes); !detected.empty())
        encodings.push_back(windowsSuperset(detected));
    QString best;
    int bestPlausibility = kLeastPlausibility - 1;
    for (const std::string& encoding : encodings) {
        QString text = decodedAs(encoding, bytes);
        if (text.isNull())
            continue;
        if (const int plausibility = textPlausibility(text); plausibility > bestPlausibility) {
            best = std::move(text);
            bestPlausibility = plausibility;
        }
    }
    if (!best.isNull())
        return best;
    problem = QCoreApplication::translate(
        "formats", "it is not UTF-8 text, and the program cannot tell which encoding "
                   "it is in. Save it as UTF-8 (Unicode) text and open it again.");
    return {};
}

} // namespace formats
