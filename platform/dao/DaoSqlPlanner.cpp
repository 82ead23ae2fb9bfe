#include "platform/dao/DaoSqlPlanner.h"

#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/DaoCatalog.h"
#include "platform/dao/DaoConnection.h"
#include "platform/dao/DaoConstants.h"
#include "platform/dao/DaoDdl.h"
#include "platform/dao/DaoErrors.h"
#include "platform/dao/DaoJetCatalog.h"
#include "platform/dao/DaoSqlLexer.h"
#include "platform/dao/DaoStatement.h"
#include "platform/dao/JetSqlTranslator.h"

namespace {

// A stored query whose text is a name of another: far enough for any real chain, and an end
// to a query that names itself.
constexpr int kMaxNameDepth = 8;

thread_local int g_nameDepth = 0;

} // namespace

DaoSqlPlanner::DaoSqlPlanner(DaoConnection& connection) : m_connection(connection) {}

void DaoSqlPlanner::Clear() {
    m_plans.clear();
}

std::shared_ptr<const DaoSqlPlan> DaoSqlPlanner::Cached(const std::string& key) {
    uint64_t generation = m_connection.loadedCatalog().generation();
    if (generation != m_generation) {
        m_plans.clear();
        m_generation = generation;
    }
    auto found = m_plans.find(key);
    return found == m_plans.end() ? nullptr : found->second;
}

void DaoSqlPlanner::Keep(const std::string& key, const std::shared_ptr<const DaoSqlPlan>& plan) {
    m_plans[key] = plan;
}

std::shared_ptr<const DaoSqlPlan> DaoSqlPlanner::Plan(const std::string& text) {
    m_connection.catalog(); // reloaded first when another connection changed it
    return PlanLoaded(text);
}

std::shared_ptr<const DaoSqlPlan> DaoSqlPlanner::PlanLoaded(const std::string& text) {
    if (auto plan = Cached(text))
        return plan;
    DaoCatalog& catalog = m_connection.loadedCatalog();
    std::string name = DaoSqlLexer::SoleName(text);
    std::shared_ptr<const DaoSqlPlan> plan;
    if (!name.empty() && catalog.FindTable(name)) {
        plan = PlanTable(name);
    } else if (!name.empty() && catalog.FindQuery(name) && g_nameDepth < kMaxNameDepth) {
        std::string sql = catalog.FindQuery(name)->sql;
        ++g_nameDepth;
        try {
            plan = PlanLoaded(sql);
        } catch (...) {
            --g_nameDepth;
            throw;
        }
        --g_nameDepth;
    } else if (!name.empty() && !catalog.FindQuery(name)) {
        CDaoException::Throw(daoErrNoSuchTable, "There is no table or stored query named '" +
                                                    CString(name) + "' in the database.");
    } else {
        plan = std::make_shared<const DaoSqlPlan>(Translate(text));
    }
    Keep(text, plan);
    return plan;
}

std::shared_ptr<const DaoSqlPlan> DaoSqlPlanner::PlanTable(const std::string& table) {
    std::string key = "\x01table:" + table;
    if (auto plan = Cached(key))
        return plan;
    const DaoTableSchema* schema = m_connection.loadedCatalog().FindTable(table);
    if (!schema)
        CDaoException::Throw(daoErrNoSuchTable,
                             "There is no table named '" + CString(table) + "' in the database.");
    auto plan = std::make_shared<DaoSqlPlan>();
    plan->sql = "SELECT * FROM " + DaoDdl::QuoteName(schema->name);
    plan->baseTable = schema->name;
    plan->wholeTable = true;
    Keep(key, plan);
    return plan;
}

namespace {

[[noreturn]] void ThrowTranslationError(const JetSqlError& error) {
    LONG code = daoErrEngine;
    switch (error.GetReason()) {
    case JetSqlError::Reason::Syntax:
        code = daoErrSyntax;
        break;
    case JetSqlError::Reason::UnknownTable:
        code = daoErrNoSuchTable;
        break;
    case JetSqlError::Reason::UnknownColumn:
        code = daoErrTooFewParameters;
        break;
    case JetSqlError::Reason::Unsupported:
        break;
    }
    CDaoException::Throw(code, "The query cannot be run: " + CString(error.what()));
}

bool TranslatorMightBeWrongDialect(const JetSqlError& error) {
    return error.GetReason() == JetSqlError::Reason::Syntax ||
           error.GetReason() == JetSqlError::Reason::Unsupported;
}

} // namespace

// The one place where a text in the stored queries' dialect becomes SQLite text. A text the
// translator cannot read but SQLite can (the layer's own statements, a PRAGMA) runs as it is,
// with SQLite's own parameters ("?", "?1", ":name").
DaoSqlPlan DaoSqlPlanner::Translate(const std::string& text) {
    DaoCatalog& catalog = m_connection.loadedCatalog();
    DaoSqlPlan plan;
    try {
        JetSqlTranslation translation = JetSqlTranslator::Translate(text, DaoJetCatalog(catalog));
        plan.sql = translation.sql;
        for (const JetSqlParameter& parameter : translation.parameters)
            plan.parameters.push_back({parameter.name, DaoJetCatalog::FieldType(parameter.type)});
        plan.returnsRows = translation.kind == JetSqlTranslation::Kind::Select;
        if (const DaoTableSchema* table = catalog.FindTable(translation.baseTable))
            plan.baseTable = table->name;
        return plan;
    } catch (const JetSqlError& error) {
        if (!TranslatorMightBeWrongDialect(error))
            ThrowTranslationError(error);
        try {
            return NativePlan(text);
        } catch (CDaoException* e) {
            CaughtDaoError native(e);
        }
        ThrowTranslationError(error);
    }
}

DaoSqlPlan DaoSqlPlanner::NativePlan(const std::string& text) {
    DaoSqlPlan plan;
    plan.sql = text;
    DaoStatement statement(m_connection, text);
    plan.returnsRows = statement.ColumnCount() > 0;
    for (int i = 1; i <= statement.ParameterCount(); ++i)
        plan.parameters.push_back({statement.ParameterName(i), 0});
    if (plan.returnsRows) {
        std::string table = DaoSqlLexer::SingleTable(text);
        if (const DaoTableSchema* schema = m_connection.loadedCatalog().FindTable(table))
            plan.baseTable = schema->name;
    }
    return plan;
}

short DaoSqlPlanner::QueryType(std::string_view text) {
    std::vector<DaoSqlToken> tokens = DaoSqlLexer::Tokenize(text);
    size_t i = 0;
    if (!tokens.empty() && tokens[0].IsWord("PARAMETERS")) {
        while (i < tokens.size() && !tokens[i].IsSymbol(';'))
            ++i;
        ++i;
    }
    while (i < tokens.size() && tokens[i].IsSymbol('('))
        ++i;
    if (i >= tokens.size())
        return dbQSelect;
    const DaoSqlToken& first = tokens[i];
    if (first.IsWord("UPDATE"))
        return dbQUpdate;
    if (first.IsWord("DELETE"))
        return dbQDelete;
    if (first.IsWord("INSERT"))
        return dbQAppend;
    if (first.IsWord("TRANSFORM"))
        return dbQCrosstab;
    if (first.IsWord("CREATE") || first.IsWord("DROP") || first.IsWord("ALTER"))
        return dbQDDL;
    for (size_t k = i; k < tokens.size(); ++k) {
        if (tokens[k].depth > 0)
            continue;
        if (tokens[k].IsWord("INTO"))
            return dbQMakeTable;
        if (tokens[k].IsWord("UNION"))
            return dbQSetOperation;
    }
    return dbQSelect;
}
