#pragma once
// An in-memory SQLite database for checking what translated queries do: run a statement with
// parameters bound by position and read its rows back as text.

#include <sqlite3.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class JetSqlTestDatabase {
public:
    // A parameter value: a number or a text.
    struct Value {
        Value(int64_t n) : number(n) {}
        Value(int n) : number(n) {}
        Value(const char* s) : isText(true), text(s) {}
        bool isText = false;
        int64_t number = 0;
        std::string text;
    };
    using Rows = std::vector<std::vector<std::string>>; // NULL reads as "<null>"

    JetSqlTestDatabase() { sqlite3_open(":memory:", &m_db); }
    ~JetSqlTestDatabase() { sqlite3_close(m_db); }
    JetSqlTestDatabase(const JetSqlTestDatabase&) = delete;
    JetSqlTestDatabase& operator=(const JetSqlTestDatabase&) = delete;

    void Exec(const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::string message = error ? error : "?";
            sqlite3_free(error);
            throw std::runtime_error(message + " in: " + sql);
        }
    }

    // Empty when `sql` prepares, else SQLite's message.
    std::string PrepareError(const std::string& sql) {
        sqlite3_stmt* stmt = nullptr;
        int rc = sqlite3_prepare_v2(m_db, sql.c_str(), -1, &stmt, nullptr);
        sqlite3_finalize(stmt);
        return rc == SQLITE_OK ? "" : sqlite3_errmsg(m_db);
    }

    // Runs `sql`, binding values[i] to ?<i+1> for the positions the statement has.
    Rows Query(const std::string& sql, const std::vector<Value>& values = {}) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(m_db)) + " in: " + sql);
        int count = sqlite3_bind_parameter_count(stmt);
        for (int i = 0; i < count && i < static_cast<int>(values.size()); ++i) {
            const Value& v = values[i];
            if (v.isText)
                sqlite3_bind_text(stmt, i + 1, v.text.c_str(), -1, SQLITE_TRANSIENT);
            else
                sqlite3_bind_int64(stmt, i + 1, v.number);
        }
        Rows rows;
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                const unsigned char* text = sqlite3_column_text(stmt, c);
                row.push_back(text ? reinterpret_cast<const char*>(text) : "<null>");
            }
            rows.push_back(row);
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE)
            throw std::runtime_error(std::string(sqlite3_errmsg(m_db)) + " in: " + sql);
        return rows;
    }

    // The output column names of `sql`.
    std::vector<std::string> ColumnNames(const std::string& sql) {
        sqlite3_stmt* stmt = nullptr;
        std::vector<std::string> names;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK)
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                names.push_back(sqlite3_column_name(stmt, c));
        sqlite3_finalize(stmt);
        return names;
    }

private:
    sqlite3* m_db = nullptr;
};
