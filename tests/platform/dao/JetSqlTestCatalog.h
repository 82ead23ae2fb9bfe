#pragma once
// A catalog for translator tests, described as table names with "Column:Type" words
// (L Long, S Short, B Byte, T Text, D DateTime), that can also create its tables in SQLite.

#include "platform/dao/JetSqlCatalog.h"

#include <cctype>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

struct JetSqlTestTable {
    const char* name;
    const char* columns; // "DbID:L Title:T ..."
};

class JetSqlTestCatalog : public JetSqlCatalog {
public:
    template <size_t N> explicit JetSqlTestCatalog(const JetSqlTestTable (&tables)[N]) {
        for (const JetSqlTestTable& t : tables) {
            Table table{t.name, {}};
            std::istringstream words(t.columns);
            std::string word;
            while (words >> word)
                table.columns.push_back({word.substr(0, word.find(':')), word.back()});
            m_tables.push_back(std::move(table));
        }
    }

    bool HasTable(const std::string& table) const override { return Find(table) != nullptr; }
    bool HasColumn(const std::string& table, const std::string& column) const override {
        return FindColumn(table, column) != nullptr;
    }
    std::vector<std::string> Columns(const std::string& table) const override {
        std::vector<std::string> names;
        if (const Table* t = Find(table))
            for (const auto& column : t->columns)
                names.push_back(column.first);
        return names;
    }
    JetParamType ColumnType(const std::string& table, const std::string& column) const override {
        const auto* c = FindColumn(table, column);
        switch (c ? c->second : '?') {
        case 'L':
            return JetParamType::Long;
        case 'S':
            return JetParamType::Short;
        case 'B':
            return JetParamType::Byte;
        case 'T':
            return JetParamType::Text;
        case 'D':
            return JetParamType::DateTime;
        default:
            return JetParamType::Unknown;
        }
    }

    // CREATE TABLE statements for every table; text compares without regard to case.
    std::vector<std::string> CreateStatements() const {
        std::vector<std::string> statements;
        for (const Table& t : m_tables) {
            std::string sql = "CREATE TABLE \"" + t.name + "\" (";
            for (size_t i = 0; i < t.columns.size(); ++i) {
                char type = t.columns[i].second;
                sql += (i ? ", \"" : "\"") + t.columns[i].first + "\" " +
                       (type == 'T'   ? "TEXT COLLATE NOCASE"
                        : type == 'D' ? "TEXT"
                                      : "INTEGER");
            }
            statements.push_back(sql + ")");
        }
        return statements;
    }

private:
    struct Table {
        std::string name;
        std::vector<std::pair<std::string, char>> columns;
    };

    static bool Same(const std::string& a, const std::string& b) {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(a[i])) !=
                std::tolower(static_cast<unsigned char>(b[i])))
                return false;
        return true;
    }
    const Table* Find(const std::string& name) const {
        for (const Table& t : m_tables)
            if (Same(t.name, name))
                return &t;
        return nullptr;
    }
    const std::pair<std::string, char>* FindColumn(const std::string& table,
                                                   const std::string& column) const {
        if (const Table* t = Find(table))
            for (const auto& c : t->columns)
                if (Same(c.first, column))
                    return &c;
        return nullptr;
    }

    std::vector<Table> m_tables;
};
