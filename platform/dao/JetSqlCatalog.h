#pragma once
// What the query translator needs to know of a database's tables. The database layer implements
// it from the catalog stored in the file; every lookup ignores letter case.

#include <string>
#include <vector>

// The engine's value types, as a PARAMETERS clause declares them and as columns hold them (a
// Memo column counts as Text). Unknown: a parameter the text does not declare, or a column the
// catalog cannot type.
enum class JetParamType { Long, Short, Byte, Text, DateTime, Double, Boolean, Unknown };

class JetSqlCatalog {
public:
    virtual ~JetSqlCatalog() = default;
    virtual bool HasTable(const std::string& table) const = 0;
    virtual bool HasColumn(const std::string& table, const std::string& column) const = 0;
    // The table's columns in their stored order and spelling.
    virtual std::vector<std::string> Columns(const std::string& table) const = 0;
    // Decides whether `+` joins text or adds numbers; Unknown when the column does not exist.
    virtual JetParamType ColumnType(const std::string& table, const std::string& column) const = 0;
};
