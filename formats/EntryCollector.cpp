#include "EntryCollector.h"

#include "Language.h"

#include <QString>
#include <QStringTokenizer>
#include <algorithm>
#include <tuple>
#include <utility>

namespace formats {

std::u16string entryText(QStringView field)
{
    // A quoted field or an XML text may hold line breaks; a word is shown on one line.
    QString joined;
    QStringView text = field.trimmed();
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c == u'\n' || c == u'\r'; })) {
        joined = text.toString();
        joined.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        joined.replace(u'\r', u' ');
        joined.replace(u'\n', u' ');
        text = joined;
    }
    if (static_cast<std::size_t>(text.size()) > kMaxFieldLength) {
        // A pair of surrogates is one character: it is kept whole or not at all.
        qsizetype length = kMaxFieldLength;
        if (text[length - 1].isHighSurrogate())
            --length;
        text = text.first(length).trimmed();
    }
    return std::u16string(text.utf16(), static_cast<std::size_t>(text.size()));
}

namespace {

// The names that spreadsheets and trainers give the two columns of a word list, in
// English, German, French, Spanish, Italian, Portuguese, Russian and Japanese.
bool isColumnName(QStringView cell)
{
    // clang-format off
    static constexpr char16_t names[] =
        u"word|meaning|term|definition|front|back|question|answer|source|target|translation|"
        u"wort|bedeutung|begriff|vorderseite|rückseite|frage|antwort|quelle|ziel|übersetzung|"
        u"mot|sens|signification|terme|définition|recto|verso|réponse|cible|traduction|"
        u"palabra|significado|término|definición|anverso|reverso|pregunta|respuesta|origen|"
        u"destino|traducción|"
        u"parola|significato|termine|definizione|fronte|retro|domanda|risposta|origine|"
        u"traduzione|"
        u"palavra|termo|definição|frente|pergunta|resposta|origem|alvo|tradução|"
        u"слово|значение|термин|определение|лицевая сторона|оборотная сторона|вопрос|ответ|"
        u"источник|цель|перевод|"
        u"単語|意味|用語|定義|表|裏|質問|答え|原文|訳文|翻訳";
    // clang-format on
    return std::ranges::any_of(QStringView(names).tokenize(u'|'), [cell](QStringView name) {
        return cell.compare(name, Qt::CaseInsensitive) == 0;
    });
}

// The language a heading's cell names: by its name, or by a code with a region ("en_US").
// A bare code ("es", "is") is too often a word to make a row a heading.
std::string headingLanguage(QStringView cell)
{
    const std::string code =
        languageCode(std::u16string_view(cell.utf16(), static_cast<std::size_t>(cell.size())));
    const bool bareCode = cell.size() <= 3 && code.size() == static_cast<std::size_t>(cell.size());
    return bareCode ? std::string() : code;
}

// The languages that a heading's cells name; a cell may name its language in the language
// of the other ("Deutsch", "Englisch").
std::pair<std::string, std::string> headingLanguages(QStringView word, QStringView meaning)
{
    std::string wordLanguage = headingLanguage(word);
    std::string meaningLanguage = headingLanguage(meaning);
    const auto text = [](QStringView cell) {
        return std::u16string_view(cell.utf16(), static_cast<std::size_t>(cell.size()));
    };
    if (meaningLanguage.empty())
        meaningLanguage = languageCodeIn(text(meaning), wordLanguage);
    if (wordLanguage.empty())
        wordLanguage = languageCodeIn(text(word), meaningLanguage);
    return {wordLanguage, meaningLanguage};
}

} // namespace

EntryCollector::EntryCollector(WordList& list, std::size_t maxEntries)
    : m_list(list), m_maxEntries(maxEntries)
{
}

bool EntryCollector::isHeading(QStringView word, QStringView meaning)
{
    auto [wordLanguage, meaningLanguage] = headingLanguages(word, meaning);
    if ((wordLanguage.empty() && !isColumnName(word)) ||
        (meaningLanguage.empty() && !isColumnName(meaning)))
        return false;
    m_list.wordLanguage = std::move(wordLanguage);
    m_list.meaningLanguage = std::move(meaningLanguage);
    return true;
}

bool EntryCollector::add(QStringView word, QStringView meaning, QStringView wordRecording,
                         QStringView meaningRecording)
{
    if (full())
        return false;
    if (m_headingAllowed && !(word.trimmed().isEmpty() && meaning.trimmed().isEmpty())) {
        m_headingAllowed = false;
        if (isHeading(word.trimmed(), meaning.trimmed()))
            return false;
    }
    return add(WordEntry{entryText(word), entryText(meaning)}, wordRecording, meaningRecording);
}

bool EntryCollector::add(WordEntry entry, QStringView wordRecording, QStringView meaningRecording)
{
    if (full() || entry.word.empty() || entry.meaning.empty())
        return false;
    m_list.entries.push_back(std::move(entry));
    wordRecording = wordRecording.trimmed();
    meaningRecording = meaningRecording.trimmed();
    // Most lists name no recording: they are kept only once one is named.
    if (wordRecording.isEmpty() && meaningRecording.isEmpty())
        return true;
    m_list.recordings.resize(m_list.entries.size());
    m_list.recordings.back() = {wordRecording.toString().toStdU16String(),
                                meaningRecording.toString().toStdU16String()};
    return true;
}

void EntryCollector::setPictures(QStringView wordPicture, QStringView meaningPicture)
{
    wordPicture = wordPicture.trimmed();
    meaningPicture = meaningPicture.trimmed();
    // As with recordings, most lists name none.
    if (m_list.entries.empty() || (wordPicture.isEmpty() && meaningPicture.isEmpty()))
        return;
    m_list.pictures.resize(m_list.entries.size());
    m_list.pictures.back() = {wordPicture.toString().toStdU16String(),
                              meaningPicture.toString().toStdU16String()};
}

void EntryCollector::setLanguageNames(QStringView wordSide, QStringView meaningSide)
{
    std::tie(m_list.wordLanguage, m_list.meaningLanguage) =
        headingLanguages(wordSide.trimmed(), meaningSide.trimmed());
}

void EntryCollector::setLanguages(std::string word, std::string meaning)
{
    m_list.wordLanguage = std::move(word);
    m_list.meaningLanguage = std::move(meaning);
}

void EntryCollector::setTitle(QStringView title)
{
    m_list.title = entryText(title);
}

void EntryCollector::setAuthor(QStringView author)
{
    m_list.author = entryText(author);
}

} // namespace formats
