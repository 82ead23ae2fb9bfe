#include "platform/dao/JetSqlWriter.h"

#include "platform/dao/JetSqlDeleteWriter.h"
#include "platform/dao/JetSqlError.h"
#include "platform/dao/JetSqlInsertWriter.h"
#include "platform/dao/JetSqlNameResolver.h"
#include "platform/dao/JetSqlParameters.h"
#include "platform/dao/JetSqlSelectWriter.h"
#include "platform/dao/JetSqlUpdateWriter.h"

JetSqlTranslation JetSqlWriter::Write(const JetStatement& statement, const JetSqlCatalog& catalog) {
    JetSqlParameters parameters(statement.parameters);
    JetSqlNameResolver names(catalog, parameters);
    JetSqlSelectWriter selects(names);
    JetSqlTranslation t;
    t.kind = statement.kind;
    switch (statement.kind) {
    case JetSqlTranslation::Kind::Select:
        selects.WriteStatement(statement.query, t);
        break;
    case JetSqlTranslation::Kind::Update:
        t.sql = JetSqlUpdateWriter(statement, names, selects).Write();
        break;
    case JetSqlTranslation::Kind::Delete:
        t.sql = JetSqlDeleteWriter(statement, names, selects).Write();
        break;
    case JetSqlTranslation::Kind::Insert:
        t.sql = JetSqlInsertWriter(statement, catalog, selects).Write();
        break;
    case JetSqlTranslation::Kind::Other:
        throw JetSqlError(JetSqlError::Reason::Unsupported,
                          "Only SELECT, UPDATE, DELETE and INSERT are supported");
    }
    parameters.Number(t);
    return t;
}
