#include "platform/dao/DaoStatement.h"

#include <sqlite3.h>

namespace {

std::string Text(const char* text) {
    return text ? std::string(text) : std::string();
}

} // namespace

DaoStatement::DaoStatement(DaoConnection& connection, const std::string& sql)
    : m_connection(connection), m_lease(connection.AcquireStatement(sql)),
      m_statement(m_lease->statement) {}

DaoStatement::~DaoStatement() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    m_connection.ReleaseStatement(m_lease);
}

void DaoStatement::Bind(int index, const DaoValue& value) {
    int rc = SQLITE_OK;
    switch (value.kind()) {
    case DaoValue::Kind::Null:
        rc = sqlite3_bind_null(m_statement, index);
        break;
    case DaoValue::Kind::Integer:
        rc = sqlite3_bind_int64(m_statement, index, value.AsInteger());
        break;
    case DaoValue::Kind::Real:
        rc = sqlite3_bind_double(m_statement, index, value.AsReal());
        break;
    case DaoValue::Kind::Text:
        rc = sqlite3_bind_text(m_statement, index, value.text().data(),
                               static_cast<int>(value.text().size()), SQLITE_TRANSIENT);
        break;
    }
    if (rc != SQLITE_OK && rc != SQLITE_RANGE)
        m_connection.Fail(rc);
}

void DaoStatement::BindInteger(int index, int64_t value) {
    int rc = sqlite3_bind_int64(m_statement, index, value);
    if (rc != SQLITE_OK && rc != SQLITE_RANGE)
        m_connection.Fail(rc);
}

bool DaoStatement::Step() {
    int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_connection.Fail(rc);
}

void DaoStatement::Run() {
    while (Step()) {
    }
}

void DaoStatement::Reset() {
    sqlite3_reset(m_statement);
}

int DaoStatement::ColumnCount() const {
    return sqlite3_column_count(m_statement);
}

DaoValue DaoStatement::Column(int index) const {
    switch (sqlite3_column_type(m_statement, index)) {
    case SQLITE_INTEGER:
        return DaoValue::Integer(sqlite3_column_int64(m_statement, index));
    case SQLITE_FLOAT:
        return DaoValue::Real(sqlite3_column_double(m_statement, index));
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(m_statement, index));
        int size = sqlite3_column_bytes(m_statement, index);
        return DaoValue::Text(data ? std::string(data, static_cast<size_t>(size)) : std::string());
    }
    default:
        return DaoValue();
    }
}

int64_t DaoStatement::ColumnInteger(int index) const {
    return sqlite3_column_int64(m_statement, index);
}

std::string DaoStatement::ColumnName(int index) const {
    return Text(sqlite3_column_name(m_statement, index));
}

std::string DaoStatement::ColumnTable(int index) const {
    return Text(sqlite3_column_table_name(m_statement, index));
}

std::string DaoStatement::ColumnOrigin(int index) const {
    return Text(sqlite3_column_origin_name(m_statement, index));
}

int DaoStatement::ParameterCount() const {
    return sqlite3_bind_parameter_count(m_statement);
}

std::string DaoStatement::ParameterName(int index) const {
    return Text(sqlite3_bind_parameter_name(m_statement, index));
}

bool DaoStatement::IsReadOnly() const {
    return sqlite3_stmt_readonly(m_statement) != 0;
}
