// The XML parts of a zip package, as spreadsheets are saved, read with pugixml: no
// document type is processed, so no entity is expanded and nothing is fetched.
#pragma once

#include <QByteArray>
#include <QString>
#include <pugixml.hpp>
#include <string_view>

namespace formats {

class ZipArchive;

// A part parsed in place: the document points into the part's bytes, which it outlives.
struct XmlPart {
    // Unpacks and parses the member `name`. Returns why it cannot be, or an empty string: a
    // part far larger than a word list's sheet, or with far more markup, is not parsed.
    QString read(const ZipArchive& zip, const char* name);

    QByteArray bytes;
    pugi::xml_document document;
};

// What a learner is told of a spreadsheet saved with a password.
QString passwordProtectedProblem();

// Whether the element's name is `local` under any namespace prefix ("x:row", "row").
bool hasLocalName(pugi::xml_node node, std::string_view local);
// The document's root element when it is named `local` under any prefix, or a null node.
pugi::xml_node rootNamed(const pugi::xml_document& document, std::string_view local);
// The first child element named `local` under any prefix, or a null node.
pugi::xml_node childNamed(pugi::xml_node parent, std::string_view local);
// The value of the attribute named `local` under any prefix, or "".
const char* attributeNamed(pugi::xml_node node, std::string_view local);

// Visits the nodes below `root` in document order, going into a node's children when
// `visit` returns true. Without recursion, so any depth of nesting is safe.
template <typename Visit> void visitDescendants(pugi::xml_node root, Visit visit)
{
    pugi::xml_node node = root.first_child();
    while (node) {
        if (visit(node) && node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node != root && !node.next_sibling())
            node = node.parent();
        node = node == root ? pugi::xml_node() : node.next_sibling();
    }
}

} // namespace formats
