#pragma once
// Writes INSERT INTO table [(columns)] VALUES (values) or INSERT INTO table [(columns)]
// SELECT ... as SQLite, checking the table and its columns against the catalog.

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlSelectWriter.h"

#include <string>

class JetSqlInsertWriter {
public:
    JetSqlInsertWriter(const JetStatement& statement, const JetSqlCatalog& catalog,
                       JetSqlSelectWriter& selects)
        : m_st(statement), m_catalog(catalog), m_selects(selects) {}

    // Throws JetSqlError.
    std::string Write();

private:
    std::string Columns() const;
    std::string Values();

    const JetStatement& m_st;
    const JetSqlCatalog& m_catalog;
    JetSqlSelectWriter& m_selects;
};
