#pragma once
// The bound members of a recordset, reached through their field exchange binding: copies of
// their values, and conversions between them and the engine's stored values and variants.

#include "platform/core/COleDateTime.h"
#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"
#include "platform/dao/CDaoFieldExchange.h"
#include "platform/dao/DaoValue.h"

#include <variant>

// An exact copy of a member's value (a date with its status).
using DaoMemberValue = std::variant<LONG, short, BYTE, CString, COleDateTime>;

class DaoMember {
public:
    static DaoMemberValue Get(const CDaoFieldExchange::Binding& binding);
    static void Set(const CDaoFieldExchange::Binding& binding, const DaoMemberValue& value);

    // The member as the value to store (a date that is not valid stores Null).
    static DaoValue ToValue(const CDaoFieldExchange::Binding& binding);
    // Loads a stored value: Null gives 0, an empty text or a null date.
    static void FromValue(const CDaoFieldExchange::Binding& binding, const DaoValue& value);
    static COleVariant ToVariant(const CDaoFieldExchange::Binding& binding);
    // Stores a variant in the member (3421 when it has no value of the member's kind).
    static void FromVariant(const CDaoFieldExchange::Binding& binding, const COleVariant& value);

    // The value a member holds while a new row is being made and it has not been set: one that
    // a program hardly ever sets, so that setting 0 or "" counts as a change.
    static void SetPseudoNull(const CDaoFieldExchange::Binding& binding);
    // The value a member takes for Null.
    static void SetNull(const CDaoFieldExchange::Binding& binding);

    // The column type that matches the member's kind.
    static short ColumnType(CDaoFieldExchange::Kind kind);
};
