#include "KvtmlReader.h"

#include <algorithm>
#include <cstring>
#include <pugixml.hpp>

namespace formats {

namespace {

// A vocabulary document nests five deep; anything far deeper is not one.
constexpr int kMaxDepth = 64;

// The node after `node` in document order, without leaving `top`'s subtree; `depth`
// follows the steps down and up.
pugi::xml_node nextInTree(pugi::xml_node node, pugi::xml_node top, int& depth)
{
    if (pugi::xml_node child = node.first_child()) {
        ++depth;
        return child;
    }
    for (; node != top; node = node.parent(), --depth) {
        if (pugi::xml_node sibling = node.next_sibling())
            return sibling;
    }
    return {};
}

bool nestedTooDeeply(const pugi::xml_document& document)
{
    int depth = 0;
    for (pugi::xml_node node = document.first_child(); node;
         node = nextInTree(node, document, depth)) {
        if (depth >= kMaxDepth && node.type() == pugi::node_element)
            return true;
    }
    return false;
}

// All the text inside an element, its child elements' included.
QString textOf(pugi::xml_node element)
{
    const pugi::xml_node first = element.first_child();
    if (first.type() == pugi::node_pcdata && !first.next_sibling())
        return QString::fromUtf8(first.value());
    QByteArray text;
    int depth = 0;
    for (pugi::xml_node node = first; node; node = nextInTree(node, element, depth)) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            text += node.value();
    }
    return QString::fromUtf8(text);
}

int translationId(pugi::xml_node translation)
{
    bool numbered = false;
    const int id = QByteArrayView(translation.attribute("id").value()).trimmed().toInt(&numbered);
    return numbered ? id : -1;
}

// Lists of one language give each word a hint in a comment instead of a second translation.
bool hasSecondLanguage(pugi::xml_node kvtml)
{
    for (pugi::xml_node list : kvtml.children("entries")) {
        for (pugi::xml_node entry : list.children("entry")) {
            for (pugi::xml_node translation : entry.children("translation")) {
                if (translationId(translation) == 1)
                    return true;
            }
        }
    }
    return false;
}

QString parseProblem(const pugi::xml_parse_result& result, const QByteArray& xml)
{
    if (result.status == pugi::status_no_document_element)
        return QStringLiteral("it is not a KVTML file: KVTML word lists are XML.");
    const qsizetype offset = std::min(static_cast<qsizetype>(result.offset), xml.size());
    // Elements still open, or a tag cut off, where the bytes end: the parser stops at the
    // last byte.
    if (QByteArrayView(xml).sliced(std::min(offset + 1, xml.size())).trimmed().isEmpty())
        return QStringLiteral("it ends too early; the file is cut short or incomplete.");
    return QStringLiteral("its XML is broken at line %1 (%2).")
        .arg(xml.first(offset).count('\n') + 1)
        .arg(QString::fromUtf8(result.description()));
}

} // namespace

QString KvtmlReader::read(EntryCollector& entries)
{
    // Only the entities that XML itself defines are decoded; a document type is read only to
    // refuse entities of its own, and nothing it names is fetched.
    pugi::xml_document document;
    const pugi::xml_parse_result result =
        document.load_buffer(m_xml.constData(), static_cast<size_t>(m_xml.size()),
                             pugi::parse_default | pugi::parse_doctype);
    if (const pugi::xml_node kvtml = document.document_element()) {
        if (std::strcmp(kvtml.name(), "kvtml") != 0)
            return QStringLiteral("it is an XML file, but not a KVTML word list.");
        const QByteArrayView version(kvtml.attribute("version").value());
        if (!version.startsWith("2."))
            return QStringLiteral("it is saved in KVTML version %1; only KVTML 2.0 can be "
                                  "opened.")
                .arg(version.isEmpty() ? QStringLiteral("1") : QString::fromUtf8(version));
    }
    if (nestedTooDeeply(document))
        return QStringLiteral("its elements are nested far too deeply for a word list.");
    if (!result)
        return parseProblem(result, m_xml);
    for (pugi::xml_node node : document.children()) {
        if (node.type() == pugi::node_doctype && std::strstr(node.value(), "<!ENTITY"))
            return QStringLiteral("it declares XML entities of its own, which no word list "
                                  "needs.");
    }

    const pugi::xml_node kvtml = document.document_element();
    const bool twoLanguages = hasSecondLanguage(kvtml);
    for (pugi::xml_node list : kvtml.children("entries")) {
        for (pugi::xml_node entry : list.children("entry")) {
            if (entries.full())
                return {};
            if (QByteArrayView(entry.child("inactive").child_value()).trimmed() == "true")
                continue;
            QString word;
            QString meaning;
            for (pugi::xml_node translation : entry.children("translation")) {
                const int id = translationId(translation);
                if (id == 0)
                    word = textOf(translation.child("text"));
                if (id == 0 && !twoLanguages)
                    meaning = textOf(translation.child("comment"));
                else if (id == 1)
                    meaning = textOf(translation.child("text"));
            }
            entries.add(word, meaning);
        }
    }
    return {};
}

} // namespace formats
