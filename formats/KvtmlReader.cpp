#include "KvtmlReader.h"

#include "Language.h"
#include "XmlMarkup.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <pugixml.hpp>
#include <string>

namespace formats {

namespace {

// A vocabulary document nests five deep; anything far deeper is not one.
constexpr int kMaxDepth = 64;

// The node after `node` in document order, without leaving `top`'s subtree.
pugi::xml_node nextInTree(pugi::xml_node node, pugi::xml_node top)
{
    if (pugi::xml_node child = node.first_child())
        return child;
    for (; node != top; node = node.parent()) {
        if (pugi::xml_node sibling = node.next_sibling())
            return sibling;
    }
    return {};
}

// Stops at the first element nested deeper than a word list ever is.
class DepthLimit : public pugi::xml_tree_walker {
public:
    bool for_each(pugi::xml_node& node) override
    {
        // The walker counts the root element's depth as 0.
        exceeded = depth() >= kMaxDepth && node.type() == pugi::node_element;
        return !exceeded;
    }

    bool exceeded = false;
};

// The text inside an element, its child elements' included, decoded into `buffer`: it
// is kept from one entry to the next and only ever grows, so reading an entry allocates
// nothing.
QStringView textOf(pugi::xml_node element, QStringDecoder& decoder, std::u16string& buffer)
{
    qsizetype length = 0;
    // An element whose only child is its text holds that text as its value.
    for (pugi::xml_node node = element; node; node = nextInTree(node, element)) {
        const QByteArrayView bytes(node.value());
        // A byte of UTF-8 never makes more than one unit of UTF-16.
        const auto needed = static_cast<std::size_t>(length + bytes.size());
        if (buffer.size() < needed)
            buffer.resize(std::max(needed, 2 * buffer.size()));
        QChar* start = reinterpret_cast<QChar*>(buffer.data()) + length;
        length += decoder.appendToBuffer(start, bytes) - start;
    }
    return QStringView(buffer.data(), length);
}

// Whether an element or attribute has the name given. Names here are short and differ
// early, so comparing in line costs less than a call for each.
bool named(const char* name, const char* expected)
{
    while (*expected != '\0' && *name == *expected) {
        ++name;
        ++expected;
    }
    return *name == *expected;
}

pugi::xml_node childElement(pugi::xml_node element, const char* name)
{
    for (pugi::xml_node child : element.children()) {
        if (named(child.name(), name))
            return child;
    }
    return {};
}

int translationId(pugi::xml_node translation)
{
    for (pugi::xml_attribute attribute : translation.attributes()) {
        if (!named(attribute.name(), "id"))
            continue;
        const QByteArrayView text = QByteArrayView(attribute.value()).trimmed();
        int id = -1;
        const auto [end, error] = std::from_chars(text.begin(), text.end(), id);
        return error == std::errc() && end == text.end() ? id : -1;
    }
    return -1;
}

// The words of one side of an entry: its text, its recording and its picture.
struct Side {
    QStringView text;
    QStringView recording;
    QStringView picture;
};

// Reads each active entry, or each entry `withInactive`: translation 0's text is the word,
// and the meaning is translation 1's text or, in lists of one language, translation 0's
// comment. Returns whether any entry has a translation 1.
bool readEntries(pugi::xml_node kvtml, bool oneLanguage, EntryCollector& entries,
                 bool withInactive = false)
{
    bool secondLanguage = false;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    std::u16string buffers[6];
    for (pugi::xml_node list : kvtml.children()) {
        if (!named(list.name(), "entries"))
            continue;
        for (pugi::xml_node entry : list.children()) {
            if (!named(entry.name(), "entry"))
                continue;
            if (entries.full())
                return true;
            bool inactive = false;
            Side word;
            Side meaning;
            for (pugi::xml_node child : entry.children()) {
                const char* name = child.name();
                if (named(name, "inactive")) {
                    inactive = QByteArrayView(child.child_value()).trimmed() == "true";
                    continue;
                }
                if (!named(name, "translation"))
                    continue;
                const int id = translationId(child);
                secondLanguage = secondLanguage || id == 1;
                if (id == 0) {
                    word.text = textOf(childElement(child, "text"), decoder, buffers[0]);
                    word.recording = textOf(childElement(child, "sound"), decoder, buffers[2]);
                    word.picture = textOf(childElement(child, "image"), decoder, buffers[4]);
                }
                if (id == 0 && oneLanguage) {
                    meaning.text = textOf(childElement(child, "comment"), decoder, buffers[1]);
                } else if (id == 1) {
                    meaning.text = textOf(childElement(child, "text"), decoder, buffers[1]);
                    meaning.recording = textOf(childElement(child, "sound"), decoder, buffers[3]);
                    meaning.picture = textOf(childElement(child, "image"), decoder, buffers[5]);
                }
            }
            if ((!inactive || withInactive) &&
                entries.add(word.text, meaning.text, word.recording, meaning.recording))
                entries.setPictures(word.picture, meaning.picture);
        }
    }
    return secondLanguage;
}

// The language of translation `id`: its identifier's locale, which real files fill with a
// code ("de", "en_US") or a name ("German"), or else the identifier's name.
std::string identifierLanguage(pugi::xml_node kvtml, int id)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    std::u16string buffer;
    for (pugi::xml_node identifier : childElement(kvtml, "identifiers").children()) {
        if (!named(identifier.name(), "identifier") || translationId(identifier) != id)
            continue;
        for (const char* field : {"locale", "name"}) {
            const QStringView text = textOf(childElement(identifier, field), decoder, buffer);
            if (std::string code = languageCode(std::u16string_view(
                    reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
                !code.empty())
                return code;
        }
    }
    return {};
}

QString parseProblem(const pugi::xml_parse_result& result, const QByteArray& xml)
{
    if (result.status == pugi::status_no_document_element)
        return QCoreApplication::translate("formats",
                                           "it is not a KVTML file: KVTML word lists are XML.");
    const qsizetype offset = std::min(static_cast<qsizetype>(result.offset), xml.size());
    // Elements still open, or a tag cut off, where the bytes end: the parser stops at the
    // last byte.
    if (QByteArrayView(xml).sliced(std::min(offset + 1, xml.size())).trimmed().isEmpty())
        return QCoreApplication::translate(
            "formats", "it ends too early; the file is cut short or incomplete.");
    return QCoreApplication::translate("formats", "its XML is broken at line %1 (%2).")
        .arg(xml.first(offset).count('\n') + 1)
        .arg(QString::fromUtf8(result.description()));
}

} // namespace

QString KvtmlReader::read(EntryCollector& entries)
{
    if (hasFarTooMuchMarkup(m_xml))
        return QCoreApplication::translate("formats",
                                           "it holds far more markup than any word list.");
    // Only the entities that XML itself defines are decoded; a document type is read only to
    // refuse entities of its own, and nothing it names is fetched. Text in another encoding
    // is converted into a buffer of the parser's own. Line ends stay as they are: an
    // entry's line breaks become spaces anyway.
    pugi::xml_document document;
    const pugi::xml_parse_result result = document.load_buffer_inplace(
        m_xml.data(), static_cast<size_t>(m_xml.size()),
        pugi::parse_cdata | pugi::parse_escapes | pugi::parse_doctype | pugi::parse_embed_pcdata);
    if (const pugi::xml_node kvtml = document.document_element()) {
        if (!named(kvtml.name(), "kvtml"))
            return QCoreApplication::translate("formats",
                                               "it is an XML file, but not a KVTML word list.");
        const QByteArrayView version(kvtml.attribute("version").value());
        if (!version.startsWith("2."))
            return QCoreApplication::translate(
                       "formats", "it is saved in KVTML version %1; only KVTML 2.0 can be "
                                  "opened.")
                .arg(version.isEmpty() ? QStringLiteral("1") : QString::fromUtf8(version));
    }
    DepthLimit depthLimit;
    document.traverse(depthLimit);
    if (depthLimit.exceeded)
        return QCoreApplication::translate(
            "formats", "its elements are nested far too deeply for a word list.");
    if (!result)
        return parseProblem(result, m_xml);
    for (pugi::xml_node node : document.children()) {
        if (node.type() == pugi::node_doctype && std::strstr(node.value(), "<!ENTITY"))
            return QCoreApplication::translate(
                "formats", "it declares XML entities of its own, which no word list "
                           "needs.");
    }
    // Without a second language no entry had a meaning, so none was kept.
    const pugi::xml_node kvtml = document.document_element();
    const auto read = [&](bool withInactive) {
        if (readEntries(kvtml, false, entries, withInactive))
            entries.setLanguages(identifierLanguage(kvtml, 0), identifierLanguage(kvtml, 1));
        else if (!readEntries(kvtml, true, entries, withInactive))
            entries.setLanguages(identifierLanguage(kvtml, 0), {});
    };
    read(false);
    // A list whose every entry is set aside is drilled whole, as KWordQuiz drills it.
    if (entries.entries().empty())
        read(true);
    return {};
}

} // namespace formats
