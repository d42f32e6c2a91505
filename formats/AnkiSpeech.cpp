#include "AnkiSpeech.h"

#include "Language.h"
#include "Protobuf.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

namespace formats {

namespace {

// A note type's fields by name, with their places.
using FieldPlaces = QHash<QString, int>;

// {{tts LANG:Field}}, {{tts LANG voices=...:Field}}, and filters before the field.
void readTags(const QString& templateText, const FieldPlaces& fields, DeckLanguages& languages)
{
    static const QRegularExpression tag(
        QStringLiteral(R"(\{\{tts\s+([A-Za-z]{2,3}(?:[_-][A-Za-z0-9]+)?)[^}]*?:([^:}]+)\}\})"));
    for (const QRegularExpressionMatch& match : tag.globalMatch(templateText)) {
        const int place = fields.value(match.captured(2).trimmed(), -1);
        std::string& language = place == 0 ? languages.word : languages.meaning;
        if ((place == 0 || place == 1) && language.empty())
            language = languageCode(match.captured(1).toStdU16String());
    }
}

void readJsonModels(const QByteArray& models, DeckLanguages& languages)
{
    const QJsonObject types = QJsonDocument::fromJson(models).object();
    for (const QJsonValue type : types) {
        FieldPlaces fields;
        for (const QJsonValue field : type[QLatin1StringView("flds")].toArray())
            fields.insert(field[QLatin1StringView("name")].toString(),
                          field[QLatin1StringView("ord")].toInt(-1));
        for (const QJsonValue card : type[QLatin1StringView("tmpls")].toArray()) {
            readTags(card[QLatin1StringView("qfmt")].toString(), fields, languages);
            readTags(card[QLatin1StringView("afmt")].toString(), fields, languages);
        }
    }
}

// A template's config keeps the question's format in field 1 and the answer's in field 2.
void readTemplateTables(SQLite::Database& db, DeckLanguages& languages)
{
    if (!db.tableExists("templates") || !db.tableExists("fields"))
        return;
    QHash<qint64, FieldPlaces> fieldsByType;
    SQLite::Statement fields(db, "SELECT ntid, ord, name FROM fields");
    while (fields.executeStep())
        fieldsByType[fields.getColumn(0).getInt64()].insert(
            QString::fromUtf8(fields.getColumn(2).getText()), fields.getColumn(1).getInt());
    SQLite::Statement templates(db, "SELECT ntid, config FROM templates");
    while (templates.executeStep()) {
        const SQLite::Column config = templates.getColumn(1);
        const FieldPlaces& places = fieldsByType[templates.getColumn(0).getInt64()];
        forEachField(QByteArrayView(static_cast<const char*>(config.getBlob()), config.getBytes()),
                     [&](const ProtobufField& field) {
                         if ((field.number == 1 || field.number == 2) && field.wireType == 2)
                             readTags(QString::fromUtf8(field.bytes), places, languages);
                         return true;
                     });
    }
}

} // namespace

DeckLanguages ttsLanguages(SQLite::Database& db, int version, const QByteArray& legacyModels)
{
    DeckLanguages languages;
    // The languages only help speech: a deck whose templates cannot be read is still read.
    try {
        if (version == 11)
            readJsonModels(legacyModels, languages);
        else
            readTemplateTables(db, languages);
    } catch (const SQLite::Exception&) {
    }
    return languages;
}

} // namespace formats
