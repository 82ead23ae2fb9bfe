#pragma once
// The definitions that the catalog keeps: tables with their columns and indexes, and stored
// queries. Names compare without regard to letter case, as the engine's names do.

#include "platform/core/Types.h"

#include <string>
#include <string_view>
#include <vector>

bool DaoNamesEqual(std::string_view a, std::string_view b);

struct DaoColumnSchema {
    std::string name;
    short type = 0;
    LONG size = 0;
    LONG attributes = 0;
    bool required = false;
    bool allowZeroLength = false;
    std::string defaultValue;
    short ordinal = 0;
    LONG collatingOrder = 0;
    std::string validationRule;
    std::string validationText;

    bool IsAutoIncrement() const;
    bool IsText() const;
};

struct DaoIndexFieldSchema {
    std::string name;
    bool descending = false;
};

struct DaoIndexSchema {
    std::string name;
    std::vector<DaoIndexFieldSchema> fields;
    bool primary = false;
    bool unique = false;
    bool required = false;
    bool ignoreNulls = false;
    bool clustered = false;
    bool foreign = false;
};

struct DaoTableSchema {
    std::string name;
    LONG attributes = 0;
    std::string sourceTable;
    std::string connect;
    std::string validationRule;
    std::string validationText;
    std::string dateCreated;
    std::string lastUpdated;
    std::vector<DaoColumnSchema> columns;
    std::vector<DaoIndexSchema> indexes;

    const DaoColumnSchema* FindColumn(std::string_view column) const;
    const DaoIndexSchema* FindIndex(std::string_view index) const;
    bool IsSystem() const;
};

struct DaoQuerySchema {
    std::string name;
    std::string sql;
    std::string connect;
    std::string dateCreated;
    std::string lastUpdated;
    short type = 0;
    bool returnsRecords = true;
};
