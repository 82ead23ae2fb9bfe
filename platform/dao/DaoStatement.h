#pragma once
// A prepared statement in use for one call: bound, stepped, read, and reset when it goes out of
// scope, so that no statement is left stepping between calls of the layer (an unfinished
// statement would hold a read snapshot and keep other program copies' changes out of view).

#include "platform/dao/DaoConnection.h"
#include "platform/dao/DaoValue.h"

#include <cstdint>
#include <string>

class DaoStatement {
public:
    DaoStatement(DaoConnection& connection, const std::string& sql);
    ~DaoStatement();
    DaoStatement(const DaoStatement&) = delete;
    DaoStatement& operator=(const DaoStatement&) = delete;

    void Bind(int index, const DaoValue& value);
    void BindInteger(int index, int64_t value);
    // Steps once: true while a row is there; raises CDaoException on an engine error.
    bool Step();
    // Steps to the end, for statements that return no rows.
    void Run();
    void Reset();

    int ColumnCount() const;
    DaoValue Column(int index) const;
    int64_t ColumnInteger(int index) const;
    std::string ColumnName(int index) const;
    // The table and column a result column comes from; empty for an expression.
    std::string ColumnTable(int index) const;
    std::string ColumnOrigin(int index) const;
    int ParameterCount() const;
    // The name of parameter `index` (1-based) as written ("?1", ":name"), empty for "?".
    std::string ParameterName(int index) const;
    bool IsReadOnly() const;

private:
    DaoConnection& m_connection;
    DaoConnection::Lease* m_lease;
    sqlite3_stmt* m_statement;
};
