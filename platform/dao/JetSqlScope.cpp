#include "platform/dao/JetSqlScope.h"

#include "platform/dao/JetSqlError.h"
#include "platform/dao/JetSqlText.h"

#include <algorithm>

using JetSqlText::At;
using JetSqlText::QuoteName;
using JetSqlText::SameName;

namespace {

// The tables of `from`, a join's left side before its right.
void AddSources(const JetFrom& from, JetSqlScope& scope, const JetSqlCatalog& catalog) {
    if (from.join != JetJoin::None) {
        AddSources(*from.left, scope, catalog);
        AddSources(*from.right, scope, catalog);
        return;
    }
    if (!catalog.HasTable(from.table))
        throw JetSqlError(JetSqlError::Reason::UnknownTable,
                          "The table '" + from.table + "'" + At(from.offset) + " does not exist");
    std::string exposed = from.alias.empty() ? from.table : from.alias;
    if (scope.Find(exposed) >= 0)
        throw JetSqlError(JetSqlError::Reason::Syntax,
                          "The name '" + exposed + "'" + At(from.offset) +
                              " stands for two tables; give one an alias");
    scope.sources.push_back({from.table, from.alias, exposed, exposed});
}

} // namespace

std::string JetSqlSource::Sql() const {
    return QuoteName(table) + (alias.empty() ? "" : " AS " + QuoteName(alias));
}

JetSqlScope JetSqlScope::Of(const std::vector<std::unique_ptr<JetFrom>>& from,
                            const JetSelect* select, const JetSqlScope* outer,
                            const JetSqlCatalog& catalog) {
    JetSqlScope scope;
    scope.select = select;
    scope.outer = outer;
    for (const auto& f : from)
        AddSources(*f, scope, catalog);
    return scope;
}

int JetSqlScope::Find(const std::string& name) const {
    for (size_t i = 0; i < sources.size(); ++i)
        if (SameName(sources[i].exposed, name))
            return static_cast<int>(i);
    return -1;
}

std::string JetSqlScope::FreeName(const std::string& base) const {
    std::string name = base;
    for (int n = 2; Find(name) >= 0; ++n)
        name = base + std::to_string(n);
    return name;
}

std::set<size_t> JetSqlSourceUses::Of(const JetSqlScope& scope) const {
    std::set<size_t> used;
    for (const auto& [s, index] : m_uses)
        if (s == &scope)
            used.insert(index);
    return used;
}

void JetSqlSourceUses::EndSubquery(const JetSqlSourceUses& before, const JetSqlScope& outer) {
    std::set<std::pair<const JetSqlScope*, size_t>> kept = before.m_uses;
    for (const auto& use : m_uses)
        for (const JetSqlScope* s = &outer; s; s = s->outer)
            if (use.first == s)
                kept.insert(use);
    m_uses = std::move(kept);
}
