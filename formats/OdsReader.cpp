#include "OdsReader.h"

#include "NumberFormat.h"
#include "XmlPart.h"
#include "ZipArchive.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace formats {

namespace {

// Spaces that one <text:s/> stands for, at most: a field is cut long before.
constexpr unsigned long kMaxSpaces = 1000;

unsigned long repeatCount(pugi::xml_node node, std::string_view attribute)
{
    const unsigned long count = std::strtoul(attributeNamed(node, attribute), nullptr, 10);
    return std::max(count, 1ul);
}

void appendParagraphText(pugi::xml_node paragraph, QString& text)
{
    visitDescendants(paragraph, [&text](pugi::xml_node node) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            text += QString::fromUtf8(node.value());
        else if (hasLocalName(node, "s"))
            text +=
                QString(static_cast<qsizetype>(std::min(repeatCount(node, "c"), kMaxSpaces)), u' ');
        else if (hasLocalName(node, "tab") || hasLocalName(node, "line-break"))
            text += u' ';
        // Notes and comments on a cell are not its text.
        else
            return !hasLocalName(node, "annotation") && !hasLocalName(node, "note");
        return false;
    });
}

// What a formula shows in place of a value it cannot compute.
bool isErrorText(QStringView text)
{
    static constexpr QStringView errors[] = {u"#N/A",   u"#DIV/0!", u"#VALUE!", u"#REF!",
                                             u"#NAME?", u"#NUM!",   u"#NULL!"};
    return text.startsWith(u"Err:") || std::ranges::find(errors, text) != std::end(errors);
}

// The value of a cell written without the text it shows, as some programs write them.
QString valueText(pugi::xml_node cell)
{
    const std::string_view type = attributeNamed(cell, "value-type");
    const QString value = QString::fromUtf8(attributeNamed(cell, "value"));
    if (type == "float" || type == "currency")
        return generalNumber(value.toDouble());
    if (type == "percentage")
        return generalNumber(value.toDouble() * 100) + u'%';
    if (type == "boolean")
        return std::string_view(attributeNamed(cell, "boolean-value")) == "true"
                   ? QStringLiteral("TRUE")
                   : QStringLiteral("FALSE");
    if (type == "date")
        return QString::fromUtf8(attributeNamed(cell, "date-value"));
    if (type == "time")
        return QString::fromUtf8(attributeNamed(cell, "time-value"));
    return QString::fromUtf8(attributeNamed(cell, "string-value"));
}

// Its paragraphs, joined by a space: the text the sheet shows.
QString cellText(pugi::xml_node cell)
{
    QString text;
    bool anyParagraph = false;
    for (pugi::xml_node child = cell.first_child(); child; child = child.next_sibling()) {
        if (!hasLocalName(child, "p"))
            continue;
        if (anyParagraph)
            text += u' ';
        anyParagraph = true;
        appendParagraphText(child, text);
    }
    if (!anyParagraph)
        return valueText(cell);
    // An error shown by a formula is no word.
    if (*attributeNamed(cell, "formula") != '\0' && isErrorText(text))
        return {};
    return text;
}

// A row written once with a repeat count stands for that many equal rows; the long runs
// of empty rows and cells that fill a sheet to its end are never expanded.
void readRow(pugi::xml_node row, EntryCollector& entries)
{
    QString fields[2];
    unsigned long column = 0;
    for (pugi::xml_node cell = row.first_child(); cell && column < 2; cell = cell.next_sibling()) {
        if (!hasLocalName(cell, "table-cell") && !hasLocalName(cell, "covered-table-cell"))
            continue;
        const unsigned long end =
            column + std::min(repeatCount(cell, "number-columns-repeated"), 2ul);
        const QString text = cellText(cell);
        for (; column < end; ++column) {
            if (column < 2)
                fields[column] = text;
        }
    }
    if (fields[0].trimmed().isEmpty() || fields[1].trimmed().isEmpty())
        return;
    for (unsigned long i = repeatCount(row, "number-rows-repeated"); i > 0 && !entries.full(); --i)
        entries.add(fields[0], fields[1]);
}

} // namespace

QString OdsReader::read(EntryCollector& entries)
{
    const ZipArchive zip(m_bytes);
    if (!zip.problem().isEmpty())
        return zip.problem();
    // A spreadsheet saved with a password keeps its parts encrypted, and its manifest says
    // how.
    static constexpr char kManifest[] = "META-INF/manifest.xml";
    if (zip.contains(kManifest)) {
        QByteArray manifest;
        QString problem = zip.read(kManifest, manifest);
        if (!problem.isEmpty())
            return problem;
        if (manifest.contains("encryption-data"))
            return passwordProtectedProblem();
    }
    XmlPart content;
    QString problem = content.read(zip, "content.xml");
    if (!problem.isEmpty())
        return problem;
    const pugi::xml_node spreadsheet = childNamed(
        childNamed(rootNamed(content.document, "document-content"), "body"), "spreadsheet");
    const pugi::xml_node table = childNamed(spreadsheet, "table");
    if (!table)
        return QCoreApplication::translate("formats",
                                           "it is not a spreadsheet: it holds no table.");
    entries.allowHeading();
    // Rows sit in the table or in header-row, row and group elements within it.
    visitDescendants(table, [&entries](pugi::xml_node node) {
        if (hasLocalName(node, "table-row") && !entries.full())
            readRow(node, entries);
        return hasLocalName(node, "table-header-rows") || hasLocalName(node, "table-rows") ||
               hasLocalName(node, "table-row-group");
    });
    return {};
}

} // namespace formats
