#include "tests/db/BoundMembers.h"

#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/CaughtDaoError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using Kind = CDaoFieldExchange::Kind;

std::vector<CDaoFieldExchange::Binding> Bindings(CDaoRecordset& set) {
    CDaoFieldExchange fx(&set);
    set.DoFieldExchange(&fx);
    return fx.m_outputs;
}

std::map<std::string, DaoMemberValue> MemberValues(CDaoRecordset& set) {
    std::map<std::string, DaoMemberValue> values;
    for (const auto& binding : Bindings(set))
        values.emplace(binding.name.str(), DaoMember::Get(binding));
    return values;
}

namespace {
CDaoFieldExchange::Binding Find(CDaoRecordset& set, const std::string& column) {
    for (const auto& binding : Bindings(set))
        if (binding.name.CompareNoCase(column.c_str()) == 0)
            return binding;
    ADD_FAILURE() << "no bound column " << column;
    return {};
}
} // namespace

DaoMemberValue MemberValue(CDaoRecordset& set, const std::string& column) {
    CDaoFieldExchange::Binding binding = Find(set, column);
    return binding.member != nullptr ? DaoMember::Get(binding) : DaoMemberValue();
}

void SetMemberValue(CDaoRecordset& set, const std::string& column, const DaoMemberValue& value) {
    CDaoFieldExchange::Binding binding = Find(set, column);
    if (binding.member != nullptr)
        DaoMember::Set(binding, value);
}

void FillMembers(CDaoRecordset& set, int seed, const std::vector<std::string>& skip) {
    int n = 0;
    for (const auto& binding : Bindings(set)) {
        ++n;
        if (std::find(skip.begin(), skip.end(), binding.name.str()) != skip.end())
            continue;
        int v = seed * 100 + n;
        switch (binding.kind) {
        case Kind::Long:
            DaoMember::Set(binding, static_cast<LONG>(v * 1000 + 7));
            break;
        case Kind::Short:
            DaoMember::Set(binding, static_cast<short>(v));
            break;
        case Kind::Byte:
            DaoMember::Set(binding, static_cast<BYTE>(v % 200 + 1));
            break;
        case Kind::Text:
            DaoMember::Set(binding, CString("t" + std::to_string(v)));
            break;
        case Kind::DateTime:
            DaoMember::Set(binding,
                           COleDateTime(1990 + seed, 1 + n % 12, 1 + n % 28, n % 24, 7, 9));
            break;
        }
    }
}

std::string ValueText(const DaoMemberValue& value) {
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, CString>)
                return "\"" + v.str() + "\"";
            else if constexpr (std::is_same_v<T, COleDateTime>)
                return v.GetStatus() == COleDateTime::valid ? v.Format("%Y-%m-%d %H:%M:%S").str()
                                                            : "(not valid)";
            else
                return std::to_string(static_cast<long>(v));
        },
        value);
}

std::vector<std::string> BindingDrift(CDaoRecordset& set, CDaoDatabase& db, const char* table) {
    std::vector<std::string> drift;
    CDaoTableDef def(&db);
    def.Open(table);
    auto bindings = Bindings(set);
    if (static_cast<int>(bindings.size()) != def.GetFieldCount())
        drift.push_back(std::to_string(bindings.size()) + " bindings for " +
                        std::to_string(def.GetFieldCount()) + " columns");
    if (set.m_nFields != static_cast<int>(bindings.size()))
        drift.push_back("field count " + std::to_string(set.m_nFields));
    std::set<std::string> seen;
    for (const auto& binding : bindings) {
        std::string name = binding.name.str();
        if (!seen.insert(name).second)
            drift.push_back(name + ": bound twice");
        CDaoFieldInfo info;
        try {
            def.GetFieldInfo(binding.name, info);
        } catch (CDaoException* e) {
            CaughtDaoError error(e);
            drift.push_back(name + ": no such column");
            continue;
        }
        if (info.m_strName != binding.name)
            drift.push_back(name + ": the column is " + info.m_strName.str());
        short type = DaoMember::ColumnType(binding.kind);
        bool same = info.m_nType == type || (type == dbText && info.m_nType == dbMemo);
        if (!same)
            drift.push_back(name + ": bound as type " + std::to_string(type) + ", column type " +
                            std::to_string(info.m_nType));
    }
    return drift;
}
