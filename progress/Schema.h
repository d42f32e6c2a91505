// The store's tables, described once: the store is made from this description, and another
// machine's file is read only when its tables are exactly these.
#pragma once

#include <string>
#include <vector>

namespace progress::schema {

inline constexpr int kVersion = 3;
// The version before answers had ids and forgets named what they covered.
inline constexpr int kVersionWithoutIds = 2;

struct Column {
    const char* name;
    const char* type;
    int primaryKey; // the column's place in the primary key from 1, or 0
};

struct Table {
    const char* name;
    std::vector<Column> columns;
};

// Every table of the store, in the order they are made.
const std::vector<Table>& tables();
// The statement that makes `table`.
std::string createStatement(const Table& table);

// The longest device id taken from another machine's file; ours are 36 characters.
inline constexpr int kMaxDeviceLength = 64;
inline constexpr int kIdBytes = 16;

} // namespace progress::schema
