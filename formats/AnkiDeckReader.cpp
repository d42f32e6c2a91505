#include "AnkiDeckReader.h"

#include "AnkiHtml.h"
#include "AnkiSpeech.h"
#include "Protobuf.h"
#include "ZipArchive.h"
#include "ZstdFrame.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <optional>
#include <sqlite3.h>

namespace formats {

namespace {

// Reading a collection runs this many of SQLite's steps at most (a deck of 5200 notes
// needs well under a million): a crafted database cannot keep the program busy.
constexpr int kStepsPerProgressCall = 1000;
constexpr int kMaxProgressCalls = 100000;
constexpr int kMaxValueLength = 16 * 1024 * 1024;
// The collection is read in memory, beside the package and, when packed, its packed
// bytes; a deck of tens of thousands of notes takes a fraction of it.
constexpr qint64 kMaxCollectionSize = 128 * 1024 * 1024;

constexpr char kLegacyCollection[] = "collection.anki2";
constexpr char kCollection21[] = "collection.anki21";
constexpr char kCompressedCollection[] = "collection.anki21b";

// Pairs made room for at once; a larger deck grows the set as it is read.
constexpr int kMaxReservedPairs = 8192;

// Anki's notes keep their fields in one text, separated by this unit.
constexpr QChar kFieldSeparator = u'\x1F';

const QString kDamagedCollection =
    QStringLiteral("its collection is damaged; the deck cannot be read.");

// The varint that field `number` of a protobuf message holds, if the message holds one.
std::optional<quint64> varintField(QByteArrayView message, quint64 number)
{
    std::optional<quint64> found;
    forEachField(message, [&](const ProtobufField& field) {
        if (field.number == number && field.wireType == 0)
            found = field.varint;
        return !found;
    });
    return found;
}

// The member that holds the collection, or nullptr with `problem` filled. When `meta` or
// a newer collection names another member, collection.anki2 only asks the user to update
// Anki, in the user's language.
const char* collectionMember(const ZipArchive& zip, QString& problem)
{
    if (zip.contains("meta")) {
        QByteArray meta;
        problem = zip.read("meta", meta);
        if (!problem.isEmpty())
            return nullptr;
        switch (varintField(meta, 1).value_or(0)) {
        case 1:
            return kLegacyCollection;
        case 2:
            return kCollection21;
        case 3:
            return kCompressedCollection;
        default:
            problem = QStringLiteral("it was made by a newer version of Anki than this program "
                                     "reads. In Anki, export it again with \"Support older "
                                     "Anki versions\" checked.");
            return nullptr;
        }
    }
    if (zip.contains(kCollection21))
        return kCollection21;
    if (zip.contains(kLegacyCollection))
        return kLegacyCollection;
    problem = QStringLiteral("it is a zip package, but not an Anki deck: it holds no collection.");
    return nullptr;
}

int stopAfterTooManySteps(void* calls)
{
    return ++*static_cast<int*>(calls) > kMaxProgressCalls;
}

// Whether a field must be cleaned: it holds markup, a sound, a cloze mark, or white space
// that HTML would show otherwise. Most fields are plain words.
bool needsCleaning(QStringView field)
{
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char16_t c = field[i].unicode();
        if (c == u'<' || c == u'&' || c == u'[' || c == u'{')
            return true;
        if (c == u' ' ? i == 0 || i + 1 == field.size() || field[i + 1] == u' '
                      : c <= u' ' || (c >= 0x80 && QChar::isSpace(c)))
            return true;
    }
    return false;
}

// Whether a field holds a sound or a cloze mark, in one pass: the fields of real decks
// are long.
bool holdsSoundOrCloze(QStringView field)
{
    for (qsizetype i = 0; i < field.size(); ++i) {
        if ((field[i] == u'[' && field.sliced(i).startsWith(u"[sound:")) ||
            (field[i] == u'{' && field.sliced(i).startsWith(u"{{c")))
            return true;
    }
    return false;
}

const QRegularExpression& soundMark()
{
    static const QRegularExpression sound(QStringLiteral(R"(\[sound:([^\]]*)\])"));
    return sound;
}

// The media name of the first sound in a field, or "".
QString soundName(QStringView field)
{
    if (!field.contains(u"[sound:"))
        return {};
    return soundMark().match(field).captured(1);
}

// Anki's fields hold HTML, sounds and, in ordinary notes too, cloze marks.
QString plainField(QStringView field)
{
    const QRegularExpression& sound = soundMark();
    static const QRegularExpression cloze(
        QStringLiteral(R"(\{\{c\d+::((?:(?!::|\}\}).)*)(?:::(?:(?!\}\}).)*)?\}\})"),
        QRegularExpression::DotMatchesEverythingOption);
    if (!holdsSoundOrCloze(field))
        return plainTextFromHtml(field);
    QString text = field.toString();
    text.remove(sound);
    text.replace(cloze, QStringLiteral("\\1"));
    return plainTextFromHtml(text);
}

// Schema 11 keeps the note types as JSON in col.models, keyed by id; "type" 1 is cloze.
bool readClozeTypesFromJson(const QByteArray& models, QSet<qint64>& cloze)
{
    const QJsonDocument document = QJsonDocument::fromJson(models);
    if (!document.isObject())
        return false;
    const QJsonObject types = document.object();
    for (auto it = types.begin(); it != types.end(); ++it) {
        const QJsonObject type = it.value().toObject();
        if (type.value(QLatin1StringView("type")).toInteger() != 1)
            continue;
        // The id is written as a number by some versions and as a string by others.
        const QJsonValue id = type.value(QLatin1StringView("id"));
        cloze.insert(id.isString()      ? id.toString().toLongLong()
                     : id.isUndefined() ? it.key().toLongLong()
                                        : id.toInteger());
    }
    return true;
}

// Later schemas keep them in the notetypes table: field 1 of the config protobuf is the
// kind, 1 for cloze and absent for ordinary types. Only ids are queried, as the name
// columns use a collation only Anki registers.
void readClozeTypesFromTable(SQLite::Database& db, QSet<qint64>& cloze)
{
    SQLite::Statement types(db, "SELECT id, config FROM notetypes");
    while (types.executeStep()) {
        const SQLite::Column config = types.getColumn(1);
        const QByteArrayView message(static_cast<const char*>(config.getBlob()), config.getBytes());
        if (varintField(message, 1) == 1u)
            cloze.insert(types.getColumn(0).getInt64());
    }
}

QString readNotes(SQLite::Database& db, EntryCollector& entries)
{
    SQLite::Statement objects(
        db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name IN ('col', 'notes')");
    int tables = 0;
    while (objects.executeStep())
        ++tables;
    if (tables != 2)
        return QStringLiteral("it is not an Anki deck: its collection holds no notes.");

    SQLite::Statement col(db, "SELECT ver, models FROM col LIMIT 1");
    if (!col.executeStep())
        return kDamagedCollection;
    const int version = col.getColumn(0).getInt();
    QSet<qint64> clozeTypes;
    QByteArray legacyModels;
    if (version == 11) {
        const SQLite::Column models = col.getColumn(1);
        legacyModels = QByteArray(static_cast<const char*>(models.getBlob()), models.getBytes());
        if (!readClozeTypesFromJson(legacyModels, clozeTypes))
            return QStringLiteral("its note types cannot be read; the deck is damaged.");
    } else if (version >= 15 && version <= 18) {
        readClozeTypesFromTable(db, clozeTypes);
    } else {
        return QStringLiteral("its collection is saved in a form (version %1) this program "
                              "does not know.")
            .arg(version);
    }

    const DeckLanguages languages = ttsLanguages(db, version, legacyModels);
    entries.setLanguages(languages.word, languages.meaning);

    SQLite::Statement notes(db, "SELECT mid, flds FROM notes ORDER BY id");
    // Each pair is kept as the word, the separator and the meaning.
    QSet<QString> seen;
    SQLite::Statement count(db, "SELECT count(*) FROM notes");
    if (count.executeStep())
        seen.reserve(std::min(count.getColumn(0).getInt(), kMaxReservedPairs));
    while (!entries.full() && notes.executeStep()) {
        if (clozeTypes.contains(notes.getColumn(0).getInt64()))
            continue;
        const SQLite::Column column = notes.getColumn(1);
        const QByteArrayView fields(static_cast<const char*>(column.getBlob()), column.getBytes());
        // In UTF-8, the separator's byte is never part of another character.
        const qsizetype firstEnd = fields.indexOf(char(kFieldSeparator.unicode()));
        if (firstEnd < 0)
            continue;
        const qsizetype secondEnd = fields.indexOf(char(kFieldSeparator.unicode()), firstEnd + 1);
        QString pair = QString::fromUtf8(fields.first(secondEnd < 0 ? fields.size() : secondEnd));
        qsizetype split = pair.indexOf(kFieldSeparator);
        QString wordRecording;
        QString meaningRecording;
        if (needsCleaning(QStringView(pair).first(split)) ||
            needsCleaning(QStringView(pair).sliced(split + 1))) {
            wordRecording = soundName(QStringView(pair).first(split));
            meaningRecording = soundName(QStringView(pair).sliced(split + 1));
            const QString word = plainField(QStringView(pair).first(split));
            const QString meaning = plainField(QStringView(pair).sliced(split + 1));
            pair = word + kFieldSeparator + meaning;
            split = word.size();
        }
        const QStringView word = QStringView(pair).first(split);
        const QStringView meaning = QStringView(pair).sliced(split + 1);
        if (word.isEmpty() || meaning.isEmpty())
            continue;
        // Identical pairs count once.
        const qsizetype known = seen.size();
        seen.insert(pair);
        if (seen.size() > known)
            entries.add(word, meaning, wordRecording, meaningRecording);
    }
    return {};
}

QString readCollection(QByteArray& database, EntryCollector& entries)
{
    static constexpr char kSqliteHeader[] = "SQLite format 3";
    if (database.size() < 100 ||
        !database.startsWith(QByteArrayView(kSqliteHeader, sizeof kSqliteHeader)))
        return QStringLiteral("its collection is not an Anki database; the deck is damaged.");
    // A collection saved in WAL mode (the write and read versions 2) is read as a plain
    // database file, which it is once Anki has checkpointed it for export.
    if (database[18] == 2 && database[19] == 2)
        database[18] = database[19] = 1;
    try {
        // The connection stays on this thread: SQLite need not lock it.
        SQLite::Database db(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_NOMUTEX);
        sqlite3* handle = db.getHandle();
        sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(handle, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        // A crafted schema can compute a column from innocent functions, one step that
        // builds a string of any size; no note's fields come near this.
        sqlite3_limit(handle, SQLITE_LIMIT_LENGTH, kMaxValueLength);
        if (sqlite3_deserialize(handle, "main", reinterpret_cast<unsigned char*>(database.data()),
                                database.size(), database.size(),
                                SQLITE_DESERIALIZE_READONLY) != SQLITE_OK)
            return kDamagedCollection;
        // Pages are read where the collection lies rather than copied into a cache.
        db.exec("PRAGMA mmap_size = 536870912");
        int progressCalls = 0;
        sqlite3_progress_handler(handle, kStepsPerProgressCall, stopAfterTooManySteps,
                                 &progressCalls);
        return readNotes(db, entries);
    } catch (const SQLite::Exception& error) {
        if (error.getErrorCode() == SQLITE_INTERRUPT)
            return QStringLiteral("its collection takes far too long to read; the deck is "
                                  "damaged.");
        return QStringLiteral("its collection is damaged (%1).")
            .arg(QString::fromUtf8(error.what()));
    }
}

} // namespace

QString AnkiDeckReader::read(EntryCollector& entries)
{
    const ZipArchive zip(m_bytes);
    if (!zip.problem().isEmpty())
        return zip.problem();
    QString problem;
    const char* member = collectionMember(zip, problem);
    if (!member)
        return problem;
    QByteArray collection;
    problem = zip.read(member, collection, kMaxCollectionSize);
    if (!problem.isEmpty())
        return problem;
    if (member == kCompressedCollection) {
        QByteArray unpacked;
        const qint64 limit =
            std::min(ZipArchive::maxUnpackedSize(collection.size()), kMaxCollectionSize);
        switch (unpackZstd(collection, limit, unpacked)) {
        case Unpacked::Damaged:
            return kDamagedCollection;
        case Unpacked::TooLarge:
            return ZipArchive::unpackedSizeProblem(QString::fromLatin1(kCompressedCollection),
                                                   limit + 1, collection.size(),
                                                   kMaxCollectionSize);
        case Unpacked::Whole:
            break;
        }
        collection = std::move(unpacked);
    }
    return readCollection(collection, entries);
}

} // namespace formats
