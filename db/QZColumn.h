#pragma once
// One bound column of a recordset class: its bracketed name and the member that holds it. A
// class lists its columns once, in binding order, and its field exchange, its copy and the
// checks of its bindings follow from that list.

#include "db/QZScrambledText.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"
#include "platform/dao/CDaoFieldExchange.h"

#include <type_traits>
#include <variant>
#include <vector>

template <class Set> struct QZColumn {
    using Member = std::variant<LONG Set::*, short Set::*, BYTE Set::*, CString Set::*,
                                COleDateTime Set::*, QZScrambledText Set::*>;

    const char* name; // as bound, "[DbID]"
    Member member;

    // Binds the column's member of the set through the field exchange.
    void Exchange(Set& set, CDaoFieldExchange* pFX) const {
        std::visit(
            [&](auto pointer) {
                auto& value = set.*pointer;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, LONG>)
                    DFX_Long(pFX, name, value);
                else if constexpr (std::is_same_v<T, short>)
                    DFX_Short(pFX, name, value);
                else if constexpr (std::is_same_v<T, BYTE>)
                    DFX_Byte(pFX, name, value);
                else if constexpr (std::is_same_v<T, CString>)
                    DFX_Text(pFX, name, value, AFX_DAO_TEXT_DEFAULT_SIZE);
                else if constexpr (std::is_same_v<T, COleDateTime>)
                    DFX_DateTime(pFX, name, value);
                else
                    DFX_Text(pFX, name, value.m_Stored, AFX_DAO_TEXT_DEFAULT_SIZE);
            },
            member);
    }

    // Copies the column's value (a date with its status) from one set to another.
    void Copy(Set& to, const Set& from) const {
        std::visit([&](auto pointer) { to.*pointer = from.*pointer; }, member);
    }

    // TRUE when the column is held in that member.
    bool Is(LONG Set::*pointer) const {
        auto* held = std::get_if<LONG Set::*>(&member);
        return held != nullptr && *held == pointer;
    }
};

// The field exchange of a whole list: every column as an output column.
template <class Set>
void QZExchangeColumns(Set& set, const std::vector<QZColumn<Set>>& columns,
                       CDaoFieldExchange* pFX) {
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    for (const QZColumn<Set>& column : columns)
        column.Exchange(set, pFX);
}
