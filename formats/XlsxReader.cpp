#include "XlsxReader.h"

#include "NumberFormat.h"
#include "XmlPart.h"
#include "ZipArchive.h"

#include <QCoreApplication>
#include <array>
#include <charconv>
#include <cstdlib>
#include <map>
#include <string>
#include <unordered_map>
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

struct Workbook {
    std::string firstSheet;
    // Dates count from 1904 rather than 1900, as old Mac workbooks do.
    bool date1904 = false;
};

// The part of the first worksheet and the date system, or `problem` filled.
Workbook readWorkbook(const ZipArchive& zip, QString& problem)
{
    XmlPart workbook;
    problem = workbook.read(zip, "xl/workbook.xml");
    if (!problem.isEmpty())
        return {};
    const pugi::xml_node root = rootNamed(workbook.document, "workbook");
    const std::string_view date1904 = attributeNamed(childNamed(root, "workbookPr"), "date1904");
    const bool is1904 = date1904 == "1" || date1904 == "true";
    const std::string_view id =
        attributeNamed(childNamed(childNamed(root, "sheets"), "sheet"), "id");
    XmlPart relationships;
    if (!id.empty())
        problem = relationships.read(zip, "xl/_rels/workbook.xml.rels");
    if (!problem.isEmpty())
        return {};
    const pugi::xml_node list = rootNamed(relationships.document, "Relationships");
    for (pugi::xml_node item = list.first_child(); item; item = item.next_sibling()) {
        if (hasLocalName(item, "Relationship") && attributeNamed(item, "Id") == id)
            return {partPath(attributeNamed(item, "Target")), is1904};
    }
    problem =
        QCoreApplication::translate("formats", "its workbook holds no worksheet that can be read.");
    return {};
}

// The number format code of each cell style, by the style's index; "" for General.
QString readCellFormats(const ZipArchive& zip, std::vector<QString>& formats)
{
    static constexpr char kPart[] = "xl/styles.xml";
    if (!zip.contains(kPart))
        return {};
    XmlPart part;
    QString problem = part.read(zip, kPart);
    if (!problem.isEmpty())
        return problem;
    const pugi::xml_node sheet = rootNamed(part.document, "styleSheet");
    std::map<int, QString> customCodes;
    for (pugi::xml_node format : childNamed(sheet, "numFmts").children()) {
        if (hasLocalName(format, "numFmt"))
            customCodes[std::atoi(attributeNamed(format, "numFmtId"))] =
                QString::fromUtf8(attributeNamed(format, "formatCode"));
    }
    for (pugi::xml_node style : childNamed(sheet, "cellXfs").children()) {
        if (!hasLocalName(style, "xf"))
            continue;
        const int id = std::atoi(attributeNamed(style, "numFmtId"));
        const auto custom = customCodes.find(id);
        formats.push_back(custom != customCodes.end() ? custom->second
                                                      : builtInFormatCode(id).toString());
    }
    return {};
}

// A cell's text as the sheet shows it, or the index of its shared string.
struct CellValue {
    QString text;
    long sharedString = -1;

    bool isEmpty() const { return sharedString < 0 && text.trimmed().isEmpty(); }
};

CellValue cellValue(pugi::xml_node cell, const std::vector<QString>& formats, bool date1904)
{
    const std::string_view type = attributeNamed(cell, "t");
    if (type == "inlineStr")
        return {stringItemText(childNamed(cell, "is"))};
    const std::string_view value = childNamed(cell, "v").text().get();
    if (type == "s") {
        long index = -1;
        std::from_chars(value.data(), value.data() + value.size(), index);
        return {QString(), index};
    }
    // A formula's text, or a date written as such.
    if (type == "str" || type == "d")
        return {QString::fromUtf8(value)};
    if (type == "b")
        return {value.empty()  ? QString()
                : value == "0" ? QStringLiteral("FALSE")
                               : QStringLiteral("TRUE")};
    // An error (#N/A, #DIV/0!) is no word.
    if (type == "e")
        return {};
    double number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size())
        return {QString::fromUtf8(value)};
    const auto style = static_cast<size_t>(std::atol(attributeNamed(cell, "s")));
    return {style < formats.size() ? formattedNumber(number, formats[style], date1904)
                                   : generalNumber(number)};
}

using Row = std::array<CellValue, 2>;

// The first two cells of the sheet's rows, as many as can give the entries wanted: a row
// whose cells are both empty gives none.
QString readRows(const ZipArchive& zip, const std::string& part, const Workbook& workbook,
                 const std::vector<QString>& formats, size_t wanted, std::vector<Row>& rows)
{
    XmlPart sheet;
    QString problem = sheet.read(zip, part.c_str());
    if (!problem.isEmpty())
        return problem;
    const pugi::xml_node data = childNamed(rootNamed(sheet.document, "worksheet"), "sheetData");
    size_t whole = 0;
    for (pugi::xml_node row = data.first_child(); row && whole < wanted; row = row.next_sibling()) {
        if (!hasLocalName(row, "row"))
            continue;
        Row cells;
        // A cell without a reference follows the one before it; empty cells may be left out.
        int column = -1;
        for (pugi::xml_node cell = row.first_child(); cell; cell = cell.next_sibling()) {
            if (!hasLocalName(cell, "c"))
                continue;
            const int referenced = columnOf(attributeNamed(cell, "r"));
            column = referenced >= 0 ? referenced : column + 1;
            if (column > 1)
                break;
            cells[column] = cellValue(cell, formats, workbook.date1904);
        }
        if (cells[0].isEmpty() && cells[1].isEmpty())
            continue;
        whole += !cells[0].isEmpty() && !cells[1].isEmpty();
        rows.push_back(std::move(cells));
    }
    return {};
}

// The shared strings that `rows` refer to; the others, which may be many, are not kept.
QString readSharedStrings(const ZipArchive& zip, const std::vector<Row>& rows,
                          std::unordered_map<long, QString>& strings)
{
    for (const Row& row : rows) {
        for (const CellValue& cell : row) {
            if (cell.sharedString >= 0)
                strings.emplace(cell.sharedString, QString());
        }
    }
    static constexpr char kPart[] = "xl/sharedStrings.xml";
    // A workbook of numbers alone has none.
    if (strings.empty() || !zip.contains(kPart))
        return {};
    XmlPart part;
    QString problem = part.read(zip, kPart);
    if (!problem.isEmpty())
        return problem;
    long index = 0;
    for (pugi::xml_node item : rootNamed(part.document, "sst").children()) {
        if (!hasLocalName(item, "si"))
            continue;
        if (const auto wanted = strings.find(index); wanted != strings.end())
            wanted->second = stringItemText(item);
        ++index;
    }
    return {};
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
    const Workbook workbook = readWorkbook(zip, problem);
    if (!problem.isEmpty())
        return problem;
    std::vector<QString> formats;
    problem = readCellFormats(zip, formats);
    if (!problem.isEmpty())
        return problem;
    // The sheet first, so that only the shared strings its rows use are kept: one entry more
    // than the list keeps, and one row more for a heading.
    std::vector<Row> rows;
    problem = readRows(zip, workbook.firstSheet, workbook, formats, entries.maxEntries() + 2, rows);
    if (!problem.isEmpty())
        return problem;
    std::unordered_map<long, QString> sharedStrings;
    problem = readSharedStrings(zip, rows, sharedStrings);
    if (!problem.isEmpty())
        return problem;

    entries.allowHeading();
    for (const Row& row : rows) {
        const auto text = [&sharedStrings](const CellValue& cell) {
            return cell.sharedString >= 0 ? sharedStrings[cell.sharedString] : cell.text;
        };
        entries.add(text(row[0]), text(row[1]));
    }
    return {};
}

} // namespace formats
