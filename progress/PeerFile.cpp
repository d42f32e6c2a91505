#include "PeerFile.h"

#include "Schema.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace progress {

namespace {

// No value of ours is longer than a device id; a larger one is refused where it is read.
constexpr int kMaxValueBytes = 4096;
// A file is read whole within this time and a second more for each MiB it has, however busy
// the machine, or passed over: no query of ours takes longer on any file, however made.
constexpr std::chrono::seconds kReadingTime(30);
constexpr std::int64_t kBytesPerSecond = 1 << 20;

// The file's inode with its generation, which a file system gives anew when it reuses an
// inode number, so that a file put in place of another is never taken for it; its size and
// time tell a file written over in place.
std::string identityOf(int fd, const struct stat& info)
{
    int generation = 0;
    if (fd >= 0 && ::ioctl(fd, FS_IOC_GETVERSION, &generation) != 0)
        generation = 0;
    return std::to_string(info.st_dev) + ':' + std::to_string(info.st_ino) + ':' +
           std::to_string(generation) + ':' + std::to_string(info.st_size) + ':' +
           std::to_string(info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec);
}

int pastDeadline(void* deadline)
{
    return std::chrono::steady_clock::now() >
           *static_cast<std::chrono::steady_clock::time_point*>(deadline);
}

// A statement on the peer's connection.
class Query {
public:
    Query(sqlite3* db, const char* sql) : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr) != SQLITE_OK)
            throw SQLite::Exception(db, sqlite3_errcode(db));
    }
    ~Query() { sqlite3_finalize(m_statement); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;
    sqlite3_stmt* get() const { return m_statement; }
    bool step()
    {
        const int stepped = sqlite3_step(m_statement);
        if (stepped == SQLITE_ROW)
            return true;
        if (stepped != SQLITE_DONE)
            throw SQLite::Exception(m_db, sqlite3_extended_errcode(m_db));
        return false;
    }
    std::string text(int column) const
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        return text ? std::string(text,
                                  static_cast<size_t>(sqlite3_column_bytes(m_statement, column)))
                    : std::string();
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace

std::string PeerFile::identityAt(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0)
        return {};
    const int fd = S_ISREG(info.st_mode)
                       ? ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)
                       : -1;
    std::string fileIdentity = identityOf(fd, info);
    if (fd >= 0)
        ::close(fd);
    return fileIdentity;
}

PeerFile::PeerFile(int fd, std::string identity, std::int64_t size)
    : m_fd(fd), m_identity(std::move(identity)),
      m_deadline(std::chrono::steady_clock::now() + kReadingTime +
                 std::chrono::seconds(size / kBytesPerSecond))
{
}

PeerFile::~PeerFile()
{
    sqlite3_close_v2(m_db);
    ::close(m_fd);
}

std::unique_ptr<PeerFile> PeerFile::open(const QString& path, std::string& reason)
{
    // No link is followed and a pipe does not block: only a regular file is read.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = std::strerror(errno);
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        reason = "not a regular file";
        return nullptr;
    }
    std::unique_ptr<PeerFile> file(new PeerFile(fd, identityOf(fd, info), info.st_size));
    // SQLite reads the very file checked, through its descriptor, never the path again.
    // Immutable: nothing is locked or written beside another machine's file.
    const std::string uri = "file:/proc/self/fd/" + std::to_string(fd) + "?immutable=1";
    if (sqlite3_open_v2(uri.c_str(), &file->m_db,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        reason = file->m_db ? sqlite3_errmsg(file->m_db) : "cannot be opened";
        return nullptr;
    }
    sqlite3* const db = file->m_db;
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, kMaxValueBytes);
    sqlite3_limit(db, SQLITE_LIMIT_SQL_LENGTH, 100000);
    sqlite3_limit(db, SQLITE_LIMIT_COLUMN, 100);
    sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
    sqlite3_exec(db, "PRAGMA trusted_schema=OFF; PRAGMA cell_size_check=ON; PRAGMA mmap_size=0",
                 nullptr, nullptr, nullptr);
    sqlite3_progress_handler(db, 1000, pastDeadline, &file->m_deadline);
    return file;
}

bool PeerFile::checkTables(std::string& reason)
{
    const std::vector<schema::Table>& tables = schema::tables();
    std::vector<bool> found(tables.size());
    Query objects(m_db, "SELECT type, name FROM sqlite_schema");
    while (objects.step()) {
        const std::string type = objects.text(0);
        const std::string name = objects.text(1);
        size_t table = 0;
        while (table < tables.size() && name != tables[table].name)
            ++table;
        if (type != "table" || table == tables.size() || found[table]) {
            reason = "holds ";
            reason += type;
            reason += " \"";
            reason += name;
            reason += "\", which is not ours";
            return false;
        }
        found[table] = true;
    }
    for (size_t table = 0; table < tables.size(); ++table) {
        if (!found[table]) {
            reason = std::string("lacks the table ") + tables[table].name;
            return false;
        }
        const std::vector<schema::Column>& columns = tables[table].columns;
        Query info(m_db, ("PRAGMA table_xinfo(" + std::string(tables[table].name) + ")").c_str());
        size_t column = 0;
        while (info.step()) {
            // cid, name, type, notnull, dflt_value, pk, hidden
            if (column == columns.size() || info.text(1) != columns[column].name ||
                sqlite3_stricmp(info.text(2).c_str(), columns[column].type) != 0 ||
                sqlite3_column_int(info.get(), 3) != 1 ||
                sqlite3_column_type(info.get(), 4) != SQLITE_NULL ||
                sqlite3_column_int(info.get(), 5) != columns[column].primaryKey ||
                sqlite3_column_int(info.get(), 6) != 0) {
                reason = std::string("the table ") + tables[table].name +
                         " is not as this program makes it";
                return false;
            }
            ++column;
        }
        if (column != columns.size()) {
            reason = std::string("the table ") + tables[table].name + " lacks columns";
            return false;
        }
    }
    return true;
}

std::int64_t PeerFile::countWhere(const char* sql)
{
    Query count(m_db, sql);
    if (!count.step())
        return -1;
    return sqlite3_column_int64(count.get(), 0);
}

bool PeerFile::check(std::string& reason)
{
    try {
        Query version(m_db, "PRAGMA user_version");
        if (!version.step() || sqlite3_column_int(version.get(), 0) != schema::kVersion) {
            reason = "written by another version";
            return false;
        }
        // A file cut short (half-synced) is shorter than its header says.
        Query pages(m_db, "SELECT page_count * page_size FROM pragma_page_count(), "
                          "pragma_page_size()");
        struct stat info {};
        if (!pages.step() || ::fstat(m_fd, &info) != 0 ||
            sqlite3_column_int64(pages.get(), 0) != info.st_size) {
            reason = "cut short";
            return false;
        }
        if (!checkTables(reason))
            return false;
        const bool answersRight = answersAsWritten();
        const std::int64_t wrongForgets = countWhere(R"sql(
SELECT count(*) FROM forgets WHERE NOT (
    typeof(id) = 'blob' AND length(id) = 16
    AND typeof(device) = 'text' AND length(CAST(device AS BLOB)) BETWEEN 1 AND 64
    AND typeof(time) = 'integer'))sql");
        const std::int64_t wrongCovered = countWhere(R"sql(
SELECT count(*) FROM forgotten WHERE NOT (
    typeof(entry) = 'integer' AND typeof(answer) = 'blob' AND length(answer) = 16))sql");
        if (!answersRight || wrongForgets != 0 || wrongCovered != 0) {
            reason = "holds values this program never writes";
            return false;
        }
    } catch (const SQLite::Exception& error) {
        reason = error.what();
        return false;
    }
    return true;
}

// The largest table is checked in one pass, row by row here: in SQL, each test of each row
// built a value of its own and took longer than reading the table. A time is whatever the
// machine's clock said, and is never a reason to pass a file over: one wrong clock would cut
// its machine off, and every machine that merged its answers.
bool PeerFile::answersAsWritten()
{
    Query rows(m_db, "SELECT entry, direction, time, device, seq, id, day, right, counted FROM "
                     "answers");
    sqlite3_stmt* const row = rows.get();
    static constexpr int kTypes[] = {SQLITE_INTEGER, SQLITE_INTEGER, SQLITE_INTEGER,
                                     SQLITE_TEXT,    SQLITE_INTEGER, SQLITE_BLOB,
                                     SQLITE_INTEGER, SQLITE_INTEGER, SQLITE_INTEGER};
    const auto isFlag = [row](int column) { return (sqlite3_column_int64(row, column) & ~1) == 0; };
    while (rows.step()) {
        // Each type is read before any value, which may convert it.
        for (int column = 0; column < static_cast<int>(std::size(kTypes)); ++column) {
            if (sqlite3_column_type(row, column) != kTypes[column])
                return false;
        }
        // Days are those that dayOf() gives for any clock.
        const std::int64_t day = sqlite3_column_int64(row, 6);
        sqlite3_column_text(row, 3);
        const int deviceBytes = sqlite3_column_bytes(row, 3);
        if (!isFlag(1) || deviceBytes < 1 || deviceBytes > schema::kMaxDeviceLength ||
            sqlite3_column_int64(row, 4) < 1 || sqlite3_column_bytes(row, 5) != schema::kIdBytes ||
            day < kFirstDay || day > kLastDay || !isFlag(7) || !isFlag(8))
            return false;
    }
    return true;
}

void PeerFile::readAnswers(const std::function<bool(const Answer&)>& take)
{
    Query rows(m_db, "SELECT entry, direction, time, device, seq, id, day, right, counted FROM "
                     "answers ORDER BY entry, direction, time, device, seq, id");
    sqlite3_stmt* const row = rows.get();
    Answer given;
    while (rows.step()) {
        given.entry = sqlite3_column_int64(row, 0);
        given.direction = sqlite3_column_int(row, 1);
        given.time = sqlite3_column_int64(row, 2);
        given.device.assign(reinterpret_cast<const char*>(sqlite3_column_text(row, 3)),
                            static_cast<size_t>(sqlite3_column_bytes(row, 3)));
        given.seq = sqlite3_column_int64(row, 4);
        given.id = idOf(row, 5);
        given.day = sqlite3_column_int(row, 6);
        given.right = sqlite3_column_int(row, 7) != 0;
        given.counted = sqlite3_column_int(row, 8) != 0;
        if (!take(given))
            return;
    }
}

void PeerFile::readForgets(
    const std::function<void(const AnswerId&, const std::string&, std::int64_t)>& take)
{
    Query rows(m_db, "SELECT id, device, time FROM forgets");
    while (rows.step())
        take(idOf(rows.get(), 0), rows.text(1), sqlite3_column_int64(rows.get(), 2));
}

void PeerFile::readCovered(const std::function<void(EntryKey, const AnswerId&)>& take)
{
    Query rows(m_db, "SELECT entry, answer FROM forgotten");
    while (rows.step())
        take(sqlite3_column_int64(rows.get(), 0), idOf(rows.get(), 1));
}

std::pair<std::int64_t, std::int64_t> PeerFile::givenBy(const std::string& device)
{
    Query given(m_db, "SELECT (SELECT last FROM sequence WHERE device = ?1), (SELECT count(*) "
                      "FROM forgets WHERE device = ?1)");
    sqlite3_bind_text(given.get(), 1, device.data(), static_cast<int>(device.size()),
                      SQLITE_STATIC);
    if (!given.step())
        return {};
    return {sqlite3_column_int64(given.get(), 0), sqlite3_column_int64(given.get(), 1)};
}

} // namespace progress
