#pragma once
// The dialect's functions that queries may call, written as SQLite expressions: IIf, Now,
// Date, IsNull, Nz, Len, UCase, LCase, Left, Right, Mid, Trim, LTrim, RTrim, Abs, Year,
// Month, Day and the aggregates Count, Sum, Avg, Min, Max.

#include "platform/dao/JetSqlFragment.h"

#include <cstddef>
#include <string>
#include <vector>

class JetSqlFunctions {
public:
    // `args` already written; a Count(*) argument is the fragment "*". Throws JetSqlError for
    // an unknown function or a wrong number of arguments; `offset` places the call in the text.
    static JetSqlFragment Call(const std::string& name, const std::vector<JetSqlFragment>& args,
                               size_t offset);
    static bool IsAggregate(const std::string& name);
};
