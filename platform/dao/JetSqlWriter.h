#pragma once
// Writes a parsed query of the dialect as SQLite: resolves every name against the catalog
// (column, alias or parameter), numbers the parameters by position, types expressions so that
// `+` on text becomes `||`, and rewrites DISTINCTROW and statements over joins.

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlCatalog.h"

class JetSqlWriter {
public:
    // Throws JetSqlError.
    static JetSqlTranslation Write(const JetStatement& statement, const JetSqlCatalog& catalog);
};
