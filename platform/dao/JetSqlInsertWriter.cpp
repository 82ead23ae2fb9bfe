#include "platform/dao/JetSqlInsertWriter.h"

#include "platform/dao/JetSqlError.h"
#include "platform/dao/JetSqlText.h"

using JetSqlText::At;
using JetSqlText::QuoteName;
using Reason = JetSqlError::Reason;

std::string JetSqlInsertWriter::Write() {
    if (!m_catalog.HasTable(m_st.insertTable))
        throw JetSqlError(Reason::UnknownTable, "The table '" + m_st.insertTable + "'" +
                                                    At(m_st.insertOffset) + " does not exist");
    std::string columns = Columns();
    std::string sql = "INSERT INTO " + QuoteName(m_st.insertTable) +
                      (columns.empty() ? "" : " (" + columns + ")");
    if (m_st.insertFromQuery)
        return sql + " " + m_selects.Query(m_st.query, nullptr);
    if (!m_st.insertColumns.empty() && m_st.insertColumns.size() != m_st.insertValues.size())
        throw JetSqlError(Reason::Syntax, "INSERT INTO '" + m_st.insertTable +
                                              "' names a different number of columns and values");
    return sql + " VALUES (" + Values() + ")";
}

std::string JetSqlInsertWriter::Columns() const {
    std::string columns;
    for (const std::string& c : m_st.insertColumns) {
        if (!m_catalog.HasColumn(m_st.insertTable, c))
            throw JetSqlError(Reason::UnknownColumn,
                              "The table '" + m_st.insertTable + "' has no column '" + c + "'");
        columns += (columns.empty() ? "" : ", ") + QuoteName(c);
    }
    return columns;
}

// The values name no table: no scope.
std::string JetSqlInsertWriter::Values() {
    JetSqlScope none;
    std::string values;
    for (const auto& v : m_st.insertValues)
        values += (values.empty() ? "" : ", ") + m_selects.Expressions().Write(*v, none).sql;
    return values;
}
