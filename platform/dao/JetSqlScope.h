#pragma once
// The tables that one SELECT, UPDATE or DELETE reads (its FROM list), checked against the
// catalog, with the scope of the query around it that a correlated subquery also sees.

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlCatalog.h"

#include <cstddef>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

// One table of a FROM list.
struct JetSqlSource {
    std::string table; // as written in FROM
    std::string alias;
    std::string exposed;   // the alias, else the table
    std::string qualifier; // what column references are written with

    // "table" AS "alias", as FROM names it.
    std::string Sql() const;
};

struct JetSqlScope {
    std::vector<JetSqlSource> sources; // in the order FROM names them
    const JetSelect* select = nullptr; // whose aliases names may use
    const JetSqlScope* outer = nullptr;

    // Throws JetSqlError for a table the catalog lacks and for a name that stands for two
    // tables.
    static JetSqlScope Of(const std::vector<std::unique_ptr<JetFrom>>& from,
                          const JetSelect* select, const JetSqlScope* outer,
                          const JetSqlCatalog& catalog);

    // The index of the source exposed under `name`, or -1.
    int Find(const std::string& name) const;
    // `base`, else base2, base3...: the first that no source is exposed under.
    std::string FreeName(const std::string& base) const;
};

// Which sources the expressions written since the last Clear() read, scope by scope. It
// decides DISTINCTROW's rewrite and whether an UPDATE's values read other tables of its join.
class JetSqlSourceUses {
public:
    void Clear() { m_uses.clear(); }
    void Add(const JetSqlScope& scope, size_t source) { m_uses.insert({&scope, source}); }
    // The indexes of the sources of `scope` read.
    std::set<size_t> Of(const JetSqlScope& scope) const;
    // After a subquery: the uses from before it, with the subquery's own uses of the sources
    // of `outer` and the scopes around it.
    void EndSubquery(const JetSqlSourceUses& before, const JetSqlScope& outer);

private:
    std::set<std::pair<const JetSqlScope*, size_t>> m_uses;
};
