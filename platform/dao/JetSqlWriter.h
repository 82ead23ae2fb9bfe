#pragma once
// Writes a parsed query of the dialect as SQLite, statement by statement kind: SELECT
// (JetSqlSelectWriter), UPDATE and DELETE with their rewrites over joins (JetSqlUpdateWriter,
// JetSqlDeleteWriter) and INSERT (JetSqlInsertWriter). Names are resolved against the catalog
// (JetSqlNameResolver), expressions typed so that `+` on text becomes `||`
// (JetSqlExpressionWriter), and parameters numbered by position (JetSqlParameters).

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlCatalog.h"

class JetSqlWriter {
public:
    // Throws JetSqlError.
    static JetSqlTranslation Write(const JetStatement& statement, const JetSqlCatalog& catalog);
};
