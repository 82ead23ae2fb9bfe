#include "platform/dao/JetSqlNameResolver.h"

#include "platform/dao/JetSqlError.h"
#include "platform/dao/JetSqlText.h"

#include <optional>

using JetSqlText::At;
using JetSqlText::QuoteName;
using JetSqlText::SameName;
using Reason = JetSqlError::Reason;
using What = JetSqlResolution::What;

namespace {

[[noreturn]] void Fail(Reason reason, const std::string& message) {
    throw JetSqlError(reason, message);
}

std::string Quoted(const JetName& name) {
    return "'" + name.Written() + "'" + At(name.offset);
}

} // namespace

JetSqlResolution JetSqlNameResolver::Resolve(const JetName& name, const JetSqlScope& scope) {
    if (name.star)
        Fail(Reason::Syntax, Quoted(name) + " may only stand in a select list");
    if (std::optional<JetSqlFragment> declared = m_parameters.Declared(name))
        return JetSqlResolution::Parameter(*declared);
    if (name.parts.size() == 1)
        return ResolveSingle(name, scope);
    if (name.parts.size() == 2)
        return ResolveQualified(name, scope);
    Fail(Reason::UnknownColumn, Quoted(name) + " names no table or alias of the query");
}

JetSqlResolution JetSqlNameResolver::ResolveSingle(const JetName& name, const JetSqlScope& scope) {
    const std::string& word = name.parts[0];
    for (const JetSqlScope* s = &scope; s; s = s->outer) {
        std::vector<size_t> found;
        for (size_t i = 0; i < s->sources.size(); ++i)
            if (m_catalog.HasColumn(s->sources[i].table, word))
                found.push_back(i);
        if (found.size() > 1)
            Fail(Reason::Syntax, "The column '" + word + "'" + At(name.offset) +
                                     " could belong to more than one table");
        if (found.size() == 1)
            return Column(*s, found[0], word);
    }
    if (scope.select)
        for (const JetSelectItem& item : scope.select->items)
            if (!item.alias.empty() && SameName(item.alias, word))
                return JetSqlResolution::Alias(item);
    for (const JetSqlScope* s = &scope; s; s = s->outer)
        for (const JetSqlSource& source : s->sources)
            if (SameName(source.exposed, word) || SameName(source.table, word))
                Fail(Reason::Syntax,
                     "The table '" + word + "'" + At(name.offset) + " cannot stand as a value");
    return JetSqlResolution::Parameter(m_parameters.Undeclared(name));
}

// Table.Column, the table by its exposed name, the innermost scope first.
JetSqlResolution JetSqlNameResolver::ResolveQualified(const JetName& name,
                                                      const JetSqlScope& scope) {
    for (const JetSqlScope* s = &scope; s; s = s->outer) {
        int i = s->Find(name.parts[0]);
        if (i < 0)
            continue;
        const std::string& table = s->sources[i].table;
        if (!m_catalog.HasColumn(table, name.parts[1]))
            Fail(Reason::UnknownColumn, "The table '" + table + "' has no column '" +
                                            name.parts[1] + "'" + At(name.offset));
        return Column(*s, static_cast<size_t>(i), name.parts[1]);
    }
    Fail(Reason::UnknownColumn, Quoted(name) + " names no table or alias of the query");
}

JetSqlResolution JetSqlNameResolver::Column(const JetSqlScope& scope, size_t index,
                                            const std::string& column) {
    const JetSqlSource& s = scope.sources[index];
    m_uses.Add(scope, index);
    JetSqlFragment fragment{QuoteName(s.qualifier) + "." + QuoteName(column),
                            JetValueTypeOf(m_catalog.ColumnType(s.table, column)),
                            JetPrecedence::Primary};
    return {What::Column, fragment, &scope, index, column, nullptr};
}

JetSqlStar JetSqlNameResolver::ExpandStar(const JetName& name, const JetSqlScope& scope) {
    JetSqlStar star;
    if (name.parts.empty()) {
        if (scope.sources.empty())
            Fail(Reason::Syntax, "'*'" + At(name.offset) + " needs a table in FROM");
        star.sql = "*";
        for (size_t i = 0; i < scope.sources.size(); ++i) {
            m_uses.Add(scope, i);
            for (const std::string& c : m_catalog.Columns(scope.sources[i].table))
                star.columns.push_back(c);
        }
        return star;
    }
    int i = name.parts.size() == 1 ? scope.Find(name.parts[0]) : -1;
    if (i < 0)
        Fail(Reason::UnknownTable, Quoted(name) + " names no table of the query");
    m_uses.Add(scope, static_cast<size_t>(i));
    star.sql = QuoteName(scope.sources[i].qualifier) + ".*";
    star.columns = m_catalog.Columns(scope.sources[i].table);
    return star;
}

std::string JetSqlNameResolver::CatalogSpelling(const std::string& table,
                                                const std::string& column) const {
    for (const std::string& c : m_catalog.Columns(table))
        if (SameName(c, column))
            return c;
    return column;
}
