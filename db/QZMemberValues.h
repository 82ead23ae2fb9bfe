#pragma once
// A copy of the values of a recordset's bound members, to be put back after an operation that
// reloads them (Edit reads the row afresh into the members).

#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"
#include "platform/dao/CDaoFieldExchange.h"

#include <variant>
#include <vector>

class QZMemberValues {
public:
    // Copies the current values of the bound output members.
    explicit QZMemberValues(const std::vector<CDaoFieldExchange::Binding>& bindings);

    // Puts every copied value back into its member.
    void Restore() const;

private:
    using Value = std::variant<LONG, short, BYTE, CString, COleDateTime>;
    struct Saved {
        CDaoFieldExchange::Binding binding;
        Value value;
    };

    std::vector<Saved> m_saved;
};
