#include "KvtmlReader.h"

#include <QXmlStreamReader>

namespace formats {

namespace {

// A vocabulary document nests five deep; anything far deeper is not one, and its depth
// would only cost memory.
constexpr int kMaxDepth = 64;

// Element depths in <kvtml><entries><entry><translation><text>.
constexpr int kEntryDepth = 3;
constexpr int kTranslationDepth = 4;
constexpr int kTextDepth = 5;

QString xmlProblem(const QXmlStreamReader& xml)
{
    if (xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        return QStringLiteral("it ends too early; the file is cut short or incomplete.");
    return QStringLiteral("its XML is broken at line %1 (%2).")
        .arg(xml.lineNumber())
        .arg(xml.errorString());
}

} // namespace

QString KvtmlReader::read(EntryCollector& entries)
{
    QXmlStreamReader xml(m_xml);
    int depth = 0;
    bool inEntries = false;
    bool inEntry = false;
    bool inactive = false;
    int translation = -1;
    QString texts[2];
    while (!entries.full() && !xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            if (depth == kEntryDepth && inEntry) {
                if (!inactive)
                    entries.add(texts[0], texts[1]);
                inEntry = false;
            } else if (depth == kEntryDepth - 1) {
                inEntries = false;
            }
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (++depth > kMaxDepth)
            return QStringLiteral("its elements are nested far too deeply for a word list.");
        const QStringView name = xml.name();
        if (depth == 1) {
            if (name != u"kvtml")
                return QStringLiteral("it is an XML file, but not a KVTML word list.");
            const QStringView version = xml.attributes().value(QLatin1StringView("version"));
            if (!version.startsWith(u"2."))
                return QStringLiteral("it is saved in KVTML version %1; only KVTML 2.0 can be "
                                      "opened.")
                    .arg(version.isEmpty() ? QStringLiteral("1") : version.toString());
        } else if (depth == kEntryDepth - 1) {
            inEntries = name == u"entries";
        } else if (depth == kEntryDepth && inEntries && name == u"entry") {
            inEntry = true;
            inactive = false;
            texts[0].clear();
            texts[1].clear();
        } else if (depth == kTranslationDepth && inEntry && name == u"inactive") {
            inactive = xml.readElementText().trimmed() == u"true";
            --depth;
        } else if (depth == kTranslationDepth && inEntry && name == u"translation") {
            bool numbered = false;
            translation = xml.attributes().value(QLatin1StringView("id")).toInt(&numbered);
            if (!numbered)
                translation = -1;
        } else if (depth == kTextDepth && inEntry && name == u"text" &&
                   (translation == 0 || translation == 1)) {
            texts[translation] = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            --depth;
        }
    }
    if (xml.hasError())
        return xmlProblem(xml);
    return {};
}

} // namespace formats
