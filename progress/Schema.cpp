#include "Schema.h"

namespace progress::schema {

// The log is the truth and only grows: an answer or a forget, once written, is never changed
// or removed. An answer is known by its id, random for every answer given, and is kept in
// the order that replaying an entry reads: by entry and direction, then in time order.
// `forgotten` holds the ids of the answers that a forget covers; `state` is what replaying
// the log gives, kept in step in the same transaction. `sequence` numbers each device's
// answers and keeps its latest time, so that one device's answers replay in the order given
// whatever its clock did.
const std::vector<Table>& tables()
{
    static const std::vector<Table> all = {
        {"answers",
         {{"entry", "INTEGER", 1},
          {"direction", "INTEGER", 2},
          {"time", "INTEGER", 3},
          {"device", "TEXT", 4},
          {"seq", "INTEGER", 5},
          {"id", "BLOB", 6},
          {"day", "INTEGER", 0},
          {"right", "INTEGER", 0},
          {"counted", "INTEGER", 0}}},
        {"forgets", {{"id", "BLOB", 1}, {"device", "TEXT", 0}, {"time", "INTEGER", 0}}},
        {"forgotten", {{"entry", "INTEGER", 1}, {"answer", "BLOB", 2}}},
        {"state",
         {{"entry", "INTEGER", 1},
          {"direction", "INTEGER", 2},
          {"box", "INTEGER", 0},
          {"last_day", "INTEGER", 0},
          {"first_day", "INTEGER", 0}}},
        {"sequence", {{"device", "TEXT", 1}, {"last", "INTEGER", 0}, {"time", "INTEGER", 0}}},
        // When each file of the progress folder was last read, by its identity on disk.
        {"peers", {{"path", "TEXT", 1}, {"file", "TEXT", 0}, {"readable", "INTEGER", 0}}},
    };
    return all;
}

std::string createStatement(const Table& table)
{
    std::string sql = std::string("CREATE TABLE ") + table.name + " (";
    std::string key;
    for (const Column& column : table.columns) {
        sql += std::string(column.name) + ' ' + column.type + " NOT NULL, ";
    }
    for (int place = 1;; ++place) {
        const Column* found = nullptr;
        for (const Column& column : table.columns) {
            if (column.primaryKey == place)
                found = &column;
        }
        if (!found)
            break;
        key += (key.empty() ? "" : ", ") + std::string(found->name);
    }
    return sql + "PRIMARY KEY (" + key + ")) WITHOUT ROWID";
}

} // namespace progress::schema
