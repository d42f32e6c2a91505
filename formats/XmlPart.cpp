#include "XmlPart.h"

#include "XmlMarkup.h"
#include "ZipArchive.h"

#include <QCoreApplication>
#include <cstring>

namespace formats {

namespace {

// A list of 5200 richly formatted rows takes a few megabytes.
constexpr qint64 kMaxPartSize = 32 * 1024 * 1024;

// Most names have no prefix, and a whole name is never measured: a sheet has a few
// names, each met hundreds of thousands of times.
bool isLocally(const char* name, std::string_view local)
{
    if (std::strncmp(name, local.data(), local.size()) == 0 && name[local.size()] == '\0')
        return true;
    const char* colon = std::strchr(name, ':');
    return colon && std::string_view(colon + 1) == local;
}

} // namespace

QString XmlPart::read(const ZipArchive& zip, const char* name)
{
    QString problem = zip.read(name, bytes, kMaxPartSize);
    if (!problem.isEmpty())
        return problem;
    if (hasFarTooMuchMarkup(bytes)) {
        bytes.clear();
        return QCoreApplication::translate(
                   "formats", "its part \"%1\" holds far more markup than any word list.")
            .arg(QString::fromUtf8(name));
    }
    const pugi::xml_parse_result parsed =
        document.load_buffer_inplace(bytes.data(), static_cast<size_t>(bytes.size()));
    if (!parsed)
        return QCoreApplication::translate("formats",
                                           "its part \"%1\" is not well-formed XML (%2).")
            .arg(QString::fromUtf8(name), QString::fromUtf8(parsed.description()));
    return {};
}

QString passwordProtectedProblem()
{
    return QCoreApplication::translate(
        "formats", "it is protected by a password. Save it without one and open it again.");
}

bool hasLocalName(pugi::xml_node node, std::string_view local)
{
    return node.type() == pugi::node_element && isLocally(node.name(), local);
}

pugi::xml_node rootNamed(const pugi::xml_document& document, std::string_view local)
{
    const pugi::xml_node root = document.document_element();
    return hasLocalName(root, local) ? root : pugi::xml_node();
}

pugi::xml_node childNamed(pugi::xml_node parent, std::string_view local)
{
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (hasLocalName(child, local))
            return child;
    }
    return {};
}

const char* attributeNamed(pugi::xml_node node, std::string_view local)
{
    for (pugi::xml_attribute attribute : node.attributes()) {
        if (isLocally(attribute.name(), local))
            return attribute.value();
    }
    return "";
}

} // namespace formats
