#pragma once
// Turns SQL texts into plans and keeps them while the catalog stays the same. The dialect of
// the stored queries is translated to SQLite at one place, DaoSqlPlanner::Translate.

#include "platform/dao/DaoSqlPlan.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

class DaoConnection;

class DaoSqlPlanner {
public:
    explicit DaoSqlPlanner(DaoConnection& connection);

    // The plan of a text: a table name alone reads the whole table, a stored query's name its
    // query, anything else is translated as SQL. CDaoException when it cannot be.
    std::shared_ptr<const DaoSqlPlan> Plan(const std::string& text);
    // The same against the catalog as last loaded, for callers that have just refreshed it.
    std::shared_ptr<const DaoSqlPlan> PlanLoaded(const std::string& text);
    std::shared_ptr<const DaoSqlPlan> PlanTable(const std::string& table);
    void Clear();

    // The query definition type of a stored text (dbQSelect, dbQUpdate, dbQDelete ...).
    static short QueryType(std::string_view text);

private:
    std::shared_ptr<const DaoSqlPlan> Cached(const std::string& key);
    void Keep(const std::string& key, const std::shared_ptr<const DaoSqlPlan>& plan);
    DaoSqlPlan Translate(const std::string& text);
    DaoSqlPlan NativePlan(const std::string& text);

    DaoConnection& m_connection;
    uint64_t m_generation = 0;
    std::unordered_map<std::string, std::shared_ptr<const DaoSqlPlan>> m_plans;
};
