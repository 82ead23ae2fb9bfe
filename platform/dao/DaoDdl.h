#pragma once
// The SQLite text that makes the layer's tables: column declarations with their types, defaults
// and checks, the auto-number trigger, indexes and the triggers of required indexes. Internal
// names (constraints, triggers) begin with "MSysMq" so that errors can be traced back to them.

#include "platform/dao/DaoSchema.h"

#include <string>
#include <vector>

class DaoDdl {
public:
    static std::string QuoteName(std::string_view name);
    static std::string QuoteText(std::string_view text);

    static std::string CreateTable(const DaoTableSchema& table);
    // Triggers that go with a new table (the auto-number of its auto-increment column).
    static std::vector<std::string> TableTriggers(const DaoTableSchema& table);
    static std::string CreateIndex(const DaoTableSchema& table, const DaoIndexSchema& index);
    // Triggers that refuse Null in the fields of a required index.
    static std::vector<std::string> IndexTriggers(const DaoTableSchema& table,
                                                  const DaoIndexSchema& index);
    // The SQLite name of an index: indexes are named per table in the catalog, per file in SQLite.
    static std::string IndexName(const DaoTableSchema& table, const DaoIndexSchema& index);

    // The SQLite default expression for a column's default text; empty when it has none.
    static std::string DefaultExpression(const DaoColumnSchema& column);
    static std::string DeclaredType(const DaoColumnSchema& column);

    // Prefixes of internal constraint names, as the engine's messages show them.
    static constexpr const char* kSizeCheck = "MSysMqSize:";
    static constexpr const char* kZeroLengthCheck = "MSysMqZeroLength:";
    static constexpr const char* kRaisePrefix = "MSysMq:";

private:
    static std::string ColumnDefinition(const DaoTableSchema& table, const DaoColumnSchema& column);
};
