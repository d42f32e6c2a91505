#include "XlsxReader.h"

#include "XmlPart.h"
#include "ZipArchive.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace formats {

namespace {

// A workbook saved with a password is not a zip but an OLE2 compound file around the
// encrypted package.
constexpr char kCompoundFileSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

// The text of a shared or inline string: its own text, or its rich-text runs joined.
// Phonetic runs (rPh) are readings shown above East Asian text, not part of it.
QString stringItemText(pugi::xml_node item)
{
    // Most are a plain text alone.
    const pugi::xml_node first = item.first_child();
    if (hasLocalName(first, "t") && !first.next_sibling())
        return QString::fromUtf8(first.text().get());
    QString text;
    for (pugi::xml_node child = first; child; child = child.next_sibling()) {
        if (hasLocalName(child, "t"))
            text += QString::fromUtf8(child.text().get());
        else if (hasLocalName(child, "r"))
            text += QString::fromUtf8(childNamed(child, "t").text().get());
    }
    return text;
}

// Column index of a cell reference such as "B7", or -1 when it has none.
int columnOf(const char* reference)
{
    int column = 0;
    const char* letter = reference;
    for (; *letter >= 'A' && *letter <= 'Z' && column < 1 << 20; ++letter)
        column = column * 26 + (*letter - 'A' + 1);
    return letter == reference ? -1 : column - 1;
}

// "xl/worksheets/sheet1.xml" from a target relative to xl/ or from the package's root.
std::string partPath(const char* target)
{
    return target[0] == '/' ? std::string(target + 1) : "xl/" + std::string(target);
}

// The part of the first worksheet, or "" with `problem` filled.
std::string firstSheetPart(const ZipArchive& zip, QString& problem)
{
    XmlPart workbook;
    problem = workbook.read(zip, "xl/workbook.xml");
    if (!problem.isEmpty())
        return {};
    const pugi::xml_node sheet =
        childNamed(childNamed(rootNamed(workbook.document, "workbook"), "sheets"), "sheet");
    const std::string_view id = attributeNamed(sheet, "id");
    XmlPart relationships;
    if (!id.empty())
        problem = relationships.read(zip, "xl/_rels/workbook.xml.rels");
    if (!problem.isEmpty())
        return {};
    const pugi::xml_node list = rootNamed(relationships.document, "Relationships");
    for (pugi::xml_node item = list.first_child(); item; item = item.next_sibling()) {
        if (hasLocalName(item, "Relationship") && attributeNamed(item, "Id") == id)
            return partPath(attributeNamed(item, "Target"));
    }
    problem = QStringLiteral("its workbook holds no worksheet that can be read.");
    return {};
}

QString readSharedStrings(const ZipArchive& zip, std::vector<QString>& strings)
{
    static constexpr char kPart[] = "xl/sharedStrings.xml";
    // A workbook of numbers alone has none.
    if (!zip.contains(kPart))
        return {};
    XmlPart part;
    QString problem = part.read(zip, kPart);
    if (!problem.isEmpty())
        return problem;
    const pugi::xml_node table = rootNamed(part.document, "sst");
    for (pugi::xml_node item = table.first_child(); item; item = item.next_sibling()) {
        if (hasLocalName(item, "si"))
            strings.push_back(stringItemText(item));
    }
    return {};
}

QString cellText(pugi::xml_node cell, const std::vector<QString>& sharedStrings)
{
    const std::string_view type = attributeNamed(cell, "t");
    if (type == "inlineStr")
        return stringItemText(childNamed(cell, "is"));
    const char* value = childNamed(cell, "v").text().get();
    if (type == "s") {
        const auto index = static_cast<size_t>(std::strtoul(value, nullptr, 10));
        return index < sharedStrings.size() ? sharedStrings[index] : QString();
    }
    // Numbers, booleans and the results of formulas, as the file writes them.
    return QString::fromUtf8(value);
}

} // namespace

QString XlsxReader::read(EntryCollector& entries)
{
    if (m_bytes.startsWith(kCompoundFileSignature))
        return passwordProtectedProblem();
    const ZipArchive zip(m_bytes);
    if (!zip.problem().isEmpty())
        return zip.problem();
    QString problem;
    const std::string sheetPart = firstSheetPart(zip, problem);
    if (!problem.isEmpty())
        return problem;
    std::vector<QString> sharedStrings;
    problem = readSharedStrings(zip, sharedStrings);
    if (!problem.isEmpty())
        return problem;
    XmlPart sheet;
    problem = sheet.read(zip, sheetPart.c_str());
    if (!problem.isEmpty())
        return problem;

    entries.allowHeading();
    const pugi::xml_node rows = childNamed(rootNamed(sheet.document, "worksheet"), "sheetData");
    for (pugi::xml_node row = rows.first_child(); row && !entries.full();
         row = row.next_sibling()) {
        if (!hasLocalName(row, "row"))
            continue;
        QString fields[2];
        // A cell without a reference follows the one before it; empty cells may be left out.
        int column = -1;
        for (pugi::xml_node cell = row.first_child(); cell; cell = cell.next_sibling()) {
            if (!hasLocalName(cell, "c"))
                continue;
            const int referenced = columnOf(attributeNamed(cell, "r"));
            column = referenced >= 0 ? referenced : column + 1;
            if (column > 1)
                break;
            fields[column] = cellText(cell, sharedStrings);
        }
        entries.add(fields[0], fields[1]);
    }
    return {};
}

} // namespace formats
