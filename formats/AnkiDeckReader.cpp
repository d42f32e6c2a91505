#include "AnkiDeckReader.h"

#include "AnkiHtml.h"
#include "AnkiSpeech.h"
#include "HelperThreads.h"
#include "Protobuf.h"
#include "ZipArchive.h"
#include "ZstdFrame.h"

#include <QCoreApplication>
#include <QHashFunctions>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <algorithm>
#include <atomic>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

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

// The most bytes of fields copied out of the collection in one batch, into room that the
// next batch takes over: a deck's fields are never held twice whole.
constexpr size_t kMaxBatchBytes = 1024 * 1024;

// The notes that a cleaning thread takes at a time: a few kilobytes of fields.
constexpr size_t kNotesPerShare = 8;

// The most threads that clean a batch, the reading thread among them: cleaning the fields
// (their HTML, sounds and cloze marks) is most of a deck's reading, which the learner waits
// for when a deck is opened; a batch takes a few milliseconds, and more threads would take
// longer to start than they save.
constexpr unsigned kMaxCleaningThreads = 4;

// Anki's notes keep their fields in one text, separated by this unit.
constexpr char kFieldSeparator = '\x1F';

const QString kDamagedCollection =
    QCoreApplication::translate("formats", "its collection is damaged; the deck cannot be read.");

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
            problem = QCoreApplication::translate(
                "formats", "it was made by a newer version of Anki than this program "
                           "reads. In Anki, export it again with \"Support older "
                           "Anki versions\" checked.");
            return nullptr;
        }
    }
    if (zip.contains(kCollection21))
        return kCollection21;
    if (zip.contains(kLegacyCollection))
        return kLegacyCollection;
    problem = QCoreApplication::translate(
        "formats", "it is a zip package, but not an Anki deck: it holds no collection.");
    return nullptr;
}

int stopAfterTooManySteps(void* calls)
{
    return ++*static_cast<int*>(calls) > kMaxProgressCalls;
}

// A field as an entry keeps it, and the media names of its first sound and its first
// picture, or "".
struct CleanField {
    std::u16string text;
    QString recording;
    QString picture;
};

// A note's two fields, and the hash of their texts.
struct CleanNote {
    CleanField word;
    CleanField meaning;
    size_t hash = 0;
};

// The media name in the first <img src="NAME"> of a field, its character references
// decoded, or "". Pictures are rare: they are looked for in the UTF-8 bytes.
QString firstPicture(std::string_view utf8)
{
    const size_t tag = utf8.find("<img");
    if (tag == std::string_view::npos)
        return {};
    const std::string_view inside = utf8.substr(tag, utf8.find('>', tag) - tag);
    size_t value = inside.find("src=");
    if (value == std::string_view::npos)
        return {};
    value += 4;
    const char quote = value < inside.size() ? inside[value] : '\0';
    const bool quoted = quote == '"' || quote == '\'';
    value += quoted ? 1 : 0;
    const size_t end =
        std::min(inside.find_first_of(quoted ? std::string_view(&quote, 1) : " \t\n/", value),
                 inside.size());
    const std::string_view name = inside.substr(value, end - value);
    return plainTextFromHtml(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

// Anki's fields hold HTML, sounds ("[sound:NAME]", which names one of the deck's media)
// and, in ordinary notes too, cloze marks. Most fields are plain words, and the fields of
// real decks are long: sounds and cloze marks are looked for in the UTF-8 bytes, where
// they are rare.
CleanField cleanField(std::string_view utf8)
{
    static constexpr std::string_view soundMark = "[sound:";
    std::optional<QString> recording;
    std::string withoutSounds;
    size_t kept = 0;
    for (size_t mark = utf8.find(soundMark); mark != std::string_view::npos;
         mark = utf8.find(soundMark, kept)) {
        const size_t name = mark + soundMark.size();
        const size_t end = utf8.find(']', name);
        if (end == std::string_view::npos)
            break;
        if (!recording)
            recording = QString::fromUtf8(utf8.substr(name, end - name));
        withoutSounds.append(utf8.substr(kept, mark - kept));
        kept = end + 1;
    }
    if (recording) {
        withoutSounds.append(utf8.substr(kept));
        utf8 = withoutSounds;
    }
    if (utf8.find("{{c") != std::string_view::npos) {
        // Qt's expressions are reentrant, not thread-safe: each thread has its own.
        static thread_local const QRegularExpression cloze(
            QStringLiteral(R"(\{\{c\d+::((?:(?!::|\}\}).)*)(?:::(?:(?!\}\}).)*)?\}\})"),
            QRegularExpression::DotMatchesEverythingOption);
        QString field = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        field.replace(cloze, QStringLiteral("\\1"));
        return {entryTextFromHtml(field), recording.value_or(QString()), firstPicture(utf8)};
    }
    return {entryTextFromHtml(utf8), recording.value_or(QString()), firstPicture(utf8)};
}

// The word and meaning fields of notes, read from the collection in batches and cleaned
// on every core: the fields of real decks are long, and reading a deck waits for them.
class NoteBatch {
public:
    // Reads the next `size` ordinary notes at most, and fewer once their fields pass
    // kMaxBatchBytes; false when none is read. `more` turns false at the last note.
    bool read(SQLite::Statement& notes, const QSet<qint64>& clozeTypes, size_t size, bool& more)
    {
        m_bytes.clear();
        // Room for a whole batch at once, of which only the pages written are ever mapped:
        // growing would copy the fields again and again.
        m_bytes.reserve(kMaxBatchBytes);
        m_notes.clear();
        while (more && m_notes.size() < size && m_bytes.size() < kMaxBatchBytes) {
            more = notes.executeStep();
            if (!more || clozeTypes.contains(notes.getColumn(0).getInt64()))
                continue;
            const SQLite::Column column = notes.getColumn(1);
            const std::string_view fields(static_cast<const char*>(column.getBlob()),
                                          static_cast<size_t>(column.getBytes()));
            // In UTF-8, the separator's byte is never part of another character.
            const size_t firstEnd = fields.find(kFieldSeparator);
            if (firstEnd == std::string_view::npos)
                continue;
            const size_t secondEnd =
                std::min(fields.find(kFieldSeparator, firstEnd + 1), fields.size());
            m_notes.push_back({m_bytes.size(), firstEnd, secondEnd - firstEnd - 1});
            m_bytes.append(fields.substr(0, secondEnd));
        }
        return !m_notes.empty();
    }

    // The notes' fields as entries keep them, in the collection's order. Every thread takes
    // the next few notes until none is left: a thread that the system holds back, while the
    // window paints, leaves its share to the others.
    std::vector<CleanNote>& cleaned(HelperThreads& helpers)
    {
        m_cleaned.resize(m_notes.size());
        std::atomic<size_t> next = 0;
        const auto cleanShares = [this, &next] {
            for (size_t from = next.fetch_add(kNotesPerShare); from < m_notes.size();
                 from = next.fetch_add(kNotesPerShare))
                clean(from, std::min(from + kNotesPerShare, m_notes.size()));
        };
        helpers.share(cleanShares);
        return m_cleaned;
    }

private:
    // Where a note's word and meaning lie in the batch's bytes.
    struct RawNote {
        size_t start;
        size_t wordSize;
        size_t meaningSize;
    };

    void clean(size_t from, size_t to)
    {
        const std::string_view bytes(m_bytes);
        for (size_t i = from; i < to; ++i) {
            const RawNote& note = m_notes[i];
            CleanNote& fields = m_cleaned[i];
            fields.word = cleanField(bytes.substr(note.start, note.wordSize));
            fields.meaning =
                cleanField(bytes.substr(note.start + note.wordSize + 1, note.meaningSize));
            fields.hash =
                qHashMulti(m_seed, QStringView(fields.word.text), QStringView(fields.meaning.text));
        }
    }

    std::string m_bytes;
    std::vector<RawNote> m_notes;
    // Identical entries count once: they are told by a hash, seeded for this run so that no
    // deck can be made whose entries all share one.
    const size_t m_seed = QHashSeed::globalSeed();
    std::vector<CleanNote> m_cleaned;
};

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
        return QCoreApplication::translate(
            "formats", "it is not an Anki deck: its collection holds no notes.");

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
            return QCoreApplication::translate(
                "formats", "its note types cannot be read; the deck is damaged.");
    } else if (version >= 15 && version <= 18) {
        readClozeTypesFromTable(db, clozeTypes);
    } else {
        return QCoreApplication::translate(
                   "formats", "its collection is saved in a form (version %1) this program "
                              "does not know.")
            .arg(version);
    }

    const DeckLanguages languages = ttsLanguages(db, version, legacyModels);
    entries.setLanguages(languages.word, languages.meaning);

    SQLite::Statement notes(db, "SELECT mid, flds FROM notes ORDER BY id");
    // The hash of each entry added, with its index.
    std::unordered_multimap<size_t, size_t> seen;
    HelperThreads helpers(kMaxCleaningThreads);
    NoteBatch batch;
    bool more = true;
    while (!entries.full() && batch.read(notes, clozeTypes, entries.maxEntries() + 1, more)) {
        for (CleanNote& note : batch.cleaned(helpers)) {
            WordEntry entry{std::move(note.word.text), std::move(note.meaning.text)};
            const auto [first, last] = seen.equal_range(note.hash);
            if (std::any_of(first, last, [&](const std::pair<const size_t, size_t>& known) {
                    return entries.entries()[known.second] == entry;
                }))
                continue;
            const size_t index = entries.entries().size();
            if (!entries.add(std::move(entry), note.word.recording, note.meaning.recording))
                continue;
            entries.setPictures(note.word.picture, note.meaning.picture);
            seen.emplace(note.hash, index);
        }
    }
    return {};
}

QString readCollection(QByteArray& database, EntryCollector& entries)
{
    static constexpr char kSqliteHeader[] = "SQLite format 3";
    if (database.size() < 100 ||
        !database.startsWith(QByteArrayView(kSqliteHeader, sizeof kSqliteHeader)))
        return QCoreApplication::translate(
            "formats", "its collection is not an Anki database; the deck is damaged.");
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
            return QCoreApplication::translate(
                "formats", "its collection takes far too long to read; the deck is "
                           "damaged.");
        return QCoreApplication::translate("formats", "its collection is damaged (%1).")
            .arg(QString::fromUtf8(error.what()));
    }
}

} // namespace

QString AnkiDeckReader::read(EntryCollector& entries)
{
    const ZipArchive zip(m_bytes,
                         {"meta", kLegacyCollection, kCollection21, kCompressedCollection});
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
