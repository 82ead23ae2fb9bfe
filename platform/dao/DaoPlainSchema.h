#pragma once
// The tables of a SQLite file made by other tools, which has no catalog of ours: their
// columns, primary keys and indexes as SQLite's own schema describes them, in the catalog's
// terms (column types, attributes, required and primary fields). Reading never writes.

#include "platform/dao/DaoSchema.h"

#include <string_view>
#include <vector>

class DaoConnection;

class DaoPlainSchema {
public:
    // Every table of the file but SQLite's own, sorted as the catalog sorts them.
    static std::vector<DaoTableSchema> ReadTables(DaoConnection& connection);
    // The column type (dbLong, dbText ...) of a declared SQLite type, with the text size when
    // the declaration gives one ("VARCHAR(40)").
    static short FieldType(std::string_view declared, LONG& size);
    // The file's schema version, which changes with every change of its schema.
    static int64_t SchemaVersion(DaoConnection& connection);

private:
    static DaoTableSchema ReadTable(DaoConnection& connection, const std::string& name,
                                    bool withoutRowid);
    static void ReadIndexes(DaoConnection& connection, DaoTableSchema& table);
};
